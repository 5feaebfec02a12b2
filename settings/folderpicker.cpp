#include "settings/folderpicker.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/qtext.h"
#include "text/bytestring.h"

namespace sorvanta {

namespace {

// The picker's window: a title line, the folder tree, a line with the chosen
// folder's path (typing a path there and Enter chooses it), a status line,
// OK and Cancel.
class CFolderPickerDialog : public QDialog {
public:
    CFolderPickerDialog(CFolderPicker& picker, QWidget* pOwner) : QDialog(pOwner), m_picker(picker) {
        setWindowTitle(picker.m_strCaption.isEmpty() ? QStringLiteral("Обзор папок") : picker.m_strCaption);
        auto* pLayout = new QVBoxLayout(this);
        auto* pTitle = new QLabel(picker.m_strTitle.isEmpty() ? QStringLiteral("Open") : picker.m_strTitle, this);
        pTitle->setObjectName(QStringLiteral("titleLine"));
        pLayout->addWidget(pTitle);

        m_pModel = new QFileSystemModel(this);
        m_pModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
        const QString root = picker.m_strRoot.empty() ? QStringLiteral("/") : PathToQString(picker.m_strRoot);
        m_pModel->setRootPath(root);
        m_pTree = new QTreeView(this);
        m_pTree->setObjectName(QStringLiteral("folderTree"));
        m_pTree->setModel(m_pModel);
        m_pTree->setRootIndex(m_pModel->index(root));
        m_pTree->setHeaderHidden(true);
        for (int column = 1; column < m_pModel->columnCount(); ++column) m_pTree->hideColumn(column);
        pLayout->addWidget(m_pTree);

        m_pPathLine = new QLineEdit(this);
        m_pPathLine->setObjectName(QStringLiteral("pathLine"));
        pLayout->addWidget(m_pPathLine);
        m_pStatus = new QLabel(this);
        m_pStatus->setObjectName(QStringLiteral("statusLine"));
        m_pStatus->setVisible(picker.m_bStatusText != 0);
        pLayout->addWidget(m_pStatus);

        auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        m_pOk = pButtons->button(QDialogButtonBox::Ok);
        m_pOk->setEnabled(false);  // nothing is chosen yet
        pButtons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
        pLayout->addWidget(pButtons);
        connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(m_pTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& current) { OnSelectionChanged(current); });
        connect(m_pPathLine, &QLineEdit::returnPressed, this, [this] { SelectTypedPath(); });
        resize(360, 420);

        if (!picker.m_strInitialFolder.empty()) Select(PathToQString(picker.m_strInitialFolder));
        m_pPathLine->setFocus();
    }

    std::string ChosenPath() const { return m_strChosen; }

private:
    void Select(const QString& path) {
        const QModelIndex index = m_pModel->index(path);
        if (!index.isValid()) return;
        m_pTree->setCurrentIndex(index);
        m_pTree->scrollTo(index);
    }

    // A typed folder is chosen when it exists; Enter then confirms it as OK would.
    void SelectTypedPath() {
        const QString path = m_pPathLine->text().trimmed();
        if (QFileInfo(path).isDir()) Select(QFileInfo(path).absoluteFilePath());
    }

    void OnSelectionChanged(const QModelIndex& current) {
        m_strChosen = current.isValid() ? PathFromQString(m_pModel->filePath(current)) : std::string();
        m_pPathLine->setText(PathToQString(m_strChosen));
        QString status;
        const bool bAccept = m_picker.CheckSelection(m_strChosen, status);
        if (m_picker.m_bStatusText != 0) m_pStatus->setText(status);
        m_pOk->setEnabled(bAccept);
    }

    CFolderPicker& m_picker;
    QFileSystemModel* m_pModel = nullptr;
    QTreeView* m_pTree = nullptr;
    QLineEdit* m_pPathLine = nullptr;
    QLabel* m_pStatus = nullptr;
    QPushButton* m_pOk = nullptr;
    std::string m_strChosen;
};

}  // namespace

std::string TrimInitialFolder(std::string strFolder) {
    strFolder.resize(TrimRight(strFolder).size());
    if (strFolder.size() > 1 && strFolder.back() == '/') strFolder.pop_back();
    return strFolder;
}

bool CFolderPicker::CheckSelection(const std::string&, QString&) {
    return true;
}

bool CFolderPicker::Browse(QWidget* pOwner) {
    if (!m_strInitialFolder.empty()) m_strInitialFolder = TrimInitialFolder(m_strInitialFolder);
    if (!m_strRoot.empty() && !QFileInfo(PathToQString(m_strRoot)).isDir()) return false;

    CFolderPickerDialog dialog(*this, pOwner);
    if (dialog.exec() != QDialog::Accepted) return false;
    const std::string strChosen = dialog.ChosenPath();
    if (strChosen.empty()) return false;
    m_strPath = strChosen;
    m_nImage = 0;
    return true;
}

}  // namespace sorvanta

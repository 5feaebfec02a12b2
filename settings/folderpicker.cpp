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

#include "settings/settingsmessages.h"
#include "text/bytestring.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

namespace sorvanta {

namespace {

// The picker's window: a title line, the folder tree (hidden folders too: a
// module root often lies inside a Wine prefix such as ~/.wine), a line with
// the chosen folder's path (typing a path there and Enter chooses it), a
// status line, OK and Cancel.
class CFolderPickerDialog : public QDialog {
public:
    CFolderPickerDialog(CFolderPicker& picker, QWidget* pOwner) : QDialog(pOwner), m_picker(picker) {
        setWindowTitle(picker.m_strCaption.isEmpty() ? QStringLiteral("Обзор папок") : picker.m_strCaption);
        auto* pLayout = new QVBoxLayout(this);
        auto* pTitle = new QLabel(picker.m_strTitle.isEmpty() ? QStringLiteral("Open") : picker.m_strTitle, this);
        pTitle->setObjectName(QStringLiteral("titleLine"));
        pLayout->addWidget(pTitle);

        m_pModel = new QFileSystemModel(this);
        m_pModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
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
        // Enter in the path line is the path line's own; no button takes it.
        for (QAbstractButton* pButton : pButtons->buttons()) static_cast<QPushButton*>(pButton)->setAutoDefault(false);
        pLayout->addWidget(pButtons);
        connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(m_pTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& current) { OnSelectionChanged(current); });
        connect(m_pPathLine, &QLineEdit::returnPressed, this, [this] { accept(); });
        resize(360, 420);

        if (!picker.m_strInitialFolder.empty()) Select(PathToQString(picker.m_strInitialFolder));
        m_pPathLine->setFocus();
    }

    std::string ChosenPath() const { return m_strChosen; }

    // A path typed into the path line is chosen when it is a folder; anything
    // else is refused with a message and the picker stays open.
    void accept() override {
        const QString typed = m_pPathLine->text().trimmed();
        if (!typed.isEmpty() && typed != PathToQString(m_strChosen)) {
            const QFileInfo folder(typed);
            if (folder.isDir()) Select(folder.absoluteFilePath());
            if (!folder.isDir() ||
                QFileInfo(PathToQString(m_strChosen)).canonicalFilePath() != folder.canonicalFilePath()) {
                AfxMessageBox(FolderNotFoundMessage(typed));
                return;
            }
        }
        if (m_pOk->isEnabled()) QDialog::accept();
    }

private:
    void Select(const QString& path) {
        const QModelIndex index = m_pModel->index(path);
        if (!index.isValid()) return;
        m_pTree->setCurrentIndex(index);
        m_pTree->scrollTo(index);
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

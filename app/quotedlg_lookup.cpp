// The main window's module list and the OK command, drawn from what the
// session decides.
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMenu>
#include <QStringListModel>

#include "app/quotedlg.h"
#include "output/clipboard.h"
#include "output/copydlg.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

namespace sorvanta {

namespace {

void ShowMessages(const std::vector<std::string>& arrMessages) {
    QStringList messages;
    for (const std::string& strMessage : arrMessages) messages << ToQString(strMessage);
    AfxMessageBoxes(messages);
}

}  // namespace

void CQuoteDlg::ScanModules() {
    m_comboModules->clear();
    const ModuleCatalogue& catalogue = m_session.ScanModules();
    // Names go into the list before the messages are shown, in the order found.
    for (std::size_t i = 0; i < catalogue.m_arrNames.size(); ++i) {
        m_comboModules->addItem(ToQString(catalogue.m_arrNames[i], catalogue.m_arrEncodings[i]));
    }
    ShowMessages(catalogue.m_arrMessages);
    m_comboModules->setCurrentIndex(m_session.m_nSelected);
    ReadModuleBooks();
    UpdatePreview();
}

void CQuoteDlg::ReadModuleBooks() {
    if (m_pBookCompleter == nullptr) {
        m_pBookCompleter = new QCompleter(new QStringListModel(this), this);
        m_pBookCompleter->setObjectName(QStringLiteral("bookCompleter"));
        m_pBookCompleter->setCaseSensitivity(Qt::CaseInsensitive);
        m_pBookCompleter->setCompletionMode(QCompleter::PopupCompletion);
        m_comboVerse->lineEdit()->setCompleter(m_pBookCompleter);
    }
    QStringList books;
    const TextEncoding encoding = m_session.SelectedEncoding();
    for (const std::string& strBook : m_session.BookAbbreviations()) books << ToQString(strBook, encoding);
    static_cast<QStringListModel*>(m_pBookCompleter->model())->setStringList(books);
}

void CQuoteDlg::FillHistory() {
    const QString typed = m_comboVerse->currentText();
    m_comboVerse->clear();
    for (const std::string& strEntry : m_session.m_arrHistory) {
        // The list keeps itself sorted, letter case ignored; an equal entry is
        // added again after the ones already there.
        const QString verse = ToQString(strEntry, TextEncoding::Utf8);
        int nPosition = 0;
        while (nPosition < m_comboVerse->count() &&
               QString::compare(m_comboVerse->itemText(nPosition), verse, Qt::CaseInsensitive) <= 0) {
            ++nPosition;
        }
        m_comboVerse->insertItem(nPosition, verse);
    }
    m_comboVerse->setEditText(typed);
}

void CQuoteDlg::ClearHistory() {
    m_session.ClearHistory();
    FillHistory();
}

// The reference field's own menu, with one more entry at its end.
void CQuoteDlg::ShowReferenceMenu(QPoint pos) {
    QLineEdit* pEdit = m_comboVerse->lineEdit();
    std::unique_ptr<QMenu> pMenu(pEdit->createStandardContextMenu());
    pMenu->addSeparator();
    QAction* pClear = pMenu->addAction(QStringLiteral("Очистить историю"), this, &CQuoteDlg::ClearHistory);
    pClear->setObjectName(QStringLiteral("clearHistory"));
    pClear->setEnabled(!m_session.m_arrHistory.empty());
    pMenu->exec(pEdit->mapToGlobal(pos));
}

int CQuoteDlg::LookUpAndCopy() {
    UpdateData(true);
    COkResult result = m_session.OnOK(m_strVerse);
    if (result.m_step == COkStep::Failed) {
        ShowMessages(result.m_arrMessages);
        return 0;
    }
    if (result.m_step == COkStep::ChooseVerse) {
        // A selection in a document is replaced only by the quotation of a reference.
        if (m_bReplacing) {
            ShowMessages(LookupMessages(LookupOutcome::NoBook));
            return 0;
        }
        ShowFoundVerses(result);
        return 1;
    }
    FillHistory();
    if (result.m_step == COkStep::ShowQuoteWindow && !m_bReplacing) {
        // A quotation may be as large as its book: it is handed on, not copied.
        CCopyDlg dlg(this);
        dlg.m_strPassage = std::move(result.m_strQuotation);
        dlg.m_encoding = result.m_encoding;
        dlg.m_strHtml = std::move(result.m_strHtml);
        const bool bCopied = dlg.exec() == QDialog::Accepted;
        m_session.QuoteWindowEnded(bCopied, dlg.m_bDontShow);
        if (bCopied) {
            HideToTray();
            PasteIntoWriterWindow();
        }
        return 1;
    }
    // Without the quote window the quotation goes to the clipboard at once:
    // hiding without copying would report a copy that never happened.
    // A selected reference is replaced where it stands; the window stays as it is.
    const bool bCopied = CopyToClipboard(ToQString(result.m_strQuotation, result.m_encoding), result.m_strHtml);
    if (!bCopied) AfxMessageBox(ClipboardFailureMessage());
    if (!m_bReplacing) HideToTray();
    if (bCopied) {
        PasteIntoWriterWindow();
    } else {
        m_nWriterWindow = 0;
        m_bReplacing = false;
    }
    return 1;
}

}  // namespace sorvanta

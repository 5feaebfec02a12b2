// The main window's module list and the OK command.
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMenu>
#include <QStringListModel>

#include "app/quotedlg.h"
#include "lookup/abbreviations.h"
#include "lookup/citation.h"
#include "lookup/htmlcitation.h"
#include "lookup/lookup.h"
#include "modules/catalogue.h"
#include "modules/markers.h"
#include "output/clipboard.h"
#include "output/copydlg.h"
#include "text/codec.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

namespace sorvanta {

void CQuoteDlg::ScanModules() {
    m_arrModuleIni.clear();
    m_arrModuleEncodings.clear();
    m_comboModules->clear();
    const ModuleCatalogue catalogue = sorvanta::ScanModules(m_strDirectory);
    // Names go into the list before the messages are shown, in the order found.
    for (std::size_t i = 0; i < catalogue.m_arrNames.size(); ++i) {
        m_comboModules->addItem(ToQString(catalogue.m_arrNames[i], catalogue.m_arrEncodings[i]));
        m_arrModuleIni.push_back(catalogue.m_arrModuleIni[i]);
        m_arrModuleEncodings.push_back(catalogue.m_arrEncodings[i]);
    }
    QStringList messages;
    for (const std::string& strMessage : catalogue.m_arrMessages) messages << ToQString(strMessage);
    AfxMessageBoxes(messages);
    if (m_arrModuleIni.empty()) {
        m_comboModules->setCurrentIndex(-1);
        return;
    }
    m_comboModules->setCurrentIndex(0);
    ReadModuleMarkers();
    ReadModuleBooks();
}

std::string CQuoteDlg::SelectedModuleIni() const {
    const int nSelected = m_comboModules->currentIndex();
    return nSelected < 0 ? std::string() : m_arrModuleIni[static_cast<std::size_t>(nSelected)];
}

TextEncoding CQuoteDlg::SelectedModuleEncoding() const {
    const int nSelected = m_comboModules->currentIndex();
    return nSelected < 0 ? TextEncoding::Cp1251 : m_arrModuleEncodings[static_cast<std::size_t>(nSelected)];
}

void CQuoteDlg::ReadModuleMarkers() {
    const std::string strIni = SelectedModuleIni();
    if (strIni.empty()) return;
    ModuleMarkers markers{m_strChapterSign, m_strVerseSign};
    if (sorvanta::ReadModuleMarkers(strIni, markers)) {
        m_strChapterSign = markers.m_strChapterSign;
        m_strVerseSign = markers.m_strVerseSign;
    }
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
    const TextEncoding encoding = SelectedModuleEncoding();
    if (const std::string strIni = SelectedModuleIni(); !strIni.empty()) {
        for (const std::string& strBook : ListBookAbbreviations(strIni, encoding))
            books << ToQString(strBook, encoding);
    }
    static_cast<QStringListModel*>(m_pBookCompleter->model())->setStringList(books);
}

void CQuoteDlg::AddToHistory(const std::string& strEntry) {
    m_arrHistory.push_back(strEntry);
    if (m_arrHistory.size() > kHistoryLength) m_arrHistory.erase(m_arrHistory.begin());
    // The list keeps itself sorted, letter case ignored; an equal entry is
    // added again after the ones already there.
    const QString verse = ToQString(strEntry, TextEncoding::Utf8);
    int nPosition = 0;
    while (nPosition < m_comboVerse->count() &&
           QString::compare(m_comboVerse->itemText(nPosition), verse, Qt::CaseInsensitive) <= 0) {
        ++nPosition;
    }
    const QString typed = m_comboVerse->currentText();
    m_comboVerse->insertItem(nPosition, verse);
    m_comboVerse->setEditText(typed);
}

void CQuoteDlg::ClearHistory() {
    m_arrHistory.clear();
    const QString typed = m_comboVerse->currentText();
    m_comboVerse->clear();
    m_comboVerse->setEditText(typed);
    SaveSettings();
}

// The reference field's own menu, with one more entry at its end.
void CQuoteDlg::ShowReferenceMenu(QPoint pos) {
    QLineEdit* pEdit = m_comboVerse->lineEdit();
    std::unique_ptr<QMenu> pMenu(pEdit->createStandardContextMenu());
    pMenu->addSeparator();
    QAction* pClear = pMenu->addAction(QStringLiteral("Очистить историю"), this, &CQuoteDlg::ClearHistory);
    pClear->setObjectName(QStringLiteral("clearHistory"));
    pClear->setEnabled(!m_arrHistory.empty());
    pMenu->exec(pEdit->mapToGlobal(pos));
}

int CQuoteDlg::LookUpAndCopy() {
    UpdateData(true);
    LookupResult result = LookUp(m_strVerse, SelectedModuleIni(), ModuleMarkers{m_strChapterSign, m_strVerseSign},
                                 SelectedModuleEncoding(), TextEncoding::Cp1251, m_quotation.m_passage);
    if (result.m_outcome == LookupOutcome::NoBook) AfxMessageBox(LookupMessages(result.m_outcome).front());
    if (result.m_outcome != LookupOutcome::Found) {
        m_strNotFoundMessage = NotFoundMessage(result);
        return 0;
    }

    // The history is written at once: a program that is killed keeps it.
    if (m_strVerse.size() <= kMaxHistoryEntry) {
        AddToHistory(Cp1251ToUtf8(m_strVerse));
        SaveSettings();
    }
    // A quotation may be as large as its book: it is handed on, not copied,
    // and the passages it was made of go at once.
    std::string strCitation = FormatQuotation(result, m_quotation.m_style);
    std::string strHtml = m_quotation.m_bHtml == 0 ? std::string() : FormatQuotationHtml(result, m_quotation.m_style);
    result.m_arrParts.clear();
    if (m_bShowDlg != 0) {
        CCopyDlg dlg(this);
        dlg.m_strPassage = std::move(strCitation);
        dlg.m_encoding = result.m_encoding;
        dlg.m_strHtml = std::move(strHtml);
        if (dlg.exec() == QDialog::Accepted) {
            const int bShowDlg = dlg.m_bDontShow == 0 ? 1 : 0;
            if (bShowDlg != m_bShowDlg) {
                m_bShowDlg = bShowDlg;
                SaveSettings();
            }
            HideToTray();
        }
    } else {
        // Without the quote window the quotation goes to the clipboard at once:
        // hiding without copying would report a copy that never happened.
        if (!CopyToClipboard(ToQString(strCitation, result.m_encoding), strHtml)) {
            AfxMessageBox(ClipboardFailureMessage());
        }
        HideToTray();
    }
    return 1;
}

}  // namespace sorvanta

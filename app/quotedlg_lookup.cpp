// The main window's module list and the OK command.
#include <QComboBox>

#include "ui/messagebox.h"
#include "ui/qtext.h"
#include "app/quotedlg.h"
#include "lookup/lookup.h"
#include "modules/catalogue.h"
#include "modules/markers.h"
#include "output/clipboard.h"
#include "output/copydlg.h"

namespace sorvanta {

void CQuoteDlg::ScanModules() {
    m_arrModuleIni.clear();
    m_comboModules->clear();
    const ModuleCatalogue catalogue = sorvanta::ScanModules(m_strDirectory);
    // Names go into the list before the messages are shown, in the order found.
    for (std::size_t i = 0; i < catalogue.m_arrNames.size(); ++i) {
        m_comboModules->addItem(ToQString(catalogue.m_arrNames[i]));
        m_arrModuleIni.push_back(catalogue.m_arrModuleIni[i]);
    }
    for (const std::string& strMessage : catalogue.m_arrMessages) AfxMessageBox(strMessage);
    if (m_arrModuleIni.empty()) {
        m_comboModules->setCurrentIndex(-1);
        return;
    }
    m_comboModules->setCurrentIndex(0);
    ReadModuleMarkers();
}

void CQuoteDlg::ReadModuleMarkers() {
    const int nSelected = m_comboModules->currentIndex();
    if (nSelected < 0) return;
    ModuleMarkers markers{m_strChapterSign, m_strVerseSign};
    if (sorvanta::ReadModuleMarkers(m_arrModuleIni[static_cast<std::size_t>(nSelected)], markers)) {
        m_strChapterSign = markers.m_strChapterSign;
        m_strVerseSign = markers.m_strVerseSign;
    }
}

void CQuoteDlg::AddToHistory(const std::string& strVerse) {
    // The list keeps itself sorted, letter case ignored; an equal entry is
    // added again after the ones already there.
    const QString verse = ToQString(strVerse);
    int nPosition = 0;
    while (nPosition < m_comboVerse->count() &&
           QString::compare(m_comboVerse->itemText(nPosition), verse, Qt::CaseInsensitive) <= 0) {
        ++nPosition;
    }
    const QString typed = m_comboVerse->currentText();
    m_comboVerse->insertItem(nPosition, verse);
    m_comboVerse->setEditText(typed);
}

int CQuoteDlg::LookUpAndCopy() {
    UpdateData(true);
    const int nSelected = m_comboModules->currentIndex();
    const std::string strIniPath = nSelected < 0 ? std::string() : m_arrModuleIni[static_cast<std::size_t>(nSelected)];
    const LookupResult result = LookUp(m_strVerse, strIniPath, ModuleMarkers{m_strChapterSign, m_strVerseSign});
    if (result.m_outcome == LookupOutcome::NoBook) AfxMessageBox(LookupMessages(result.m_outcome).front());
    if (result.m_outcome != LookupOutcome::Found) return 0;

    AddToHistory(m_strVerse);
    if (m_bShowDlg != 0) {
        CCopyDlg dlg(this);
        dlg.m_strPassage = result.m_strQuotation;
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
        if (!CopyToClipboard(result.m_strQuotation)) AfxMessageBox(ClipboardFailureMessage());
        HideToTray();
    }
    return 1;
}

}  // namespace sorvanta

// The main window's list of the verses a search by words found.
#include <QComboBox>

#include "app/quotedlg.h"
#include "ui/foundverses.h"
#include "ui/qtext.h"

namespace sorvanta {

void CQuoteDlg::ShowFoundVerses(const COkResult& result) {
    if (m_pFoundVerses == nullptr) {
        m_pFoundVerses = new CFoundVersesPopup(m_comboVerse);
        // Queued: the quote window runs once the popup's key press is over.
        connect(m_pFoundVerses, &CFoundVersesPopup::chosen, this, &CQuoteDlg::QuoteFoundVerse, Qt::QueuedConnection);
    }
    QStringList references;
    QStringList starts;
    for (const CFoundVerse& verse : result.m_arrFound) {
        references << ToQString(verse.m_strReference, result.m_encoding);
        starts << ToQString(verse.m_strStart, result.m_encoding);
    }
    m_pFoundVerses->ShowVerses(references, starts);
}

void CQuoteDlg::QuoteFoundVerse(const QString& reference) {
    m_comboVerse->setEditText(reference);
    LookUpAndCopy();
}

}  // namespace sorvanta

// The main window's preview line: what OK would quote, told while the
// reference is typed.
#include <QComboBox>
#include <QLabel>

#include "app/quotedlg.h"
#include "lookup/preview.h"
#include "ui/qtext.h"
#include "ui_quotedlg.h"

namespace sorvanta {

void CQuoteDlg::UpdatePreview() {
    const std::string strLine = DescribeRequest(FromQString(m_comboVerse->currentText()), m_session.SelectedIni(),
                                                m_session.m_markers, m_session.SelectedEncoding());
    m_pUi->labelPreview->setText(ToQString(strLine, TextEncoding::Utf8));
}

QString CQuoteDlg::PreviewText() const {
    return m_pUi->labelPreview->text();
}

}  // namespace sorvanta

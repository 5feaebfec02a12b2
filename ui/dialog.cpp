#include "ui/dialog.h"

namespace sorvanta {

void CDialog::showEvent(QShowEvent* pEvent) {
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(pEvent);
}

}  // namespace sorvanta

// The settings dialog: module root, the two options, the hot-key characters
// and, below them, how the quotation is written. It opens with the owner's
// values and gives back the values chosen.
#pragma once

#include <string>

#include "profile/quotationvalues.h"
#include "profile/settingsvalues.h"
#include "windows/dialog.h"

namespace sorvanta {

class CSettingsDlg : public CDialog {
public:
    CSettingsDlg(const CSettingsValues& ownerValues, const CQuotationValues& quotation)
        : CDialog(129), m_quotation(quotation), m_ownerValues(ownerValues) {}

    std::wstring m_strDirectory;
    int m_bTrayDef = 0;
    int m_bShowDlg = 0;
    std::wstring m_strHotkeyLaunch;   // at most one character
    std::wstring m_strHotkeyRestore;  // at most one character
    CQuotationValues m_quotation;

    // The values as the dialog holds them; an empty hot-key field gives the
    // character 0.
    CSettingsValues Values() const;

protected:
    INT_PTR OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL OnInitDialog();
    // Taking the values out refuses a hot-key field of more than one
    // character, with a message.
    bool UpdateData(bool bSaveAndValidate);
    void OnBrowse();

    CSettingsValues m_ownerValues;
};

}  // namespace sorvanta

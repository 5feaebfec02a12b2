// The settings dialog: module root, the two options, the hot-key characters
// and, below them, how the quotation is written. It opens with the owner's
// values and gives back the values chosen.
#pragma once

#include <functional>
#include <string>

#include "profile/quotationvalues.h"
#include "profile/settingsvalues.h"
#include "windows/dialog.h"
#include "windows/hotkeyprobe.h"

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
    // Set by the owner before the dialog opens: whether hot key `nId` could
    // be had with the character, told beside each field while it is typed.
    std::function<CHotkeyState(int nId, char ch)> m_probeHotkey;

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
    // "Записать" keeps no template the quotation cannot be made from: the
    // message, and the dialog stays open.
    bool TemplateAccepted() const;
    void OnBrowse();
    void ShowHotkeyStatus();
    // The state of the combination a hot-key field's character would give
    // hot key `nId`; an empty field is not asked about.
    CHotkeyState FieldState(int nField, int nId) const;

    CSettingsValues m_ownerValues;
};

}  // namespace sorvanta

// The settings dialog: module root, the two options and the hot-key
// characters. It opens with the owner's current values and gives back the
// values chosen.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/hotkeys.h"
#include "profile/quotationvalues.h"
#include "profile/settingsvalues.h"
#include "settings/settingsstore.h"
#include "ui/dialog.h"

class QLineEdit;

namespace Ui {
class CSettingsDlg;
}

namespace sorvanta {

class CSettingsDlg : public CDialog {
    Q_OBJECT
public:
    // `ownerValues` and `quotation` are the owner's settings; they fill the
    // dialog when it opens.
    CSettingsDlg(const CSettingsValues& ownerValues, const CQuotationValues& quotation, QWidget* pParent);
    ~CSettingsDlg() override;

    std::string m_strDirectory;  // native path
    int m_bTrayDef = 0;
    int m_bShowDlg = 0;
    std::string m_strHotkeyLaunch;   // at most one code page 1251 character
    std::string m_strHotkeyRestore;  // at most one code page 1251 character
    CQuotationValues m_quotation;    // the controls below the five settings
    // Set by the owner before the dialog opens: whether hot key `nId` with
    // the character could be had (beside each field, while it is typed), and
    // whether the quotation can be pasted into other programs' windows here.
    std::function<HotkeyStatus(int nId, char ch)> m_probeHotkey;
    bool m_bDocumentPasteAvailable = false;

    // Moves the values between the members and the controls; taking them out
    // refuses a hot-key field of more than one character and a citation
    // template the quotation cannot be made with (with a message), changing
    // no member then.
    bool UpdateData(bool bSaveAndValidate);

    // The values as the dialog holds them; an empty hot-key field gives the
    // character 0.
    CSettingsValues Values() const;

public slots:
    void accept() override;
    void OnBrowse();

private:
    bool OnInitDialog() override;
    // Whether hot key `nId` with the field's one character could be had;
    // available when the field holds none or the owner cannot tell.
    HotkeyStatus ProbeField(int nId, const QLineEdit* pField) const;
    void ShowHotkeyStatus();
    // The empty template field shows the chosen format's own template; its
    // menu starts from one of them.
    void ShowTemplatePlaceholder();
    void FillTemplatePresets();

    std::unique_ptr<Ui::CSettingsDlg> m_pUi;
    CSettingsValues m_ownerValues;
};

}  // namespace sorvanta

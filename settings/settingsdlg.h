// The settings dialog: module root, the two options and the hot-key
// characters, read from the main window on every opening.
#pragma once

#include "app/dialog.h"
#include <memory>
#include <string>

namespace Ui {
class CSettingsDlg;
}

namespace sorvanta {

class CSettingsDlg : public CDialog {
    Q_OBJECT
public:
    // The parent is the main window; its values fill the dialog.
    explicit CSettingsDlg(QWidget* pParent);
    ~CSettingsDlg() override;

    std::string m_strDirectory;      // native path
    int m_bTrayDef = 0;
    int m_bShowDlg = 0;
    std::string m_strHotkeyLaunch;   // at most one code page 1251 character
    std::string m_strHotkeyRestore;  // at most one code page 1251 character

    // Moves the values between the members and the controls; taking them out
    // refuses a hot-key field of more than one character (with a message).
    bool UpdateData(bool bSaveAndValidate);

public slots:
    void accept() override;
    void OnBrowse();

private:
    bool OnInitDialog() override;

    std::unique_ptr<Ui::CSettingsDlg> m_pUi;
};

}  // namespace sorvanta

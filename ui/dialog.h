// The base of the program's dialogs: OnInitDialog runs once, when the dialog
// is first shown, as the dialog framework the program follows does it.
#pragma once

#include <QDialog>

namespace sorvanta {

class CDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // Fills the controls from the members; the return value is the
    // framework's (whether the focus goes to the first control) and unused.
    virtual bool OnInitDialog() = 0;
    bool IsInitialised() const { return m_bInitialised; }
    void showEvent(QShowEvent* pEvent) override;

private:
    bool m_bInitialised = false;
};

}  // namespace sorvanta

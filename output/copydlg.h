// The quote window: shows the quotation for reading and editing; "Копировать"
// puts the text as it stands on the clipboard. A quotation too long to show
// well (a whole chapter of a huge book) is shown shortened, with a note, and
// cannot be edited; it is copied whole.
#pragma once

#include <memory>
#include <string>
#include "text/encoding.h"
#include "ui/dialog.h"

class QPlainTextEdit;
namespace Ui {
class CCopyDlg;
}

namespace sorvanta {

class CCopyDlg : public CDialog {
    Q_OBJECT
public:
    explicit CCopyDlg(QWidget* pParent = nullptr);
    ~CCopyDlg() override;

    int m_bDontShow = 0;    // check box "Не показывать в следующий раз"
    std::string m_strText;  // text of the edit, in m_encoding; the whole quotation when it is shown shortened
    TextEncoding m_encoding = TextEncoding::Cp1251;  // of the quotation: its module's
    std::string m_strPassage;                        // the quotation; set before the window runs
    std::string m_strHtml;  // the quotation formatted (UTF-8 HTML), or empty: copied only unedited

    void UpdateData(bool bSaveAndValidate);
    QPlainTextEdit* TextEdit() const;

public slots:
    // The window's OK command copies exactly as "Копировать" does: ending with
    // OK makes the caller act as after a copy.
    void accept() override;
    void OnCopy();
    void OnCancelButton();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool OnInitDialog() override;

    std::unique_ptr<Ui::CCopyDlg> m_pUi;
    // The quotation's line end ("\r\n" or "\n"): the edit keeps lines, not
    // line-end bytes, so copied text gets the line ends it came with.
    std::string m_strLineEnd = "\r\n";
    bool m_bShortened = false;  // the edit shows only the quotation's beginning
};

}  // namespace sorvanta

#include "output/copydlg.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextDocument>

#include "output/clipboard.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"
#include "ui_copydlg.h"

namespace sorvanta {

namespace {

// The longest quotation shown whole, in bytes: far above any real chapter,
// and still quick for the edit to lay out.
constexpr std::size_t kLongestShown = std::size_t{256} << 10;

// The beginning of a quotation too long to show, ending on a character's
// border, under a note that says so.
QString ShortenedText(std::string_view quotation, TextEncoding encoding) {
    std::size_t nShown = kLongestShown;
    if (encoding == TextEncoding::Utf8) {
        while (nShown > 0 && (static_cast<unsigned char>(quotation[nShown]) & 0xC0) == 0x80) --nShown;
    }
    return QStringLiteral(
               "[Цитата слишком длинная, чтобы показать её всю: здесь только её начало, и править её "
               "нельзя. «Копировать» скопирует её целиком.]\n\n") +
           ToQString(quotation.substr(0, nShown), encoding) + QStringLiteral("…");
}

// The line end a quotation uses: CR LF unless it has a bare LF and no CR LF.
std::string LineEndOf(const std::string& strText) {
    const bool bHasCrLf = strText.find("\r\n") != std::string::npos;
    const bool bHasLf = strText.find('\n') != std::string::npos;
    return bHasLf && !bHasCrLf ? "\n" : "\r\n";
}

// The edit's text with its line breaks written as `strLineEnd`. The raw text
// keeps every character (a no-break space stays one).
QString EditText(const QPlainTextEdit* pEdit, const std::string& strLineEnd) {
    QString text = pEdit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QString::fromLatin1(strLineEnd.c_str()));
    text.replace(QChar::LineSeparator, QString::fromLatin1(strLineEnd.c_str()));
    return text;
}

}  // namespace

CCopyDlg::CCopyDlg(QWidget* pParent) : CDialog(pParent), m_pUi(std::make_unique<Ui::CCopyDlg>()) {
    m_pUi->setupUi(this);
    // A framed pop-up without caption, title or system menu.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);  // the system sans where Tahoma is absent
    font.setPixelSize(11);
    font.setItalic(true);
    m_pUi->m_wndText->setFont(font);
    connect(m_pUi->buttonCopy, &QPushButton::clicked, this, &CCopyDlg::OnCopy);
    connect(m_pUi->buttonCancel, &QPushButton::clicked, this, &CCopyDlg::OnCancelButton);
}

CCopyDlg::~CCopyDlg() = default;

QPlainTextEdit* CCopyDlg::TextEdit() const {
    return m_pUi->m_wndText;
}

void CCopyDlg::UpdateData(bool bSaveAndValidate) {
    if (bSaveAndValidate) {
        m_bDontShow = m_pUi->checkDontShow->isChecked() ? 1 : 0;
        if (!m_bShortened) m_strText = FromQString(EditText(m_pUi->m_wndText, m_strLineEnd), m_encoding);
    } else {
        m_pUi->checkDontShow->setChecked(m_bDontShow != 0);
        m_pUi->m_wndText->setPlainText(m_bShortened ? ShortenedText(m_strText, m_encoding)
                                                    : ToQString(m_strText, m_encoding));
    }
}

bool CCopyDlg::OnInitDialog() {
    m_strText = m_strPassage;
    m_strLineEnd = LineEndOf(m_strText);
    m_bShortened = m_strText.size() > kLongestShown;
    m_pUi->m_wndText->setReadOnly(m_bShortened);
    UpdateData(false);
    m_pUi->checkDontShow->setFocus();  // the first control of the tab order
    return true;
}

void CCopyDlg::accept() {
    OnCopy();
}

void CCopyDlg::OnCopy() {
    UpdateData(true);
    // The formatted copy goes along only with the text it was made of: an
    // edited quotation is copied as it now stands, as plain text. A failed
    // copy is reported; the window still ends with OK.
    const std::string strHtml = m_strText == m_strPassage ? m_strHtml : std::string();
    if (!CopyToClipboard(ToQString(m_strText, m_encoding), strHtml)) AfxMessageBox(ClipboardFailureMessage());
    QDialog::accept();
}

void CCopyDlg::OnCancelButton() {
    reject();
}

void CCopyDlg::keyPressEvent(QKeyEvent* pEvent) {
    // Enter on a button presses it; elsewhere (the check box, where the focus
    // starts) it is the window's OK command. The edit keeps Enter for itself.
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
        if (auto* pButton = qobject_cast<QPushButton*>(focusWidget())) {
            pButton->click();
        } else {
            accept();
        }
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CCopyDlg::paintEvent(QPaintEvent* pEvent) {
    QDialog::paintEvent(pEvent);
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);  // the modal frame
}

}  // namespace sorvanta

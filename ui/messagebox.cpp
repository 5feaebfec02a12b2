#include "ui/messagebox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/qtext.h"

namespace sorvanta {

namespace {

// A message longer than this is shown with its middle left out: laying out
// an endless unbroken line (a hostile folder name) would hold the program.
constexpr qsizetype kLongestShown = 600;

bool g_bEnding = false;
QPointer<QDialog> g_pOpenBox;

QString Shortened(const QString& text) {
    if (text.size() <= kLongestShown) return text;
    return text.left(kLongestShown / 2) + QStringLiteral(" … ") + text.right(kLongestShown / 2);
}

void RunBox(QDialog& box) {
    if (g_bEnding) return;
    g_pOpenBox = &box;
    box.exec();
}

void ShowMessageBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), Shortened(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    RunBox(box);
}

// The rest of many messages: how many, and all of them in a list to scroll.
void ShowMessageList(const QString& summary, const QStringList& messages) {
    QDialog box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationName());
    auto* pLayout = new QVBoxLayout(&box);
    pLayout->addWidget(new QLabel(summary, &box));
    auto* pList = new QPlainTextEdit(&box);
    pList->setObjectName(QStringLiteral("messageList"));
    pList->setReadOnly(true);
    pList->setLineWrapMode(QPlainTextEdit::NoWrap);
    pList->setPlainText(messages.join(QLatin1Char('\n')));
    pLayout->addWidget(pList);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    pLayout->addWidget(pButtons);
    box.resize(520, 320);
    RunBox(box);
}

// Empty while boxes are shown; a test's sink otherwise.
MessageSink& CurrentSink() {
    static MessageSink sink;
    return sink;
}

}  // namespace

void AfxMessageBox(const QString& text) {
    if (CurrentSink()) {
        CurrentSink()(text);
    } else {
        ShowMessageBox(text);
    }
}

void AfxMessageBox(const std::string& strCp1251) {
    AfxMessageBox(ToQString(strCp1251));
}

void AfxMessageBoxes(const QStringList& messages) {
    for (qsizetype i = 0; i < messages.size() && i < qsizetype(kMessagesOneByOne); ++i) AfxMessageBox(messages[i]);
    if (messages.size() <= qsizetype(kMessagesOneByOne)) return;
    const QStringList rest = messages.mid(qsizetype(kMessagesOneByOne));
    const QString summary = QStringLiteral("Ещё сообщений: %1").arg(rest.size());
    if (CurrentSink()) {
        CurrentSink()(summary + QLatin1Char('\n') + rest.join(QLatin1Char('\n')));
    } else {
        ShowMessageList(summary, rest);
    }
}

void EndMessageBoxes() {
    g_bEnding = true;
    if (g_pOpenBox) g_pOpenBox->reject();
}

CMessageSinkOverride::CMessageSinkOverride(MessageSink sink) : m_pfnPrevious(std::move(CurrentSink())) {
    CurrentSink() = std::move(sink);
}

CMessageSinkOverride::~CMessageSinkOverride() {
    CurrentSink() = std::move(m_pfnPrevious);
}

}  // namespace sorvanta

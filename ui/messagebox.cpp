#include "ui/messagebox.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qtext.h"

namespace sorvanta {

namespace {

void ShowMessageBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

MessageSink& CurrentSink() {
    static MessageSink sink = ShowMessageBox;
    return sink;
}

}  // namespace

void AfxMessageBox(const QString& text) {
    CurrentSink()(text);
}

void AfxMessageBox(const std::string& strCp1251) {
    AfxMessageBox(ToQString(strCp1251));
}

CMessageSinkOverride::CMessageSinkOverride(MessageSink sink) : m_pfnPrevious(std::move(CurrentSink())) {
    CurrentSink() = std::move(sink);
}

CMessageSinkOverride::~CMessageSinkOverride() {
    CurrentSink() = std::move(m_pfnPrevious);
}

}  // namespace sorvanta

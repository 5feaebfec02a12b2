// Putting a quotation on the clipboard: plain text, and beside it, when
// given, the same quotation formatted as HTML for word processors.
#pragma once

#include <QString>
#include <string>

namespace sorvanta {

// What the person is told when a copy cannot be confirmed.
inline QString ClipboardFailureMessage() {
    return QStringLiteral("Не могу открыть буфер обмена");
}

// Puts the text on the clipboard, its CR LF line ends as LF, with
// `strHtmlUtf8` as a text/html flavour unless it is empty, and reads the text
// back: false when the copy cannot be confirmed (the clipboard then keeps
// what it had, as far as the platform allows). The caller tells the person.
bool CopyToClipboard(QString text, const std::string& strHtmlUtf8 = {});

}  // namespace sorvanta

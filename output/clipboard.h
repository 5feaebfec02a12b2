// Putting a quotation on the clipboard as plain text.
#pragma once

#include <QString>
#include <string>

namespace sorvanta {

// What the person is told when a copy cannot be confirmed.
inline QString ClipboardFailureMessage() {
    return QStringLiteral("Не могу открыть буфер обмена");
}

// Puts the code page 1251 text on the clipboard, its CR LF line ends as LF,
// and reads it back: false when
// the copy cannot be confirmed (the clipboard then keeps what it had, as far
// as the platform allows). The caller tells the person.
bool CopyToClipboard(const std::string& strCp1251);

}  // namespace sorvanta

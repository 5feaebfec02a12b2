// Putting a quotation on the clipboard as plain text.
#pragma once

#include <string>

namespace sorvanta {

// Puts the code page 1251 text on the clipboard and reads it back. When the
// copy cannot be confirmed, shows "Не могу открыть буфер обмена" and returns
// false; the clipboard then keeps what it had, as far as the platform allows.
bool CopyToClipboard(const std::string& strCp1251);

}  // namespace sorvanta

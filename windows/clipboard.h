// Putting a quotation on the clipboard: Unicode text, the same text in code
// page 1251 for programs that read only 8-bit text, and when given an HTML
// copy ("HTML Format") for word processors.
#pragma once

#include <windows.h>

#include <string>

namespace sorvanta {

// What the person is told when the clipboard cannot be opened.
std::wstring ClipboardFailureMessage();

// False when the clipboard could not be opened; it then keeps what it had.
bool CopyToClipboard(HWND hOwner, const std::wstring& text, const std::string& strHtmlUtf8);

}  // namespace sorvanta

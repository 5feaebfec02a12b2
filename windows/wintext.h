// The one edge between the program's byte strings and the wide strings of
// the windows: UTF-8 (paths, profile text), code page 1251 (typed references,
// messages) and a module's own encoding (quotations, module names).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "text/encoding.h"

namespace sorvanta {

std::wstring WideOfUtf8(std::string_view utf8);
std::string Utf8OfWide(std::wstring_view wide);
// Characters that code page 1251 lacks become "?".
std::wstring WideOfText(std::string_view text, TextEncoding encoding = TextEncoding::Cp1251);
std::string TextOfWide(std::wstring_view wide, TextEncoding encoding = TextEncoding::Cp1251);

// A window's text, and a dialog control's.
std::wstring WindowText(HWND hWnd);
std::wstring DlgItemText(HWND hDlg, int nId);

}  // namespace sorvanta

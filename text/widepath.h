// UTF-8 text and the UTF-16 of Windows' wide functions (paths, the command
// line, the console, the registry).
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

std::wstring WidePath(std::string_view utf8);
std::string Utf8Path(std::wstring_view wide);

}  // namespace sorvanta

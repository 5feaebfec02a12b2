// The places a first start searches on Windows: the host's folder this
// program lies in, then the host's folder among the installed programs and
// the user's application data.
#include <windows.h>

#include "modules/moduleroots.h"
#include "text/widepath.h"

namespace sorvanta {

namespace {

std::string EnvironmentValue(const wchar_t* name) {
    const DWORD nSize = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (nSize == 0) return {};
    std::wstring value(nSize, L'\0');
    const DWORD nLength = ::GetEnvironmentVariableW(name, value.data(), nSize);
    value.resize(nLength < nSize ? nLength : 0);
    return Utf8Path(value);
}

// The folder of this program's executable.
std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD nLength = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (nLength == 0) return {};
        if (nLength < path.size()) {
            path.resize(nLength);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L"\\/");
    return Utf8Path(separator == std::wstring::npos ? std::wstring_view()
                                                    : std::wstring_view(path).substr(0, separator));
}

}  // namespace

std::string FindDefaultModuleRoot() {
    return FindModuleRoot(WindowsModuleRootSearchPlaces(
        ProgramFolder(), {EnvironmentValue(L"ProgramFiles"), EnvironmentValue(L"ProgramFiles(x86)"),
                          EnvironmentValue(L"LOCALAPPDATA"), EnvironmentValue(L"APPDATA")}));
}

}  // namespace sorvanta

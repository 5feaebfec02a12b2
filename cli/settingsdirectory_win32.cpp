// The desktop program's settings on Windows live in the current user's
// registry.
#include <windows.h>

#include "cli/profile.h"
#include "text/widepath.h"

namespace sorvanta {

namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\Sorvanta\\sorvanta\\Settings";

}  // namespace

std::optional<std::string> ReadSettingsDirectory() {
    // Asked for a string only: a value of another type is reported as
    // unsupported and counts as absent.
    constexpr DWORD kFlags = RRF_RT_REG_SZ;
    DWORD nBytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Directory", kFlags, nullptr, nullptr, &nBytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The value may grow between the two calls; ask again until it fits.
    for (;;) {
        std::wstring value(nBytes / sizeof(wchar_t) + 1, L'\0');
        nBytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS nStatus =
            ::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Directory", kFlags, nullptr, value.data(), &nBytes);
        if (nStatus == ERROR_MORE_DATA) continue;
        if (nStatus != ERROR_SUCCESS) return std::nullopt;
        value.resize(nBytes / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0') value.pop_back();
        return Utf8Path(value);
    }
}

}  // namespace sorvanta

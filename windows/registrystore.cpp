#include "windows/registrystore.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "windows/messagebox.h"
#include "windows/wintext.h"

namespace sorvanta {

namespace {

constexpr std::string_view kSettingsGroup = "Settings";

// The groups the program keeps, and which of their values are texts; every
// other value of "Settings" and "Quotation" is a number.
struct CGroupKind {
    std::string_view name;
    std::string_view textValues;  // names separated by blanks; "*" for all
};
constexpr CGroupKind kGroups[] = {
    {kSettingsGroup, "Directory"},
    {"Quotation", "Format Template"},
    {"History", "*"},
};

bool IsTextValue(const CGroupKind& group, std::string_view name) {
    if (group.textValues == "*") return true;
    for (std::size_t nStart = 0; nStart <= group.textValues.size();) {
        const std::size_t nEnd = std::min(group.textValues.find(' ', nStart), group.textValues.size());
        if (group.textValues.substr(nStart, nEnd - nStart) == name) return true;
        nStart = nEnd + 1;
    }
    return false;
}

std::optional<std::string> ReadValue(const std::wstring& name, DWORD nType, const BYTE* pData, DWORD nSize) {
    if (nType == REG_DWORD && nSize == sizeof(DWORD)) {
        DWORD nValue = 0;
        std::memcpy(&nValue, pData, sizeof nValue);
        return std::to_string(static_cast<std::int32_t>(nValue));
    }
    if (nType == REG_SZ || nType == REG_EXPAND_SZ) {
        std::wstring text(reinterpret_cast<const wchar_t*>(pData), nSize / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return Utf8OfWide(text);
    }
    LogNote(L"the registry value " + name + L" is of a kind the program does not keep; it is passed over");
    return std::nullopt;
}

// The values in the order the registry lists them.
std::vector<std::pair<std::string, std::string>> ReadValues(HKEY hKey) {
    std::vector<std::pair<std::string, std::string>> values;
    for (DWORD nIndex = 0;; ++nIndex) {
        wchar_t name[256];
        DWORD nNameLength = 256;
        DWORD nType = 0;
        DWORD nSize = 0;
        if (RegEnumValueW(hKey, nIndex, name, &nNameLength, nullptr, &nType, nullptr, &nSize) != ERROR_SUCCESS) break;
        std::wstring data((nSize + 1) / sizeof(wchar_t) + 1, L'\0');
        nNameLength = 256;
        DWORD nDataSize = nSize;
        if (RegEnumValueW(hKey, nIndex, name, &nNameLength, nullptr, &nType, reinterpret_cast<BYTE*>(data.data()),
                          &nDataSize) != ERROR_SUCCESS) {
            continue;
        }
        if (const std::optional<std::string> value =
                ReadValue(name, nType, reinterpret_cast<const BYTE*>(data.data()), nDataSize)) {
            values.emplace_back(Utf8OfWide(name), *value);
        }
    }
    return values;
}

std::optional<std::int32_t> NumberOf(std::string_view text) {
    std::int32_t nValue = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), nValue);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return nValue;
}

// The history's values are numbered from 1, oldest first, whatever order
// the registry lists them in.
void SortByNumber(std::vector<std::pair<std::string, std::string>>& values) {
    std::stable_sort(values.begin(), values.end(), [](const auto& left, const auto& right) {
        return NumberOf(left.first).value_or(INT32_MAX) < NumberOf(right.first).value_or(INT32_MAX);
    });
}

bool WriteValue(HKEY hKey, const CGroupKind& kind, const std::string& name, const std::string& value) {
    const std::wstring wideName = WideOfUtf8(name);
    const std::optional<std::int32_t> nNumber = IsTextValue(kind, name) ? std::nullopt : NumberOf(value);
    if (nNumber) {
        const DWORD nValue = static_cast<DWORD>(*nNumber);  // a negative number keeps its bits
        return RegSetValueExW(hKey, wideName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&nValue),
                              sizeof nValue) == ERROR_SUCCESS;
    }
    const std::wstring text = WideOfUtf8(value);
    return RegSetValueExW(hKey, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

CRegistryStore::CRegistryStore(std::wstring strApplication)
    : m_strKey(L"Software\\Sorvanta\\" + std::move(strApplication)) {}

CProfile CRegistryStore::Read() {
    CProfile profile;
    for (const CGroupKind& kind : kGroups) {
        const std::wstring key = m_strKey + L"\\" + WideOfUtf8(kind.name);
        HKEY hKey = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) continue;
        std::vector<std::pair<std::string, std::string>> values = ReadValues(hKey);
        RegCloseKey(hKey);
        if (kind.textValues == "*") SortByNumber(values);
        CProfileGroup& group = profile.Group(kind.name);
        for (const auto& [name, value] : values) group.SetValue(name, value);
    }
    return profile;
}

bool CRegistryStore::Update(const std::function<void(CProfile&)>& change) {
    const CProfile old = Read();
    CProfile profile = old;
    change(profile);
    bool bWritten = true;
    for (const CGroupKind& kind : kGroups) {
        const CProfileGroup* pGroup = profile.FindGroup(kind.name);
        if (pGroup == nullptr) continue;
        const CProfileGroup* pOld = old.FindGroup(kind.name);
        const std::wstring key = m_strKey + L"\\" + WideOfUtf8(kind.name);
        HKEY hKey = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &hKey,
                            nullptr) != ERROR_SUCCESS) {
            LogNote(L"the registry key HKEY_CURRENT_USER\\" + key + L" cannot be written");
            bWritten = false;
            continue;
        }
        for (const auto& [name, value] : pGroup->Values()) {
            const bool bSame = pOld != nullptr && pOld->Value(name) == value;
            if (bSame && kind.name != kSettingsGroup) continue;
            bWritten = WriteValue(hKey, kind, name, value) && bWritten;
        }
        if (pOld != nullptr) {
            for (const auto& [name, value] : pOld->Values()) {
                if (!pGroup->Value(name)) RegDeleteValueW(hKey, WideOfUtf8(name).c_str());
            }
        }
        RegCloseKey(hKey);
    }
    return bWritten;
}

std::string CRegistryStore::Where() const {
    return "HKEY_CURRENT_USER\\" + Utf8OfWide(m_strKey);
}

}  // namespace sorvanta

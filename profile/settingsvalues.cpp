#include "profile/settingsvalues.h"

#include <charconv>
#include <optional>

#include "text/bytestring.h"

namespace sorvanta {

namespace {

constexpr std::string_view kGroup = "Settings";
constexpr std::string_view kDirectory = "Directory";
constexpr std::string_view kTrayDef = "TrayDef";
constexpr std::string_view kShowDlg = "ShowDlg";
constexpr std::string_view kHotkeyLaunch = "hkOrvanel";
constexpr std::string_view kHotkeyRestore = "hkTray";

// The whole value as a decimal integer with an optional sign, or nothing.
std::optional<int> IntegerOf(std::string_view text) {
    text = Trim(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return std::nullopt;
    }
    int nValue = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), nValue);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return nValue;
}

int IntegerValue(const CProfileGroup* pGroup, std::string_view key, int nDefault) {
    const std::optional<std::string> value = pGroup != nullptr ? pGroup->Value(key) : std::nullopt;
    return value ? IntegerOf(*value).value_or(nDefault) : nDefault;
}

}  // namespace

int ProfileIntOfChar(char ch) {
    return static_cast<signed char>(ch);
}

char CharOfProfileInt(int nValue) {
    return static_cast<char>(static_cast<unsigned>(nValue) & 0xFFu);
}

CSettingsValues LoadSettingsValues(const CProfile& profile) {
    const CProfileGroup* pGroup = profile.FindGroup(kGroup);
    CSettingsValues values;
    if (pGroup != nullptr) values.m_strDirectory = pGroup->Value(kDirectory).value_or(std::string());
    values.m_bTrayDef = IntegerValue(pGroup, kTrayDef, values.m_bTrayDef);
    values.m_bShowDlg = IntegerValue(pGroup, kShowDlg, values.m_bShowDlg);
    values.m_chHotkeyLaunch = CharOfProfileInt(IntegerValue(pGroup, kHotkeyLaunch, kDefaultHotkeyChar));
    values.m_chHotkeyRestore = CharOfProfileInt(IntegerValue(pGroup, kHotkeyRestore, kDefaultHotkeyChar));
    return values;
}

void StoreSettingsValues(CProfile& profile, const CSettingsValues& values) {
    CProfileGroup& group = profile.Group(kGroup);
    if (!values.m_strDirectory.empty()) group.SetValue(kDirectory, values.m_strDirectory);
    group.SetValue(kTrayDef, std::to_string(values.m_bTrayDef));
    group.SetValue(kShowDlg, std::to_string(values.m_bShowDlg));
    group.SetValue(kHotkeyLaunch, std::to_string(ProfileIntOfChar(values.m_chHotkeyLaunch)));
    group.SetValue(kHotkeyRestore, std::to_string(ProfileIntOfChar(values.m_chHotkeyRestore)));
}

}  // namespace sorvanta

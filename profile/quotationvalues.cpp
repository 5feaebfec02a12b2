#include "profile/quotationvalues.h"

#include <algorithm>

#include "text/codec.h"

namespace sorvanta {

namespace {

constexpr std::string_view kQuotationGroup = "Quotation";
constexpr std::string_view kFormat = "Format";
constexpr std::string_view kVerseNumbers = "VerseNumbers";
constexpr std::string_view kJoinLines = "JoinLines";
constexpr std::string_view kHtml = "Html";
constexpr std::string_view kHistoryGroup = "History";

// A switch is "0" or "1"; anything else keeps the default.
bool SwitchValue(const CProfileGroup& group, std::string_view key, bool bDefault) {
    const std::optional<std::string> value = group.Value(key);
    if (value == "0") return false;
    if (value == "1") return true;
    return bDefault;
}

std::string SwitchText(bool bOn) {
    return bOn ? "1" : "0";
}

}  // namespace

CQuotationValues LoadQuotationValues(const CProfile& profile) {
    CQuotationValues values;
    const CProfileGroup* pGroup = profile.FindGroup(kQuotationGroup);
    if (pGroup == nullptr) return values;
    if (const std::optional<std::string> name = pGroup->Value(kFormat)) {
        values.m_style.m_format = CitationFormatByName(*name).value_or(values.m_style.m_format);
    }
    values.m_style.m_bVerseNumbers = SwitchValue(*pGroup, kVerseNumbers, values.m_style.m_bVerseNumbers);
    values.m_style.m_bJoinLines = SwitchValue(*pGroup, kJoinLines, values.m_style.m_bJoinLines);
    values.m_bHtml = SwitchValue(*pGroup, kHtml, values.m_bHtml != 0) ? 1 : 0;
    return values;
}

void StoreQuotationValues(CProfile& profile, const CQuotationValues& values) {
    // A profile that never had other than the defaults gets no group for them.
    const CQuotationValues defaults;
    const bool bDefault = values.m_bHtml == defaults.m_bHtml && values.m_style.m_format == defaults.m_style.m_format &&
                          values.m_style.m_bVerseNumbers == defaults.m_style.m_bVerseNumbers &&
                          values.m_style.m_bJoinLines == defaults.m_style.m_bJoinLines;
    if (bDefault && profile.FindGroup(kQuotationGroup) == nullptr) return;
    CProfileGroup& group = profile.Group(kQuotationGroup);
    group.SetValue(kFormat, std::string(CitationFormatName(values.m_style.m_format)));
    group.SetValue(kVerseNumbers, SwitchText(values.m_style.m_bVerseNumbers));
    group.SetValue(kJoinLines, SwitchText(values.m_style.m_bJoinLines));
    group.SetValue(kHtml, SwitchText(values.m_bHtml != 0));
}

std::vector<std::string> LoadHistory(const CProfile& profile) {
    std::vector<std::string> arrHistory;
    const CProfileGroup* pGroup = profile.FindGroup(kHistoryGroup);
    if (pGroup == nullptr) return arrHistory;
    for (const auto& [key, value] : pGroup->Values()) arrHistory.push_back(Utf8ToCp1251(value));
    if (arrHistory.size() > kHistoryLength) arrHistory.erase(arrHistory.begin(), arrHistory.end() - kHistoryLength);
    return arrHistory;
}

void StoreHistory(CProfile& profile, const std::vector<std::string>& arrHistory) {
    std::vector<std::pair<std::string, std::string>> entries;
    const std::size_t nFirst = arrHistory.size() > kHistoryLength ? arrHistory.size() - kHistoryLength : 0;
    for (std::size_t i = nFirst; i < arrHistory.size(); ++i) {
        entries.emplace_back(std::to_string(i - nFirst + 1), Cp1251ToUtf8(arrHistory[i]));
    }
    // An unchanged history stays exactly as it was written.
    const CProfileGroup* pExisting = profile.FindGroup(kHistoryGroup);
    if (pExisting == nullptr ? entries.empty() : pExisting->Values() == entries) return;
    CProfileGroup& group = profile.Group(kHistoryGroup);
    for (const auto& [key, value] : group.Values()) group.RemoveValue(key);
    for (const auto& [key, value] : entries) group.SetValue(key, value);
}

}  // namespace sorvanta

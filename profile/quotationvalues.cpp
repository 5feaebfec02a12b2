#include "profile/quotationvalues.h"

#include <cstddef>

namespace sorvanta {

namespace {

constexpr std::string_view kQuotationGroup = "Quotation";
constexpr std::string_view kFormat = "Format";
constexpr std::string_view kVerseNumbers = "VerseNumbers";
constexpr std::string_view kJoinLines = "JoinLines";
constexpr std::string_view kHtml = "Html";
constexpr std::string_view kKeepStrong = "KeepStrong";
constexpr std::string_view kPasteIntoDocument = "PasteIntoDocument";
constexpr std::string_view kTemplate = "Template";
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
    values.m_passage.m_bKeepStrongNumbers = SwitchValue(*pGroup, kKeepStrong, values.m_passage.m_bKeepStrongNumbers);
    values.m_bPasteIntoDocument = SwitchValue(*pGroup, kPasteIntoDocument, values.m_bPasteIntoDocument != 0) ? 1 : 0;
    // A template that could not be used (edited by hand) leaves the format's own.
    if (std::optional<std::string> strTemplate = pGroup->Value(kTemplate);
        strTemplate && strTemplate->size() <= kMaxTemplate && TemplateError(*strTemplate).empty())
        values.m_strTemplate = std::move(*strTemplate);
    return values;
}

void StoreQuotationValues(CProfile& profile, const CQuotationValues& values) {
    // A profile that never had other than the defaults gets no group for them.
    const CQuotationValues defaults;
    const bool bDefault = values.m_bHtml == defaults.m_bHtml && values.m_style.m_format == defaults.m_style.m_format &&
                          values.m_style.m_bVerseNumbers == defaults.m_style.m_bVerseNumbers &&
                          values.m_style.m_bJoinLines == defaults.m_style.m_bJoinLines &&
                          values.m_passage.m_bKeepStrongNumbers == defaults.m_passage.m_bKeepStrongNumbers &&
                          values.m_bPasteIntoDocument == defaults.m_bPasteIntoDocument && values.m_strTemplate.empty();
    if (bDefault && profile.FindGroup(kQuotationGroup) == nullptr) return;
    CProfileGroup& group = profile.Group(kQuotationGroup);
    group.SetValue(kFormat, std::string(CitationFormatName(values.m_style.m_format)));
    group.SetValue(kVerseNumbers, SwitchText(values.m_style.m_bVerseNumbers));
    group.SetValue(kJoinLines, SwitchText(values.m_style.m_bJoinLines));
    group.SetValue(kHtml, SwitchText(values.m_bHtml != 0));
    if (values.m_passage.m_bKeepStrongNumbers || group.Value(kKeepStrong)) {
        group.SetValue(kKeepStrong, SwitchText(values.m_passage.m_bKeepStrongNumbers));
    }
    group.SetValue(kPasteIntoDocument, SwitchText(values.m_bPasteIntoDocument != 0));
    if (!values.m_strTemplate.empty() || group.Value(kTemplate)) group.SetValue(kTemplate, values.m_strTemplate);
}

std::vector<std::string> LoadHistory(const CProfile& profile) {
    std::vector<std::string> arrHistory;
    const CProfileGroup* pGroup = profile.FindGroup(kHistoryGroup);
    if (pGroup == nullptr) return arrHistory;
    for (auto& [key, value] : pGroup->Values()) arrHistory.push_back(std::move(value));
    if (arrHistory.size() > kHistoryLength) arrHistory.erase(arrHistory.begin(), arrHistory.end() - kHistoryLength);
    return arrHistory;
}

void StoreHistory(CProfile& profile, const std::vector<std::string>& arrHistory) {
    const std::size_t nFirst = arrHistory.size() > kHistoryLength ? arrHistory.size() - kHistoryLength : 0;
    const std::vector<std::string> arrKept(arrHistory.begin() + static_cast<std::ptrdiff_t>(nFirst), arrHistory.end());
    if (LoadHistory(profile) == arrKept) return;
    CProfileGroup& group = profile.Group(kHistoryGroup);
    group.RemoveValues();
    for (std::size_t i = 0; i < arrKept.size(); ++i) group.SetValue(std::to_string(i + 1), arrKept[i]);
}

}  // namespace sorvanta

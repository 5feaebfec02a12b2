#include "session/quotesession.h"

#include <algorithm>

#include "lookup/abbreviations.h"
#include "lookup/citation.h"
#include "lookup/htmlcitation.h"
#include "profile/settingsvalues.h"
#include "text/codec.h"

namespace sorvanta {

void CQuoteSession::LoadSettings() {
    const CProfile profile = m_store.Read();
    m_settings = LoadSettingsValues(profile);
    m_quotation = LoadQuotationValues(profile);
    m_arrHistory = LoadHistory(profile);
    if (m_settings.m_strDirectory.empty()) {
        m_settings.m_strDirectory = m_findModuleRoot();
        if (!m_settings.m_strDirectory.empty()) SaveSettings();
    }
}

bool CQuoteSession::SaveSettings() {
    return m_store.Update([this](CProfile& profile) {
        StoreSettingsValues(profile, m_settings);
        StoreQuotationValues(profile, m_quotation);
        StoreHistory(profile, m_arrHistory);
    });
}

const ModuleCatalogue& CQuoteSession::ScanModules() {
    m_catalogue = sorvanta::ScanModules(m_settings.m_strDirectory);
    m_nSelected = -1;
    if (!m_catalogue.m_arrModuleIni.empty()) SelectModule(0);
    return m_catalogue;
}

void CQuoteSession::SelectModule(int nIndex) {
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= m_catalogue.m_arrModuleIni.size()) return;
    m_nSelected = nIndex;
    ReadModuleMarkers(m_catalogue.m_arrModuleIni[static_cast<std::size_t>(nIndex)], m_markers);
}

TextEncoding CQuoteSession::SelectedEncoding() const {
    return m_nSelected < 0 ? TextEncoding::Cp1251 : m_catalogue.m_arrEncodings[static_cast<std::size_t>(m_nSelected)];
}

std::string CQuoteSession::SelectedIni() const {
    return m_nSelected < 0 ? std::string() : m_catalogue.m_arrModuleIni[static_cast<std::size_t>(m_nSelected)];
}

std::vector<std::string> CQuoteSession::BookAbbreviations() const {
    if (m_nSelected < 0) return {};
    return ListBookAbbreviations(SelectedIni(), SelectedEncoding());
}

COkResult CQuoteSession::OnOK(std::string_view strVerse) {
    COkResult ok;
    std::string strRefusal;
    if (m_nSelected >= 0 && IsWordSearch(strVerse)) {
        CFindResult found = FindVerses(strVerse, SelectedIni(), m_markers, SelectedEncoding(), TextEncoding::Cp1251,
                                       m_quotation.m_passage);
        if (!found.m_arrVerses.empty()) {
            ok.m_step = COkStep::ChooseVerse;
            ok.m_arrFound = std::move(found.m_arrVerses);
            ok.m_encoding = found.m_encoding;
            return ok;
        }
        strRefusal = std::move(found.m_strRefusal);
    }
    LookupResult result =
        LookUp(strVerse, SelectedIni(), m_markers, SelectedEncoding(), TextEncoding::Cp1251, m_quotation.m_passage);
    ok.m_arrMessages = LookupMessages(result.m_outcome);
    if (result.m_outcome != LookupOutcome::Found) {
        ok.m_arrMessages.back() = NotFoundMessage(result);  // with its reason when the book tells it
        if (!strRefusal.empty()) ok.m_arrMessages.back() += "\n" + strRefusal;
        return ok;
    }
    // The history is written at once: a program that is killed keeps it.
    if (strVerse.size() <= kMaxHistoryEntry) {
        AddToHistory(Cp1251ToUtf8(strVerse));
        SaveSettings();
    }
    // A quotation may be as large as its book: the passages it was made of go
    // as soon as it is made.
    ok.m_strQuotation = FormatQuotation(result, m_quotation.m_style, m_quotation.m_strTemplate);
    ok.m_encoding = result.m_encoding;
    if (m_quotation.m_bHtml != 0 && ok.m_strQuotation.size() <= kMaxHtmlQuotation)
        ok.m_strHtml = FormatQuotationHtml(result, m_quotation.m_style, m_quotation.m_strTemplate);
    result.m_arrParts.clear();
    ok.m_step = m_settings.m_bShowDlg != 0 ? COkStep::ShowQuoteWindow : COkStep::CopiedWithoutWindow;
    return ok;
}

void CQuoteSession::QuoteWindowEnded(bool bCopied, int bDontShow) {
    if (!bCopied) return;
    const int bShowDlg = bDontShow == 0 ? 1 : 0;
    if (bShowDlg == m_settings.m_bShowDlg) return;
    m_settings.m_bShowDlg = bShowDlg;
    SaveSettings();
}

void CQuoteSession::ClearHistory() {
    m_arrHistory.clear();
    SaveSettings();
}

std::string CQuoteSession::ApplySettings(const CSettingsValues& values, const CQuotationValues& quotation) {
    m_settings = values;
    m_quotation = quotation;
    // They hold only until the program ends.
    return SaveSettings() ? std::string() : "Не удалось сохранить настройки в «" + m_store.Where() + "».";
}

void CQuoteSession::AddToHistory(std::string strEntry) {
    m_arrHistory.push_back(std::move(strEntry));
    if (m_arrHistory.size() > kHistoryLength) m_arrHistory.erase(m_arrHistory.begin());
}

std::string QuotationTemplateError(std::string_view strTemplate) {
    if (strTemplate.empty()) return {};
    const auto nCharacters = std::count_if(strTemplate.begin(), strTemplate.end(),
                                           [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; });
    if (static_cast<std::size_t>(nCharacters) > kMaxTemplateCharacters)
        return "Шаблон длиннее " + std::to_string(kMaxTemplateCharacters) + " знаков.";
    if (!TemplateError(strTemplate).empty())
        return "В шаблоне нет " + std::string(kTextToken) + ": на это место встаёт текст отрывка.";
    return {};
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // its LF writes CR LF
        if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string HtmlForCopy(const COkResult& result, std::string_view strEdited) {
    return strEdited == WithCrLf(result.m_strQuotation) ? result.m_strHtml : std::string();
}

}  // namespace sorvanta

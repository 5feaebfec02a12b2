// What the main window decides without drawing: its settings and their
// profile, the module list, the OK command with the messages it yields, the
// reference history. Each program's windows show what it returns; texts are
// byte strings (code page 1251 unless a module's encoding is named).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/find.h"
#include "lookup/lookup.h"
#include "modules/catalogue.h"
#include "modules/markers.h"
#include "profile/quotationvalues.h"
#include "profile/settingsvalues.h"
#include "session/profilestore.h"

namespace sorvanta {

// A quotation longer than this (a book or more) is copied as plain text only:
// its HTML copy would take several times its size, and no word processor
// takes in a document of that length at once.
inline constexpr std::size_t kMaxHtmlQuotation = 4 << 20;

// What OK leads to.
enum class COkStep {
    Failed,               // show m_arrMessages in order; the window stays as it is
    ShowQuoteWindow,      // run the quote window with the quotation, then QuoteWindowEnded
    CopiedWithoutWindow,  // copy the quotation at once, then hide the window to the tray
    // Words were typed and verses hold them: offer m_arrFound, best first.
    // Choosing one is OK for its reference, put in the reference field.
    ChooseVerse,
};

struct COkResult {
    COkStep m_step = COkStep::Failed;
    std::vector<std::string> m_arrMessages;  // code page 1251
    std::string m_strQuotation;              // in m_encoding, lines joined by CR LF or as the book has them
    TextEncoding m_encoding = TextEncoding::Cp1251;
    std::string m_strHtml;  // the quotation as UTF-8 HTML; empty when that flavour is off or the quotation too long
    std::vector<CFoundVerse> m_arrFound;  // ChooseVerse: reference and start of each verse, in m_encoding
};

class CQuoteSession {
public:
    explicit CQuoteSession(CProfileStore& store) : m_store(store) {}

    CSettingsValues m_settings;    // the five settings
    CQuotationValues m_quotation;  // how quotations are put together and copied
    // The references found, oldest first, as the profile keeps them (UTF-8;
    // a hand-written entry as it stands).
    std::vector<std::string> m_arrHistory;
    ModuleCatalogue m_catalogue;  // the modules of the last scan
    int m_nSelected = -1;         // index into the catalogue, -1 for none
    ModuleMarkers m_markers;      // of the selected module
    // Where a first start looks for the host's modules; "" when it finds none.
    std::function<std::string()> m_findModuleRoot = [] { return std::string(); };

    // Reads the profile. Without a module root (a first start, or none found
    // before) the root that m_findModuleRoot gives is taken, as if chosen in
    // the settings, and kept.
    void LoadSettings();
    // Writes the settings, the quotation values and the history at once;
    // false when the store could not keep them.
    bool SaveSettings();

    // Lists the modules of the root; selects the first and reads its markers.
    // The caller shows the catalogue's messages after filling its list.
    const ModuleCatalogue& ScanModules();
    void SelectModule(int nIndex);
    // The selected module's book abbreviations, in its encoding.
    std::vector<std::string> BookAbbreviations() const;
    // The selected module's configuration file ("" when none) and encoding.
    std::string SelectedIni() const;
    TextEncoding SelectedEncoding() const;

    // The OK command for the typed reference (code page 1251). A found one
    // goes into the history, which is kept at once, unless it is longer than
    // kMaxHistoryEntry. A text of two words or more without a digit
    // (IsWordSearch) is first sought as words in the selected module's
    // verses (FindVerses); when none holds them, or the words are refused,
    // the lookup goes on as for any reference, a refusal's reason on a line
    // of its own under the last message.
    COkResult OnOK(std::string_view strVerse);
    // The quote window ended; only a copy (OK) applies its check box.
    void QuoteWindowEnded(bool bCopied, int bDontShow);

    // Empties the history and keeps that.
    void ClearHistory();
    // "Записать" in the settings dialog: the values replace the old ones and
    // are kept; the caller shows what is returned, the message (UTF-8) when
    // they could not be kept, then registers the hot keys and rescans.
    std::string ApplySettings(const CSettingsValues& values, const CQuotationValues& quotation);

    // Adds an entry (as the profile keeps it) to the history, whose oldest
    // entry goes past kHistoryLength.
    void AddToHistory(std::string strEntry);

    CProfileStore& m_store;
};

// Why the settings dialogs refuse a citation template (UTF-8), "" when it
// may be kept; an empty one stands for the format's own.
std::string QuotationTemplateError(std::string_view strTemplate);

// The quotation as an edit control holds it: every line break CR LF.
std::string WithCrLf(std::string_view text);
// The HTML flavour goes along only with the text it was made of: what the
// quote window's edit holds (its line breaks CR LF) unedited gives `strHtml`,
// an edited text gives nothing.
std::string HtmlForCopy(const COkResult& result, std::string_view strEdited);

}  // namespace sorvanta

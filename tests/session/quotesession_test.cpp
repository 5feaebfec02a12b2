#include "session/quotesession.h"

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/tempdir.h"
#include "text/codec.h"

namespace sorvanta {
namespace {

// A profile held in memory; Update can be made to fail as a read-only file does.
class CMemoryStore : public CProfileStore {
public:
    CProfile Read() override { return m_profile; }
    bool Update(const std::function<void(CProfile&)>& change) override {
        if (m_bRefuse) return false;
        change(m_profile);
        ++m_nWrites;
        return true;
    }
    std::string Where() const override { return "/home/u/.config/Sorvanta/sorvanta.conf"; }

    CProfile m_profile;
    bool m_bRefuse = false;
    int m_nWrites = 0;
};

std::string Cp(std::string_view utf8) {
    return Utf8ToCp1251(utf8);
}

class QuoteSessionTest : public testing::Test {
protected:
    void SetUp() override {
        m_store.m_profile.Group("Settings").SetValue("Directory", SORVANTA_TEST_DATA "/root");
        m_session.LoadSettings();
        m_session.ScanModules();
    }

    CMemoryStore m_store;
    CQuoteSession m_session{m_store};
};

TEST_F(QuoteSessionTest, OkGivesTheStepAndTheMessagesOfEachOutcome) {
    const std::string strNoBook = Cp("Нету книг c таким сокращением или не выбран модуль");
    const std::string strNotFound = Cp("Искомый отрывок не найден");
    struct {
        const char* pVerse;
        int bShowDlg;
        int bHtml;
        COkStep step;
        std::vector<std::string> arrMessages;
        bool bHtmlMade;
    } const cases[] = {
        {"Кн 1:1", 1, 1, COkStep::ShowQuoteWindow, {}, true},
        {"Кн 1:1", 0, 0, COkStep::CopiedWithoutWindow, {}, false},
        {"Жжж 1:1", 1, 1, COkStep::Failed, {strNoBook, strNotFound}, false},
        {"Кн 99:1", 1, 1, COkStep::Failed, {strNotFound + Cp("\nВ книге глав: 2.")}, false},
    };
    for (const auto& c : cases) {
        m_session.m_settings.m_bShowDlg = c.bShowDlg;
        m_session.m_quotation.m_bHtml = c.bHtml;
        const COkResult result = m_session.OnOK(Cp(c.pVerse));
        EXPECT_EQ(result.m_step, c.step) << c.pVerse;
        EXPECT_EQ(result.m_arrMessages, c.arrMessages) << c.pVerse;
        EXPECT_EQ(result.m_strQuotation.empty(), c.step == COkStep::Failed) << c.pVerse;
        EXPECT_EQ(!result.m_strHtml.empty(), c.bHtmlMade) << c.pVerse;
    }
}

// A quotation of a book's length goes to the clipboard as plain text only;
// one just short of that keeps its HTML copy.
TEST_F(QuoteSessionTest, AQuotationTooLongForHtmlIsCopiedAsPlainText) {
    test::CTempDir root;
    for (const std::size_t nVerses : {kMaxHtmlQuotation / 64, kMaxHtmlQuotation / 16}) {
        root.Write("m/orvanel.ini",
                   "BibleName = Big\nChapterSign = <h4>\nVerseSign = <p>\nF = big.htm\nQ = 1\nA = Big\n");
        std::string strBook = "<h4>";
        for (std::size_t i = 1; i <= nVerses; ++i) strBook += "<p>" + std::to_string(i) + " abcdefghij\n";
        root.Write("m/big.htm", strBook);
        m_session.m_settings.m_strDirectory = root.Path();
        m_session.ScanModules();
        const COkResult result = m_session.OnOK("Big 1");
        ASSERT_EQ(result.m_step, COkStep::ShowQuoteWindow);
        EXPECT_EQ(result.m_strHtml.empty(), result.m_strQuotation.size() > kMaxHtmlQuotation) << nVerses;
    }
}

// "Оставлять номера Стронга", as the profile keeps it, reaches the lookup of
// a module that writes the numbers.
TEST_F(QuoteSessionTest, StrongsNumbersAreKeptOnlyWhenTheProfileSaysSo) {
    m_store.m_profile.Group("Settings").SetValue("Directory", SORVANTA_TEST_DATA "/refs");
    for (const auto& [pKeep, strQuotation] : {std::pair{"0", "Быт 1:1. В начале сотворил Бог небо и землю."},
                                              std::pair{"1",
                                                        "Быт 1:1. В начале 7225 сотворил 1254 8804 Бог 430 "
                                                        "небо 8064 и землю 776."}}) {
        m_store.m_profile.Group("Quotation").SetValue("KeepStrong", pKeep);
        m_session.LoadSettings();
        m_session.ScanModules();
        m_session.SelectModule(2);
        EXPECT_EQ(m_session.OnOK(Cp("Быт 1:1")).m_strQuotation, Cp(strQuotation)) << pKeep;
    }
}

// Words typed instead of a reference give the verses that hold them to
// choose from; choosing one is OK for its reference. Words that find nothing,
// or are refused, give the messages of a book not found, and one word is no search.
TEST_F(QuoteSessionTest, WordsTypedOfferTheVersesFoundOrTheMessagesOfToday) {
    m_store.m_profile.Group("Settings").SetValue("Directory", SORVANTA_TEST_DATA "/refs");
    m_session.LoadSettings();
    m_session.ScanModules();
    m_session.SelectModule(4);
    const std::string strNoBook = Cp("Нету книг c таким сокращением или не выбран модуль");
    const std::string strNotFound = Cp("Искомый отрывок не найден");
    const struct {
        const char* pTyped;
        COkStep step;
        const char* pFirstFound;
        std::vector<std::string> arrMessages;
    } cases[] = {
        {"свет тьма", COkStep::ChooseVerse, "Вт 1:3", {}},
        {"зебра квант", COkStep::Failed, "", {strNoBook, strNotFound}},
        {"и в", COkStep::Failed, "", {strNoBook, strNotFound + Cp("\nДля поиска нужно слово хотя бы из двух букв.")}},
        {"свет", COkStep::Failed, "", {strNoBook, strNotFound}},
    };
    for (const auto& c : cases) {
        const COkResult result = m_session.OnOK(Cp(c.pTyped));
        EXPECT_EQ(result.m_step, c.step) << c.pTyped;
        EXPECT_EQ(result.m_arrFound.empty() ? "" : result.m_arrFound.front().m_strReference, Cp(c.pFirstFound));
        EXPECT_EQ(result.m_arrMessages, c.arrMessages) << c.pTyped;
    }
    EXPECT_EQ(m_session.m_arrHistory, std::vector<std::string>{});
    EXPECT_EQ(m_session.OnOK(Cp("Вт 1:3")).m_strQuotation, Cp("Вт 1:3. Свет, тьма!"));
    EXPECT_EQ(m_session.m_arrHistory, std::vector<std::string>{"Вт 1:3"});
}

// A template kept in the profile shapes the quotation; one that could not be
// used (no {текст}, or longer than the profile keeps) leaves the format's own.
TEST_F(QuoteSessionTest, TheProfilesTemplateShapesTheQuotationWhenItCanBeUsed) {
    const std::string strPassage = m_session.OnOK(Cp("Кн 1:1")).m_strQuotation.substr(Cp("Кн 1:1. ").size());
    for (const auto& [strTemplate, strQuotation] :
         {std::pair{std::string("<{текст}> {ссылка}"), "<" + strPassage + "> " + Cp("Кн 1:1")},
          std::pair{std::string("{ссылка}"), Cp("Кн 1:1. ") + strPassage},
          std::pair{"{текст}" + std::string(kMaxTemplate, ' '), Cp("Кн 1:1. ") + strPassage}}) {
        m_store.m_profile.Group("Quotation").SetValue("Template", strTemplate);
        m_session.LoadSettings();
        EXPECT_EQ(m_session.OnOK(Cp("Кн 1:1")).m_strQuotation, strQuotation) << strTemplate.substr(0, 20);
    }
    std::string strCyrillic;  // as many characters as a template may hold, two bytes each
    while (strCyrillic.size() < 2 * (kMaxTemplateCharacters - 7)) strCyrillic += "ж";
    for (const auto& [strTemplate, bRefused] :
         {std::pair{std::string(), false}, std::pair{std::string("{текст}"), false},
          std::pair{std::string("{ссылка}. {текс}"), true}, std::pair{strCyrillic + "{текст}", false},
          std::pair{strCyrillic + "ж{текст}", true}})
        EXPECT_EQ(QuotationTemplateError(strTemplate).empty(), !bRefused) << strTemplate.substr(0, 20);
}

// Only what was found goes into the history, as UTF-8, written at once; the
// oldest goes past the cap; a reference too long for the profile is not kept.
TEST_F(QuoteSessionTest, TheHistoryKeepsWhatWasFoundWithinItsBounds) {
    m_session.m_arrHistory.assign(kHistoryLength, "старое");
    m_session.m_arrHistory.front() = "\xFF hand-written";
    m_session.OnOK(Cp("Кн 99:1"));
    EXPECT_EQ(m_store.m_nWrites, 0);
    m_session.OnOK(Cp("Кн 1:1"));
    EXPECT_EQ(m_session.m_arrHistory.size(), kHistoryLength);
    EXPECT_EQ(m_session.m_arrHistory.front(), "старое");
    EXPECT_EQ(m_session.m_arrHistory.back(), "Кн 1:1");
    EXPECT_EQ(LoadHistory(m_store.m_profile), m_session.m_arrHistory);

    const std::string strLong = Cp("Кн 1:1") + std::string(kMaxHistoryEntry, ' ');
    EXPECT_EQ(m_session.OnOK(strLong).m_step, COkStep::ShowQuoteWindow);
    EXPECT_EQ(m_session.m_arrHistory.back(), "Кн 1:1");
}

// A save writes back what was read, and a restart reads what was saved:
// the newest of the history, the quotation values, an emptied history.
TEST_F(QuoteSessionTest, AProfileIsWrittenBackAsItWasRead) {
    for (const test::CCase& profileCase : test::ReadCases("profile-roundtrip.tsv")) {
        CMemoryStore store;
        store.m_profile = *CProfile::Parse(profileCase["text"]);
        CQuoteSession session(store);
        session.LoadSettings();
        EXPECT_EQ(session.m_settings.m_strDirectory, profileCase["directory"]) << profileCase.Where();
        session.SaveSettings();
        EXPECT_EQ(store.m_profile.Text(), profileCase["text"]) << profileCase.Where();
    }
}

TEST_F(QuoteSessionTest, TheNewestHistoryAndTheQuotationValuesLastAcrossStarts) {
    std::string strText = "[Quotation]\nFormat=quoted\nJoinLines=1\nHtml=maybe\nPasteIntoDocument=1\n[History]\n";
    for (int i = 0; i <= 100; ++i) strText += std::to_string(i) + "=Kn " + std::to_string(i) + "\n";
    m_store.m_profile = *CProfile::Parse(strText);
    m_session.LoadSettings();
    EXPECT_EQ(m_session.m_arrHistory.size(), 100u);
    EXPECT_EQ(m_session.m_arrHistory.front(), "Kn 1");  // "Kn 0" was the oldest
    const CCitationStyle& style = m_session.m_quotation.m_style;
    EXPECT_EQ(style.m_format, CCitationFormat::Quoted);
    EXPECT_TRUE(style.m_bJoinLines && style.m_bVerseNumbers);
    EXPECT_EQ(m_session.m_quotation.m_bHtml, 1);  // not understood: the default
    EXPECT_EQ(m_session.m_quotation.m_bPasteIntoDocument, 1);
    m_session.ClearHistory();
    EXPECT_TRUE(LoadHistory(m_store.m_profile).empty());
    EXPECT_NE(m_store.m_profile.Text().find("Format=quoted"), std::string::npos);
    EXPECT_NE(m_store.m_profile.Text().find("PasteIntoDocument=1"), std::string::npos);
}

TEST_F(QuoteSessionTest, AModuleRootNeverChosenIsSearchedForAndKeptOnlyWhenFound) {
    for (const std::string strFound : {"", "/found/Modules"}) {
        CMemoryStore store;
        CQuoteSession session(store);
        session.m_findModuleRoot = [&] { return strFound; };
        session.LoadSettings();
        EXPECT_EQ(session.m_settings.m_strDirectory, strFound);
        session.SaveSettings();
        const std::optional<std::string> stored = store.m_profile.Group("Settings").Value("Directory");
        EXPECT_EQ(stored.value_or("(none)"), strFound.empty() ? "(none)" : strFound);
    }
}

TEST_F(QuoteSessionTest, SettingsThatCannotBeKeptAreTold) {
    CSettingsValues values = m_session.m_settings;
    values.m_bTrayDef = 1;
    EXPECT_EQ(m_session.ApplySettings(values, m_session.m_quotation), "");
    m_store.m_bRefuse = true;
    EXPECT_EQ(m_session.ApplySettings(values, m_session.m_quotation),
              "Не удалось сохранить настройки в «/home/u/.config/Sorvanta/sorvanta.conf».");
    EXPECT_EQ(m_session.m_settings.m_bTrayDef, 1);  // they hold until the program ends
}

// Only a copy (OK in the quote window) applies its check box.
TEST_F(QuoteSessionTest, TheQuoteWindowsCheckBoxCountsOnlyOnACopy) {
    const struct {
        bool bCopied;
        int bDontShow;
        int bShowDlg;
    } cases[] = {{false, 1, 1}, {true, 0, 1}, {true, 1, 0}};
    for (const auto& c : cases) {
        m_session.m_settings.m_bShowDlg = 1;
        m_session.QuoteWindowEnded(c.bCopied, c.bDontShow);
        EXPECT_EQ(m_session.m_settings.m_bShowDlg, c.bShowDlg) << c.bCopied << c.bDontShow;
    }
}

}  // namespace
}  // namespace sorvanta

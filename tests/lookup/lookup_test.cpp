#include "lookup/lookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "lookup/citation.h"
#include "modules/catalogue.h"
#include "support/cases.h"
#include "support/tempdir.h"
#include "text/codec.h"
#include "text/filereading.h"

namespace sorvanta {
namespace {

using test::Cp;

class LookUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strIni = m_dir.Write("mod/orvanel.ini", Cp("BibleName = Проба\n"
                                                     "ChapterSign = <h4>\n"
                                                     "VerseSign = <p>\n"
                                                     "F = kn.htm\nQ = 2\nA = Кн Сл\n"
                                                     "F = dir.htm\nQ = 1\nA = Папка\n"
                                                     "F = huge.htm\nQ = 1\nA = Огромная\n"
                                                     "F = dot.htm\nQ = 1\nA = Сл.\n"
                                                     "F = ../secret.htm\nQ = 1\nA = Тайна\n") +
                                                      "F = " + m_dir.Write("secret.htm", Cp("<h4><p>1 Тайна")) +
                                                      Cp("\nQ = 1\nA = Путь\n"));
        m_dir.Write("mod/dot.htm", Cp("<h4><p>1 Точка"));
        m_dir.Write("mod/KN.HTM", test::FileContents(SORVANTA_TEST_DATA "/root/a_kn/kn.htm"));
        m_dir.MakeDir("mod/dir.htm");
        std::filesystem::resize_file(m_dir.Write("mod/huge.htm", Cp("<h4><p>1 Слово")), kMaxFileSize + 1);
        ReadModuleMarkers(m_strIni, m_markers);
    }

    LookupResult LookUpTyped(const std::string& strTyped) { return LookUp(Cp(strTyped), m_strIni, m_markers); }

    test::CTempDir m_dir;
    std::string m_strIni;
    ModuleMarkers m_markers;
};

// Each request of the table, typed in code page 1251 (as the desktop program
// passes it) and in UTF-8 (as the command line does), in modules of either
// encoding.
TEST(LookUpCases, EachRequestGivesItsOutcomeAndQuotation) {
    const std::map<std::string, LookupOutcome> outcomes = {
        {"found", LookupOutcome::Found}, {"no-book", LookupOutcome::NoBook}, {"not-found", LookupOutcome::NotFound}};
    for (const test::CCase& c : test::ReadCases("lookup.tsv")) {
        const ModuleCatalogue catalogue = ScanModules(SORVANTA_TEST_DATA "/" + c["root"]);
        const std::size_t module = std::stoul(c["module"]);
        const std::string& strIni = catalogue.m_arrModuleIni.at(module);
        const TextEncoding encoding = catalogue.m_arrEncodings.at(module);
        ModuleMarkers markers;
        ReadModuleMarkers(strIni, markers);
        for (const auto& [typed, typedEncoding] :
             {std::pair{c.Cp("typed"), TextEncoding::Cp1251}, std::pair{c["typed"], TextEncoding::Utf8}}) {
            const LookupResult result = LookUp(typed, strIni, markers, encoding, typedEncoding);
            EXPECT_EQ(result.m_outcome, outcomes.at(c["outcome"])) << c.Where();
            const std::string strText = result.m_outcome == LookupOutcome::Found
                                            ? ConvertText(FormatQuotation(result, {}), encoding, TextEncoding::Utf8)
                                            : Cp1251ToUtf8(result.m_strReason);
            EXPECT_EQ(strText, c["quotation"]) << c.Where();
        }
    }
}

// A reference found as typed is never changed ("Сл." has a book of its own);
// a book file that is a folder, too long to read or outside the module's
// folder is not found.
TEST_F(LookUpTest, BooksOfTheirOwnAndUnreadableFiles) {
    const std::pair<std::string, LookupOutcome> cases[] = {
        {"Сл. 1:1", LookupOutcome::Found},
        {"Сл 1:1", LookupOutcome::Found},
        {"Папка 1", LookupOutcome::NotFound},
        {"Огромная 1:1", LookupOutcome::NotFound},
        {"Тайна 1:1", LookupOutcome::NotFound},
        {"Путь 1", LookupOutcome::NotFound},
        {"", LookupOutcome::NoBook},
    };
    for (const auto& [typed, outcome] : cases) EXPECT_EQ(LookUpTyped(typed).m_outcome, outcome) << typed;
    EXPECT_EQ(FormatQuotation(LookUpTyped("Сл. 1:1"), {}), Cp("Сл. 1:1. Точка"));
    EXPECT_EQ(FormatQuotation(LookUpTyped("Сл 1:1"), {}), Cp("Сл 1:1. Alpha"));
    EXPECT_EQ(LookUp(Cp("Кн 1:1"), "", m_markers).m_outcome, LookupOutcome::NoBook);  // no module selected
}

TEST(LookupMessages, TellWhichMessagesToShow) {
    const std::string strNotFound = test::Cp("Искомый отрывок не найден");
    EXPECT_EQ(LookupMessages(LookupOutcome::NoBook),
              (std::vector<std::string>{test::Cp("Нету книг c таким сокращением или не выбран модуль"), strNotFound}));
    EXPECT_EQ(LookupMessages(LookupOutcome::NoBook)[0][10], 'c');  // the Latin letter, byte 0x63
    EXPECT_EQ(LookupMessages(LookupOutcome::NotFound), std::vector<std::string>{strNotFound});
    EXPECT_TRUE(LookupMessages(LookupOutcome::Found).empty());
}

TEST_F(LookUpTest, EmptyMarkersFindNothing) {
    const ModuleMarkers noMarkers;
    EXPECT_EQ(LookUp(Cp("Кн 1:1"), m_strIni, noMarkers).m_outcome, LookupOutcome::NotFound);
}

}  // namespace
}  // namespace sorvanta

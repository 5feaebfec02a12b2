#include "lookup/bookresolver.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

TEST(DirectoryOf, KeepsEverythingUpToTheLastSeparator) {
    const std::pair<std::string, std::string> cases[] = {
        {"/m/kjv/orvanel.ini", "/m/kjv/"},
        {"/m//kjv/orvanel.ini", "/m//kjv/"},
        {"/m/kjv/", "/m/kjv/"},
        {"orvanel.ini", ""},
        {"", ""},
    };
    for (const auto& [path, directory] : cases) EXPECT_EQ(DirectoryOf(path), directory);
}

class ResolveBookFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strIni = m_dir.Write("mod/orvanel.ini", Cp("Быт Ин\r\n"  // a match this early has no line two above
                                                     "BibleName = Проба\r\n"
                                                     "File = gen.htm\r\n"
                                                     "Qty = 50\r\n"
                                                     "Abbr = Быт Бт Gen\r\n"
                                                     "\r\n"
                                                     "// no equals sign on this line\r\n"
                                                     "Abbr = Чис Num\r\n"
                                                     "File =   Иоан.HTM  \r\n"
                                                     "Qty = 21\r\n"
                                                     "Abbr = Ин Иоан Jn\r\n"
                                                     "File = 1jn.htm\r\n"
                                                     "Qty = 5\r\n"
                                                     "Abbr = 1Ин 1Jn\r\n"
                                                     "File = isa.htm\r\n"
                                                     "Qty = 66\r\n"
                                                     "Abbr = Ис Isa\r\n"
                                                     "File =\r\n"
                                                     "Qty = 1\r\n"
                                                     "Abbr = Пусто"));
        m_strModule = m_dir.Path() + "/mod/";
    }

    test::CTempDir m_dir;
    std::string m_strIni;
    std::string m_strModule;
};

// The name comes upper-cased, as the line it stands in was compared; the file
// is found whatever its letter case when it is read.
TEST_F(ResolveBookFileTest, FindsTheFileNamedTwoLinesAboveTheFirstLineWithTheAbbreviation) {
    const std::pair<std::string, std::string> cases[] = {
        {"Быт 1:1", "GEN.HTM"},
        {"бт 1", "GEN.HTM"},
        {"gEN 1:1", "GEN.HTM"},
        {"Ин 3:16", "ИОАН.HTM"},
        {"ИН3,16", "ИОАН.HTM"},
        {"иоан    3:16", "ИОАН.HTM"},
        {"Jn 3", "ИОАН.HTM"},
        {"1Ин 1:1", "1JN.HTM"},
        {"1jn 1:1", "1JN.HTM"},
        {"Ис 53", "ISA.HTM"},  // whole words only: not the end of "Чис"
        {"Пусто 1", ""},        // "File =" with no name: the module directory itself
    };
    for (const auto& [typed, file] : cases) EXPECT_EQ(ResolveBookFile(Cp(typed), m_strIni), m_strModule + file) << typed;
}

TEST_F(ResolveBookFileTest, UnresolvableReferencesGiveNothing) {
    for (const std::string typed : {"Num 1", "Ин", "3:16", "Откр 1:1", "", "Х 1", "Бытие 1"}) {
        EXPECT_EQ(ResolveBookFile(Cp(typed), m_strIni), "") << typed;
    }
    EXPECT_EQ(ResolveBookFile(Cp("Ин 1"), m_dir.Path() + "/none/orvanel.ini"), "");
}

TEST_F(ResolveBookFileTest, MatchesTheAbbreviationAsAWholeWordOnly) {
    const std::string strIni = m_dir.Write("words/orvanel.ini", Cp("F = a.htm\nq\nx Чис-Ис\n"  // after a hyphen
                                                                   "F = b.htm\nq\nКам ам\n"));  // later in the line
    EXPECT_EQ(ResolveBookFile(Cp("Ис 1"), strIni), m_dir.Path() + "/words/A.HTM");
    EXPECT_EQ(ResolveBookFile(Cp("Ам 1"), strIni), m_dir.Path() + "/words/B.HTM");
    EXPECT_EQ(ResolveBookFile(Cp("Чис-Ис 1"), strIni), m_dir.Path() + "/words/A.HTM");
}

}  // namespace
}  // namespace sorvanta

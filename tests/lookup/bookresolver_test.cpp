#include "lookup/bookresolver.h"

#include <gtest/gtest.h>

#include "support/cases.h"
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
                                                     "Abbr = Пусто\r\n"
                                                     "File = книги/..gen.htm\r\nQty = 1\r\nAbbr = Внутри\r\n"
                                                     "File = ../gen.htm\r\nQty = 1\r\nAbbr = Выше\r\n"
                                                     "File = книги/../../gen.htm\r\nQty = 1\r\nAbbr = Глубже\r\n"
                                                     "File = книги\\..\\..\\gen.htm\r\nQty = 1\r\nAbbr = Дробь\r\n"
                                                     "File = /etc/passwd\r\nQty = 1\r\nAbbr = Корень\r\n"
                                                     "File = \\\\server\\gen.htm\r\nQty = 1\r\nAbbr = Сеть\r\n"
                                                     "File = C:gen.htm\r\nQty = 1\r\nAbbr = Диск"));
        m_strModule = test::Native(m_dir.Path() + "/mod/");
    }

    test::CTempDir m_dir;
    std::string m_strIni;
    std::string m_strModule;
};

TEST_F(ResolveBookFileTest, FindsTheFileNamedTwoLinesAboveTheFirstLineWithTheAbbreviation) {
    for (const test::CCase& c : test::ReadCases("bookresolver.tsv")) {
        const std::string strExpected =
            c["book"] == "(none)" ? "" : m_strModule + (c["book"] == "(folder)" ? "" : c["book"]);
        EXPECT_EQ(ResolveBookFile(c.Cp("typed"), m_strIni), strExpected) << c.Where();
    }
    EXPECT_EQ(ResolveBookFile(Cp("Ин 1"), m_dir.Path() + "/none/orvanel.ini"), "");
}

TEST_F(ResolveBookFileTest, MatchesTheAbbreviationAsAWholeWordOnly) {
    const std::string strIni = m_dir.Write("words/orvanel.ini", Cp("F = a.htm\nq\nx Чис-Ис\n"   // after a hyphen
                                                                   "F = b.htm\nq\nКам ам\n"));  // later in the line
    EXPECT_EQ(ResolveBookFile(Cp("Ис 1"), strIni), test::Native(m_dir.Path() + "/words/a.htm"));
    EXPECT_EQ(ResolveBookFile(Cp("Ам 1"), strIni), test::Native(m_dir.Path() + "/words/b.htm"));
    EXPECT_EQ(ResolveBookFile(Cp("Чис-Ис 1"), strIni), test::Native(m_dir.Path() + "/words/a.htm"));
}

// A long file is searched a stretch of 1,024 bytes at a time: a match is
// found wherever it lies, across the border of two stretches too, in small or
// capital letters.
TEST_F(ResolveBookFileTest, FindsAnAbbreviationAnywhereInALongFile) {
    const std::string strEntry = Cp("\r\nFile = Long.htm\r\nQty = 9\r\nAbbr = иоанн ");  // then the abbreviation
    for (std::size_t wordStart = 1016; wordStart <= 1028; ++wordStart) {
        std::string strIni;
        while (strIni.size() + 37 < wordStart - strEntry.size())
            strIni += "File = x.htm\r\nQty = 1\r\nAbbr = Ab Cd\r\n";
        strIni += std::string(wordStart - strEntry.size() - strIni.size(), '.') + strEntry + Cp("Иоан\r\n");
        ASSERT_EQ(strIni.find(Cp("Иоан")), wordStart);
        const std::string strPath = m_dir.Write("long" + std::to_string(wordStart) + "/orvanel.ini", strIni);
        for (const std::string typed : {"ИОАН 3:16", "иоан 3:16", "иОаН 3"}) {
            EXPECT_EQ(ResolveBookFile(Cp(typed), strPath), DirectoryOf(strPath) + "Long.htm") << wordStart << typed;
        }
        EXPECT_EQ(ResolveBookFile(Cp("Ион 3:16"), strPath), "") << wordStart;
    }
}

}  // namespace
}  // namespace sorvanta

// The passages table (tests/data/cases/passages.tsv) through LookUp and
// FormatQuotation, and the searches table (find.tsv) through FindVerses: the
// same cases the command-line test runs.
#include <gtest/gtest.h>

#include <map>

#include "cli/options.h"
#include "lookup/citation.h"
#include "lookup/find.h"
#include "lookup/lookup.h"
#include "modules/catalogue.h"
#include "support/cases.h"
#include "text/codec.h"

namespace sorvanta {
namespace {

// The options of a case: split where a blank comes before "--" (a value may hold blanks).
std::vector<std::string> Options(const std::string& strText) {
    std::vector<std::string> options;
    for (std::size_t start = 0; start < strText.size();) {
        const std::size_t end = std::min(strText.find(" --", start), strText.size());
        const std::string strOption = strText.substr(start, end - start);
        const std::size_t blank =
            strOption.find_first_of(" =") == strOption.find(' ') ? strOption.find(' ') : std::string::npos;
        options.push_back(strOption.substr(0, blank));  // "--format quoted": the name, then the value
        if (blank != std::string::npos) options.push_back(strOption.substr(blank + 1));
        start = end + 1;
    }
    return options;
}

TEST(Passages, EachCaseOfTheTable) {
    const ModuleCatalogue catalogue = ScanModules(std::string(SORVANTA_TEST_DATA) + "/refs");
    for (const test::CCase& row : test::ReadCases("passages.tsv")) {
        SCOPED_TRACE(row.Where());
        const COptionsResult options = ParseOptions(Options(row["options"]));
        ASSERT_EQ(options.m_strError, "");
        const auto nModule = static_cast<std::size_t>(std::stoi(row["module"]));
        const std::string& strIni = catalogue.m_arrModuleIni.at(nModule);
        ModuleMarkers markers;
        ReadModuleMarkers(strIni, markers);
        const LookupResult result = LookUp(row["typed"], strIni, markers, catalogue.m_arrEncodings[nModule],
                                           TextEncoding::Utf8, options.m_options.m_passage);
        const std::map<std::string, LookupOutcome> outcomes{{"found", LookupOutcome::Found},
                                                            {"no-book", LookupOutcome::NoBook},
                                                            {"not-found", LookupOutcome::NotFound}};
        EXPECT_EQ(result.m_outcome, outcomes.at(row["outcome"]));
        EXPECT_EQ(ConvertText(FormatQuotation(result, options.m_options.m_citation, options.m_options.m_strTemplate),
                              result.m_encoding, TextEncoding::Utf8),
                  row["quotation"]);
        EXPECT_EQ(Cp1251ToUtf8(result.m_strReason), row["reason"]);
    }
}

TEST(Find, EachCaseOfTheTable) {
    const ModuleCatalogue catalogue = ScanModules(std::string(SORVANTA_TEST_DATA) + "/refs");
    for (const test::CCase& row : test::ReadCases("find.tsv")) {
        SCOPED_TRACE(row.Where());
        const COptionsResult options = ParseOptions(Options(row["options"]));
        const auto nModule = static_cast<std::size_t>(std::stoi(row["module"]));
        const std::string& strIni = catalogue.m_arrModuleIni.at(nModule);
        ModuleMarkers markers;
        ReadModuleMarkers(strIni, markers);
        const CFindResult result = FindVerses(row["typed"], strIni, markers, catalogue.m_arrEncodings[nModule],
                                              TextEncoding::Utf8, options.m_options.m_passage);
        std::string strVerses;
        for (const CFoundVerse& verse : result.m_arrVerses) {
            strVerses += (strVerses.empty() ? "" : "; ") +
                         ConvertText(verse.m_strReference, result.m_encoding, TextEncoding::Utf8);
        }
        EXPECT_EQ(strVerses.empty() ? "none" : strVerses, row["verses"]);
        EXPECT_EQ(result.m_arrVerses.empty()
                      ? ""
                      : ConvertText(result.m_arrVerses.front().m_strStart, result.m_encoding, TextEncoding::Utf8),
                  row["start"]);
        EXPECT_EQ(Cp1251ToUtf8(result.m_strRefusal), row["message"]);
    }
}

}  // namespace
}  // namespace sorvanta

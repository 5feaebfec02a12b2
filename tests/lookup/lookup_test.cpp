#include "lookup/lookup.h"

#include <gtest/gtest.h>

#include <map>

#include "lookup/citation.h"
#include "modules/catalogue.h"
#include "support/cases.h"
#include "text/codec.h"

namespace sorvanta {
namespace {

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

TEST(LookUp, WithoutAModuleNoBookIsFound) {
    EXPECT_EQ(LookUp("Kn 1:1", "", ModuleMarkers{}).m_outcome, LookupOutcome::NoBook);
}

}  // namespace
}  // namespace sorvanta

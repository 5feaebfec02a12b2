// Windows only: the host's modules as its own platform keeps them, in a
// folder with a Cyrillic name, under names in any letter case, and a module
// that names a device where a book file should be.
#include <gtest/gtest.h>

#include "lookup/lookup.h"
#include "modules/catalogue.h"
#include "modules/markers.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

TEST(WindowsFiles, ModulesAreFoundAndReadWhateverTheLetterCaseAndTheFoldersName) {
    test::CTempDir dir;
    const std::string strRoot = dir.MakeDir("Модули");
    dir.Write("Модули/Синодальный/ORVANEL.INI", Cp("BibleName = Синодальный\r\nChapterSign = <h4>\r\n"
                                                   "VerseSign = <p>\r\nF = Ioann.HTM\r\nQ\r\nA = Ин\r\n"
                                                   "F = CON\r\nQ\r\nA = Кон\r\n"));
    dir.Write("Модули/Синодальный/ioann.htm", "<h4>1<p>1 Text<p>2 More");
    const ModuleCatalogue catalogue = ScanModules(strRoot);
    ASSERT_EQ(catalogue.m_arrNames, std::vector<std::string>{Cp("Синодальный")});
    ModuleMarkers markers;
    ASSERT_TRUE(ReadModuleMarkers(catalogue.m_arrModuleIni[0], markers));

    // A device is never read: the console is not waited for.
    const std::pair<std::string, LookupOutcome> cases[] = {
        {"Ин 1:2", LookupOutcome::Found},
        {"Кон 1", LookupOutcome::NotFound},
    };
    for (const auto& [typed, outcome] : cases) {
        EXPECT_EQ(LookUp(Cp(typed), catalogue.m_arrModuleIni[0], markers).m_outcome, outcome) << typed;
    }
}

}  // namespace
}  // namespace sorvanta

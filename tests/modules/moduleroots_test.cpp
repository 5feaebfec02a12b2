#include "modules/moduleroots.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using Strings = std::vector<std::string>;
// So long that only the search's own end stops it, however loaded the machine.
constexpr auto kNoLimit = std::chrono::hours(24);

// The parts of a list split at "|"; none for an empty list.
Strings Split(const std::string& strList) {
    return strList.empty() ? Strings{} : test::SplitAt(strList, '|');
}

TEST(ModuleRoots, PlacesComeFromTheEnvironmentInTheirOrder) {
    test::CTempDir dir;
    const std::string h = dir.Path();
    dir.MakeDir(".local/share/wineprefixes/b");
    dir.MakeDir(".local/share/wineprefixes/a");
    const std::pair<CSearchEnvironment, Strings> cases[] = {
        {{h, "/w", "/data", "/x:/y/"},
         {"/w/drive_c", h + "/.wine/drive_c", h + "/.local/share/wineprefixes/a/drive_c",
          h + "/.local/share/wineprefixes/b/drive_c", h, "/data", "/x", "/y/"}},
        {{"", "", "", ""}, {"/usr/local/share", "/usr/share"}},
        {{"/nohome", "", "", "::/z"}, {"/nohome/.wine/drive_c", "/nohome", "/nohome/.local/share", "/z"}},
    };
    for (const auto& [environment, places] : cases) EXPECT_EQ(ModuleRootSearchPlaces(environment), places);
}

// Fake homes: module folders (each gets an orvanel.ini, its name's case as
// given), symbolic links, and the root the search must choose.
TEST(ModuleRoots, TheRootWithTheMostModulesWins) {
    for (const test::CCase& c : test::ReadCases("moduleroots.tsv")) {
        test::CTempDir dir;
        const std::string strHome = dir.MakeDir("home");
        for (const std::string& strModule : Split(c["modules"])) {
            dir.Write("home/" + strModule + (strModule.ends_with(".INI") ? "" : "/orvanel.ini"), "BibleName = M\n");
        }
        for (const std::string& strLink : Split(c["links"])) {
            const std::size_t arrow = strLink.find('>');
            std::filesystem::create_directory_symlink(strLink.substr(arrow + 1),
                                                      strHome + "/" + strLink.substr(0, arrow));
        }
        const std::string strData = c["data"].empty() ? dir.Path() + "/none" : strHome + "/" + c["data"];
        const Strings places = ModuleRootSearchPlaces({strHome, "", "", strData});
        EXPECT_EQ(FindModuleRoot(places, kNoLimit), c["root"].empty() ? "" : strHome + "/" + c["root"]) << c.Where();
    }
}

TEST(ModuleRoots, NoTimeLeftFindsNothing) {
    test::CTempDir dir;
    dir.Write("Bible/m/orvanel.ini", "");
    EXPECT_EQ(FindModuleRoot({dir.Path()}, std::chrono::steady_clock::duration::zero()), "");
    EXPECT_EQ(FindModuleRoot({dir.Path()}, kNoLimit), dir.Path() + "/Bible");
}

}  // namespace
}  // namespace sorvanta

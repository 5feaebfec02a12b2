#include "modules/moduleroots.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

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

TEST(ModuleRoots, WindowsPlacesStartWithTheHostFolderThatHoldsTheProgram) {
    const Strings known = {"C:\\Program Files", "", "C:\\Users\\u\\AppData\\Local"};
    const Strings knownPlaces = {"C:\\Program Files\\Orvanel", "C:\\Users\\u\\AppData\\Local\\Orvanel"};
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"D:\\Apps\\Orvanel", "D:\\Apps\\Orvanel"},
        {"D:\\Apps\\ORVANEL\\Tools", "D:\\Apps\\ORVANEL"},  // the nearest one, whatever its letter case
        {"D:/orvanel/Sorvanta", "D:/orvanel"},
        {"D:\\Apps\\Sorvanta", std::nullopt},
        {"D:\\Apps\\OrvanelTools", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [program, host] : cases) {
        Strings places = knownPlaces;
        if (host) places.insert(places.begin(), *host);
        EXPECT_EQ(WindowsModuleRootSearchPlaces(program, known), places) << program;
    }
}

// Fake homes: module folders (each gets an orvanel.ini, its name's case as
// given), symbolic links, and the root the search must choose.
TEST(ModuleRoots, TheRootWithTheMostModulesWins) {
    for (const test::CCase& c : test::ReadCases("moduleroots.tsv")) {
#ifdef _WIN32
        if (!c["links"].empty()) continue;  // POSIX only: symbolic links
#endif
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
        // Which root wins; the places of other systems join with "/" on Windows too.
        EXPECT_EQ(test::Native(FindModuleRoot(places, kNoLimit)),
                  c["root"].empty() ? "" : test::Native(strHome + "/" + c["root"]))
            << c.Where();
    }
}

TEST(ModuleRoots, NoTimeLeftFindsNothing) {
    test::CTempDir dir;
    dir.Write("Bible/m/orvanel.ini", "");
    EXPECT_EQ(FindModuleRoot({dir.Path()}, std::chrono::steady_clock::duration::zero()), "");
    EXPECT_EQ(FindModuleRoot({dir.Path()}, kNoLimit), test::Native(dir.Path() + "/Bible"));
}

}  // namespace
}  // namespace sorvanta

#include "modules/moduleroots.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

using Strings = std::vector<std::string>;

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
    struct Case {
        Strings modules;
        std::vector<std::pair<std::string, std::string>> links;  // link -> target, relative to the home
        std::string root;
    };
    const std::string kWine = ".wine/drive_c/Program Files/Orvanel/Modules";
    const Case cases[] = {
        {{kWine + "/a", kWine + "/b", "Bible/m"}, {}, kWine},
        {{kWine + "/a", kWine + "/b", "Bible/m", "Bible/n", "Bible/o"}, {}, "Bible"},
        {{kWine + "/a", "Bible/m"}, {}, kWine},  // equals: the place searched first
        {{".local/share/wineprefixes/orv/drive_c/M/x", ".local/share/wineprefixes/orv/drive_c/M/y"},
         {},
         ".local/share/wineprefixes/orv/drive_c/M"},
        {{".local/share/Orvanel/a", ".local/share/Orvanel/b", "Bible/m"}, {}, ".local/share/Orvanel"},
        {{".hidden/M/p", ".hidden/M/q", "Bible/m"}, {}, "Bible"},
        {{"d/1/2/3/4/a", "d/1/2/3/4/b", "Bible/m"}, {}, "d/1/2/3/4"},  // modules 6 folders deep
        {{"d/1/2/3/4/5/a", "d/1/2/3/4/5/b", "Bible/m"}, {}, "Bible"},  // 7: too deep
        {{"../outside/a", "../outside/b", "Bible/m"}, {{"out", "../outside"}, {"loop", "."}}, "Bible"},
        {{"Bible/m/ORVANEL.INI"}, {}, "Bible"},
        {{"Bible/m", "Bible/m/x", "Bible/m/y"}, {}, "Bible"},  // a module folder is not searched
        {{}, {{"loop", "."}}, ""},
    };
    for (const Case& c : cases) {
#ifdef _WIN32
        if (!c.links.empty()) continue;  // POSIX only: symbolic links
#endif
        test::CTempDir dir;
        const std::string strHome = dir.MakeDir("home");
        for (const std::string& strModule : c.modules) {
            const bool bNamed = strModule.ends_with(".INI");
            dir.Write("home/" + strModule + (bNamed ? "" : "/orvanel.ini"), "BibleName = M\n");
        }
        for (const auto& [link, target] : c.links) {
            std::filesystem::create_directory_symlink(target, strHome + "/" + link);
        }
        const Strings places = ModuleRootSearchPlaces({strHome, "", "", dir.Path() + "/none"});
        // Which root wins; the places of other systems join with "/" on Windows too.
        EXPECT_EQ(test::Native(FindModuleRoot(places)), c.root.empty() ? "" : test::Native(strHome + "/" + c.root))
            << c.root;
    }
}

TEST(ModuleRoots, NoTimeLeftFindsNothing) {
    test::CTempDir dir;
    dir.Write("Bible/m/orvanel.ini", "");
    EXPECT_EQ(FindModuleRoot({dir.Path()}, std::chrono::steady_clock::duration::zero()), "");
    EXPECT_EQ(FindModuleRoot({dir.Path()}), test::Native(dir.Path() + "/Bible"));
}

}  // namespace
}  // namespace sorvanta

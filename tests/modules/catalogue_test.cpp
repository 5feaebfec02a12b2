#include "modules/catalogue.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>

#include "support/tempdir.h"
#include "text/filereading.h"

namespace sorvanta {
namespace {

using test::Cp;
using Strings = std::vector<std::string>;

TEST(Catalogue, ListsEveryNameLineOfEveryModuleInByteOrderOfTheFolders) {
#ifdef _WIN32
    GTEST_SKIP() << test::kPosixOnly << "folders b and B are one folder on Windows";
#endif
    test::CTempDir dir;
    dir.Write("b/orvanel.ini", "BibleName = Второй\nBibleName = Второй, ещё раз\n");
    dir.Write("a/orvanel.ini", Cp("// BibleName = Старый\r\nBibleName = Первый\r\n"));
    dir.Write("B/ORVANEL.INI", "BibleName =\n");  // name found whatever its case; empty name kept
    dir.Write("c/orvanel.ini", "No name here\n");
    dir.Write("d/readme.txt", "BibleName = Not a module\n");
    dir.Write("e/orvanel.ini", "BibleName = Второй\n");  // same name, own path
    dir.Write("orvanel.ini", "BibleName = Root file, not a module\n");
    dir.Write("file.txt", "");

    const ModuleCatalogue catalogue = ScanModules(dir.Path());
    const std::string p = dir.Path();
    EXPECT_EQ(catalogue.m_arrNames, (Strings{"", Cp("Первый"), "Второй", "Второй, ещё раз", "Второй"}));
    EXPECT_EQ(catalogue.m_arrModuleIni, (Strings{p + "/B/orvanel.ini", p + "/a/orvanel.ini", p + "/b/orvanel.ini",
                                                 p + "/b/orvanel.ini", p + "/e/orvanel.ini"}));
    EXPECT_TRUE(catalogue.m_arrMessages.empty());
}

TEST(Catalogue, RootEndingInASeparatorGivesDoubledSeparatorsUnnormalised) {
    test::CTempDir dir;
    dir.Write("m/orvanel.ini", "BibleName = M\n");
    const ModuleCatalogue catalogue = ScanModules(test::Native(dir.Path() + "/"));
    EXPECT_EQ(catalogue.m_arrModuleIni, Strings{test::Native(dir.Path() + "//m/orvanel.ini")});
}

TEST(Catalogue, ReportsUnreadableFilesAndAnEmptyResultInOrder) {
    test::CTempDir dir;
    dir.MakeDir("x/orvanel.ini");  // present, but cannot be opened as a file
    std::filesystem::resize_file(dir.Write("y/orvanel.ini", "BibleName = Huge\n"), kMaxFileSize + 1);  // too large
    const ModuleCatalogue catalogue = ScanModules(dir.Path());
    EXPECT_TRUE(catalogue.m_arrNames.empty());
    EXPECT_EQ(catalogue.m_arrMessages,
              (Strings{Cp("Невозможно открыть файл " + test::Native(dir.Path() + "/x/orvanel.ini")),
                       Cp("Невозможно открыть файл " + test::Native(dir.Path() + "/y/orvanel.ini")),
                       Cp("В каталоге " + dir.Path() + " модули не были найдены")}));
}

TEST(Catalogue, AnUnreadableFileIsReportedAndTheScanGoesOn) {
#ifdef _WIN32
    GTEST_SKIP() << test::kPosixOnly << "file permissions";
#else
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
#endif
    test::CTempDir dir;
    const std::string strLocked = dir.Write("a/orvanel.ini", "BibleName = Locked\n");
#ifndef _WIN32
    ::chmod(strLocked.c_str(), 0);
#endif
    dir.Write("b/orvanel.ini", "BibleName = Open\n");
    const ModuleCatalogue catalogue = ScanModules(dir.Path());
    EXPECT_EQ(catalogue.m_arrNames, Strings{"Open"});
    EXPECT_EQ(catalogue.m_arrMessages, Strings{Cp("Невозможно открыть файл " + dir.Path() + "/a/orvanel.ini")});
}

TEST(Catalogue, MissingRootFindsNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"/nonexistent/sorvanta", "В каталоге /nonexistent/sorvanta модули не были найдены"},
#ifdef _WIN32
        {"NUL", "В каталоге NUL модули не были найдены"},
        {"CON", "В каталоге CON модули не были найдены"},
#else
        {"/dev/null", "В каталоге /dev/null модули не были найдены"},
#endif
    };
    for (const auto& [root, message] : cases) {
        const ModuleCatalogue catalogue = ScanModules(root);
        EXPECT_TRUE(catalogue.m_arrModuleIni.empty());
        EXPECT_EQ(catalogue.m_arrMessages, Strings{Cp(message)});
    }
}

}  // namespace
}  // namespace sorvanta

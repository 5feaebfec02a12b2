#include "cli/profile.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

TEST(Profile, ReadsTheDirectoryOfTheSettingsGroup) {
    test::CTempDir dir;
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"[Settings]\nDirectory=/home/u/Orvanel/Modules\nShowDlg=1\n", "/home/u/Orvanel/Modules"},
        {"[Other]\nDirectory=/wrong\n[Settings]\nTrayDef=0\nDirectory = /right \n", "/right"},
        {"[Settings]\r\nDirectory=\"/a, b\"\r\n", "/a, b"},
        {"[Settings]\nDirectory=/a,b;c\n", "/a,b;c"},
        {"[Settings]\nDirectory=/\xff\xfe\n", "/\xff\xfe"},
        {std::string("[Settings]\nDirectory=/x\n\0", 25), std::nullopt},  // not a profile: a first start
        {"[Settings]\nDirectory=/\xd0\x91\xd0\xb8\n", "/\xd0\x91\xd0\xb8"},
        {"[Settings]\nDirectory=/\\x411\\x438\n", "/\xd0\x91\xd0\xb8"},
        {"[Settings]\nDirectory=C:\\\\Orvanel\n", "C:\\Orvanel"},
        {"[Settings]\nDirectory=@@at\n", "@at"},
        {"[Settings]\nDirectory=\n", std::nullopt},  // none found at a first start: search again
        {"[Settings]\nShowDlg=1\n", std::nullopt},
        {"[Other]\nDirectory=/wrong\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [content, directory] : cases) {
        EXPECT_EQ(ReadProfileDirectory(dir.Write("sorvanta.conf", content)), directory) << content;
    }
    EXPECT_EQ(ReadProfileDirectory(dir.Path() + "/missing.conf"), std::nullopt);
}

TEST(Profile, PathFollowsXdgConfigHome) {
#ifdef _WIN32
    GTEST_SKIP() << test::kPosixOnly << "the desktop program's settings live in the registry on Windows";
#else
    setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(ProfilePath(), "/tmp/xdg/Sorvanta/sorvanta.conf");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(ProfilePath(), "/home/u/.config/Sorvanta/sorvanta.conf");
#endif
}

}  // namespace
}  // namespace sorvanta

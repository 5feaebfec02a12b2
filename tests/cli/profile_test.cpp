#include "cli/profile.h"

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

TEST(Profile, ReadsTheDirectoryOfTheSettingsGroup) {
    test::CTempDir dir;
    for (const test::CCase& c : test::ReadCases("profiledirectory.tsv")) {
        EXPECT_EQ(ReadProfileDirectory(dir.Write("sorvanta.conf", c["profile"])).value_or("(none)"), c["directory"])
            << c.Where();
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

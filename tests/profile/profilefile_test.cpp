// The profile file on disk: reading it, keeping a broken one aside, and
// replacing it whole or not at all.
#include "profile/profilefile.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>

#include "profile/atomicfile.h"
#include "support/tempdir.h"
#include "text/filesystem.h"

namespace sorvanta {
namespace {

using test::FileContents;

std::size_t EntriesIn(const std::string& strFolder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(strFolder), {}));
}

TEST(ProfileFile, WhatIsReadFromWhatStandsAtTheName) {
    test::CTempDir dir;
    const std::string strLarge = dir.Write("large.conf", "[Settings]\n");
    std::filesystem::resize_file(strLarge, kMaxProfileSize + 1);
    const std::pair<std::string, ProfileFileState> cases[] = {
        {dir.Write("good.conf", "[Settings]\nShowDlg=0\n"), ProfileFileState::Read},
        {dir.Path() + "/missing.conf", ProfileFileState::Missing},
        {dir.MakeDir("folder.conf"), ProfileFileState::NotRegular},
        {dir.Write("broken.conf", std::string("[Settings]\n\0\0", 13)), ProfileFileState::Broken},
        {strLarge, ProfileFileState::Broken},
    };
    for (const auto& [strPath, state] : cases) EXPECT_EQ(ReadProfileFile(strPath).m_state, state) << strPath;
    EXPECT_EQ(ReadProfileFile(dir.Path() + "/good.conf").m_profile.FindGroup("Settings")->Value("ShowDlg"), "0");
}

TEST(ProfileFile, EachBrokenFileIsKeptAsideUnderANameOfItsOwn) {
    test::CTempDir dir;
    std::string strFirst;
    for (const std::string strContents : {"first", "second"}) {
        const std::string strPath = dir.Write("sorvanta.conf", strContents);
        const std::string strAside = KeepProfileAside(strPath);
        EXPECT_TRUE(strAside.starts_with(strPath + ".broken-")) << strAside;
        EXPECT_NE(strAside, strFirst);
        EXPECT_EQ(FileContents(strAside), strContents);
        EXPECT_FALSE(std::filesystem::exists(strPath));
        strFirst = strAside;
    }
}

// A full disk and permissions, as POSIX systems give them.
#ifndef _WIN32
TEST(AtomicFile, AFailedWriteLeavesTheOldFileAndNoNewOne) {
    test::CTempDir dir;
    const std::string strPath = dir.Write("sorvanta.conf", "[Settings]\nShowDlg=0\n");
    // A file size limit fails the write as a full disk does.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{16, limit.rlim_max};
    const auto previous = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const CFileWrite write = WriteFileAtomically(strPath, std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, previous);

    EXPECT_FALSE(write.m_bWritten);
    EXPECT_TRUE(write.m_strFailure.starts_with("writing the new file")) << write.m_strFailure;
    EXPECT_EQ(FileContents(strPath), "[Settings]\nShowDlg=0\n");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFile, ALinkKeepsNamingTheFileAndItsPermissionsStay) {
    test::CTempDir dir;
    const std::string strTarget = dir.Write("dotfiles/sorvanta.conf", "old");
    chmod(strTarget.c_str(), 0640);
    const std::string strLink = dir.MakeDir("config") + "/sorvanta.conf";
    std::filesystem::create_symlink(strTarget, strLink);

    EXPECT_TRUE(WriteFileAtomically(strLink, "new").m_bWritten);
    EXPECT_TRUE(std::filesystem::is_symlink(strLink));
    EXPECT_EQ(FileContents(strTarget), "new");
    EXPECT_EQ(std::filesystem::status(strTarget).permissions(), std::filesystem::perms(0640));

    const std::string strNew = dir.Path() + "/new/folder/sorvanta.conf";
    EXPECT_TRUE(WriteFileAtomically(strNew, "first").m_bWritten);
    EXPECT_EQ(FileContents(strNew), "first");
    EXPECT_EQ(std::filesystem::status(strNew).permissions(), std::filesystem::perms(0600));

    // A folder, a link that names no file and a read-only file stay as they are.
    const std::string strReadOnly = dir.Write("read-only.conf", "kept");
    chmod(strReadOnly.c_str(), 0444);
    const std::string strDangling = dir.Path() + "/dangling.conf";
    std::filesystem::create_symlink(dir.Path() + "/nothing", strDangling);
    for (const std::string& strPath : {dir.Path() + "/config", strDangling, strReadOnly}) {
        EXPECT_FALSE(WriteFileAtomically(strPath, "x").m_bWritten) << strPath;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(strDangling));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/nothing"));
    EXPECT_EQ(FileContents(strReadOnly), "kept");
}

// Whatever is written is read back whole: a text that the reader would set
// aside is not written at all.
TEST(ProfileFile, AProfileTooLargeToReadIsNeverWritten) {
    test::CTempDir dir;
    const std::string strPath = dir.Write("sorvanta.conf", "[Settings]\nShowDlg=0\n");
    const std::size_t nFrame = std::string_view("[Other]\nx=\n").size();
    CProfile profile;
    for (const std::size_t nText : {kMaxProfileSize, kMaxProfileSize + 1}) {
        profile.Group("Other").SetValue("x", std::string(nText - nFrame, 'a'));
        ASSERT_EQ(profile.Text().size(), nText);
        EXPECT_EQ(WriteProfileFile(strPath, profile).m_bWritten, nText <= kMaxProfileSize);
        const CProfileFile read = ReadProfileFile(strPath);
        EXPECT_EQ(read.m_state, ProfileFileState::Read);
        EXPECT_EQ(read.m_profile.FindGroup("Other")->Value("x")->size(), kMaxProfileSize - nFrame);
    }
}

#endif

TEST(AtomicFile, OnlyNewFilesThatAKilledWriteLeftAreRemoved) {
    test::CTempDir dir;
    const std::string strPath = dir.Write("sorvanta.conf", "profile");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"sorvanta.conf.new-a1B2c3", "sorvanta.conf.new-fresh1", "sorvanta.conf.backup",
                             "sorvanta.conf.new-toolong", "other.conf.new-a1B2c3"}) {
        dir.Write(name, "left");
        if (std::string_view(name) != "sorvanta.conf.new-fresh1")
            std::filesystem::last_write_time(PathFromUtf8(dir.Path() + "/" + name), old);
    }
    RemoveUnfinishedWrites(strPath);
    EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(dir.Path() + "/sorvanta.conf.new-a1B2c3")));
    EXPECT_EQ(EntriesIn(dir.Path()), 5u);
}

}  // namespace
}  // namespace sorvanta

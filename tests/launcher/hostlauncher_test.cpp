#include "launcher/hostlauncher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using Strings = std::vector<std::string>;

// A folder with stand-ins for the host and for wine that record their start.
class LaunchTest : public ::testing::Test {
protected:
    std::string Dir(const std::string& strName) const { return m_dir.MakeDir(strName); }

    void Program(const std::string& strPath, const std::string& strContent, bool bExecutable) const {
        m_dir.Write(strPath, strContent);
        ::chmod((m_dir.Path() + "/" + strPath).c_str(), bExecutable ? 0700 : 0600);
    }

    // A script that appends `strMark` (and its arguments) to the log.
    std::string Recorder(const std::string& strMark) const {
        return "#!/bin/sh\necho " + strMark + " \"$@\" >> '" + Log() + "'\n";
    }

    std::string Log() const { return m_dir.Path() + "/started.log"; }

    Strings LogLines() const {
        // A started program writes its line a moment later.
        for (int attempt = 0; attempt < 1000 && ReapFinishedChildren() > 0; ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        Strings lines;
        std::ifstream log(Log());
        for (std::string line; std::getline(log, line);) lines.push_back(line);
        return lines;
    }

    test::CTempDir m_dir;
};

TEST_F(LaunchTest, SearchesTheOwnFolderThenThePathAndNeverTheCurrentOne) {
    Program("own/orvanel.exe", Recorder("own"), true);
    Program("path/orvanel.exe", Recorder("path"), true);
    Program("orvanel.exe", Recorder("current"), true);
    const std::string strCurrent = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(m_dir.Path().c_str()), 0);
    const std::string own = Dir("own"), path = Dir("path"), empty = Dir("empty");

    // Each start is awaited before the next, so the log's order is the order of the starts.
    EXPECT_EQ(LaunchProgram(kHostProgram, {own, {empty, path}}), CLaunchOutcome::Started);
    EXPECT_EQ(LogLines(), (Strings{"own"}));  // started with no arguments
    EXPECT_EQ(LaunchProgram(kHostProgram, {"", {empty, path}}), CLaunchOutcome::Started);
    EXPECT_EQ(LogLines(), (Strings{"own", "path"}));
    EXPECT_EQ(LaunchProgram(kHostProgram, {"", SplitSearchPath(":.:relative:" + empty)}), CLaunchOutcome::FileNotFound);
    EXPECT_EQ(LogLines(), (Strings{"own", "path"}));  // the current folder never
    ASSERT_EQ(::chdir(strCurrent.c_str()), 0);
}

// Each row's program is the only one in a folder of its own; the message
// tells the outcome.
TEST_F(LaunchTest, FailuresMapOntoTheirMessages) {
    for (const test::CCase& c : test::ReadCases("launch.tsv")) {
        const std::string strDir = c.Where();
        if (c["mode"] == "folder") m_dir.Write(strDir, c["program"]);
        if (c["mode"] == "exec" || c["mode"] == "plain")
            Program(strDir + "/orvanel.exe", c["program"], c["mode"] == "exec");
        const CLaunchOutcome outcome = LaunchProgram(kHostProgram, {"", {m_dir.Path() + "/" + strDir}});
        const std::u8string_view message = LaunchMessage(outcome);
        EXPECT_EQ(std::string(message.begin(), message.end()), c["message"]) << c.Where();
    }
    EXPECT_EQ(LaunchMessage(CLaunchOutcome::OutOfMemory), u8"Не хватает памяти");
}

TEST_F(LaunchTest, AWindowsProgramStartsThroughWineFromThePath) {
    Program("windows/orvanel.exe", "MZ\x90\x00 a Windows program", false);
    Program("wine/wine", Recorder("wine"), true);
    const std::string strHost = Dir("windows") + "/orvanel.exe";
    EXPECT_EQ(LaunchProgram(kHostProgram, {Dir("windows"), {Dir("wine")}}), CLaunchOutcome::Started);
    EXPECT_EQ(LogLines(), Strings{"wine " + strHost});
}

TEST_F(LaunchTest, EveryStartIsOneMoreAndNoneIsLeftAZombie) {
    Program("path/orvanel.exe", Recorder("host"), true);
    const std::string path = Dir("path");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(LaunchProgram(kHostProgram, {"", {path}}), CLaunchOutcome::Started);
    EXPECT_EQ(LogLines().size(), 3u);
    EXPECT_EQ(ReapFinishedChildren(), 0);
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);  // no child of ours is left to collect
}

TEST(SplitSearchPath, KeepsOnlyAbsoluteFolders) {
    EXPECT_EQ(SplitSearchPath("/usr/bin::.:bin:/opt/x/"), (Strings{"/usr/bin", "/opt/x/"}));
    EXPECT_EQ(SplitSearchPath(""), Strings{});
}

}  // namespace
}  // namespace sorvanta

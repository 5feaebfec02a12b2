#include "text/filereading.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "support/cases.h"
#include "support/tempdir.h"
#include "text/filenames.h"

namespace sorvanta {
namespace {

TEST(FileReading, LinesEndAtLfWithAnOptionalCr) {
    for (const test::CCase& c : test::ReadCases("lines.tsv")) {
        std::string strLines;
        for (const std::string_view line : SplitTextLines(c["text"])) strLines += std::string(line) + "|";
        EXPECT_EQ(strLines, c["lines"]) << c.Where();
    }
}

TEST(FileReading, ReadsBytesUnchangedAndRefusesWhatIsNoRegularFile) {
    test::CTempDir dir;
    const std::string binary("\0\r\n\xff\x1a tail", 10);
    EXPECT_EQ(ReadWholeFile(dir.Write("book.htm", binary))->View(), binary);
    EXPECT_EQ(ReadWholeFile(dir.Write("empty.htm", ""))->View(), "");
#ifdef _WIN32
    // Device names stand in every folder; reading one must neither wait for
    // the console nor give the empty text of NUL.
    const std::string strDevices[] = {dir.Path() + "\\NUL", dir.Path() + "\\CON", "CONIN$"};
#else
    const std::string strDevices[] = {"/dev/null"};
    ASSERT_EQ(mkfifo((dir.Path() + "/pipe.htm").c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(dir.Path() + "/pipe.htm").has_value());  // refused, not waited for
#endif
    for (const std::string& strDevice : strDevices) EXPECT_FALSE(ReadWholeFile(strDevice).has_value()) << strDevice;
    for (const std::string& strPath : {dir.Path() + "/missing.htm", dir.MakeDir("folder.htm")}) {
        EXPECT_FALSE(ReadWholeFile(strPath).has_value()) << strPath;
    }
}

// Sparse files: a file of 64 GiB costs no disk space and, being over the
// limit, no memory either.
TEST(FileReading, AFileOverTheSizeLimitIsTreatedLikeOneThatCannotBeOpened) {
    test::CTempDir dir;
    const std::pair<std::uintmax_t, bool> cases[] = {
        {kMaxFileSize, true},
        {kMaxFileSize + 1, false},
        {std::uintmax_t{64} << 30, false},
    };
    for (const auto& [nSize, bRead] : cases) {
        const std::string strPath = dir.Write("book.htm", "");
        std::filesystem::resize_file(strPath, nSize);
        bool bMissing = true;
        const std::optional<CFileBytes> bytes = ReadWholeFile(strPath, &bMissing);
        EXPECT_EQ(bytes.has_value(), bRead) << nSize;
        EXPECT_EQ(bytes ? bytes->View().size() : 0, bRead ? nSize : 0) << nSize;
        EXPECT_FALSE(bMissing) << nSize;
    }
}

TEST(FileNames, FindsAFileWhateverTheLetterCaseOfItsName) {
#ifdef _WIN32
    GTEST_SKIP() << test::kPosixOnly << "the file system of Windows finds names whatever their case itself";
#endif
    test::CTempDir dir;
    dir.Write("mod/Gen.htm", "g");
    dir.Write("mod/\xd0\x98\xd0\xbd.htm", "i");  // "Ин.htm" in UTF-8
    const std::string strMod = dir.Path() + "/mod/";
    EXPECT_EQ(FindFileNoCase(strMod + "Gen.htm"), strMod + "Gen.htm");
    EXPECT_EQ(FindFileNoCase(strMod + "GEN.HTM"), strMod + "Gen.htm");
    EXPECT_EQ(FindFileNoCase(strMod + "\xd0\x98\xd0\x9d.HTM"), strMod + "\xd0\x98\xd0\xbd.htm");  // "ИН.HTM"
    EXPECT_EQ(FindFileNoCase(strMod + "EXO.HTM"), strMod + "EXO.HTM");  // nothing matches: unchanged
    EXPECT_EQ(FindFileNoCase(dir.Path() + "/none/GEN.HTM"), dir.Path() + "/none/GEN.HTM");
}

TEST(FileNames, ReadsAFileWhateverTheLetterCaseOfItsName) {
#ifdef _WIN32
    GTEST_SKIP() << test::kPosixOnly << "names that differ only in letter case are one name on Windows";
#endif
    test::CTempDir dir;
    dir.Write("mod/gen.htm", "small");
    dir.Write("mod/GEN.htm", "mixed");
    dir.Write("mod/\xd0\x98\xd0\xbe\xd0\xb0\xd0\xbd.TXT", "john");  // "Иоан.TXT"
    dir.MakeDir("mod/DIR.HTM");
    dir.Write("mod/dir.htm", "behind a directory");
    const std::string strMod = dir.Path() + "/mod/";
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"GEN.htm", "mixed"},  // the name as given first
        {"GEN.HTM", "small"},  // then in small letters
        {"Gen.Htm", "small"},
        {"\xd0\x98\xd0\x9e\xd0\x90\xd0\x9d.TXT", "john"},  // "ИОАН.TXT": found in the listing
        {"EXO.HTM", std::nullopt},
        {"DIR.HTM", std::nullopt},  // exists, but is no file
    };
    for (const auto& [name, content] : cases) {
        const std::optional<CFileBytes> bytes = ReadFileNoCase(strMod + name);
        ASSERT_EQ(bytes.has_value(), content.has_value()) << name;
        if (bytes) {
            EXPECT_EQ(bytes->View(), *content) << name;
        }
    }
}

}  // namespace
}  // namespace sorvanta

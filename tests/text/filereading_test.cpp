#include "text/filereading.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/tempdir.h"
#include "text/filenames.h"

namespace sorvanta {
namespace {

TEST(FileReading, LinesEndAtLfWithAnOptionalCr) {
    using Lines = std::vector<std::string_view>;
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"\n\n", {"", ""}},
        {"a\rb\r\r\n", {"a\rb\r"}},  // a lone CR is text; only the CR before LF goes
        {std::string("x\0y\n", 4), {std::string_view("x\0y", 3)}},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(SplitTextLines(text), lines);
}

TEST(FileReading, ReadsBytesUnchangedAndRefusesWhatIsNoRegularFile) {
    test::CTempDir dir;
    const std::string binary("\0\r\n\xff\x1a tail", 10);
    EXPECT_EQ(ReadWholeFile(dir.Write("book.htm", binary)), binary);
    EXPECT_EQ(ReadWholeFile(dir.Write("empty.htm", "")), std::string());
    EXPECT_EQ(ReadWholeFile(dir.Path() + "/missing.htm"), std::nullopt);
    EXPECT_EQ(ReadWholeFile(dir.MakeDir("folder.htm")), std::nullopt);
    EXPECT_EQ(ReadWholeFile("/dev/null"), std::nullopt);
}

TEST(FileNames, FindsAFileWhateverTheLetterCaseOfItsName) {
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

}  // namespace
}  // namespace sorvanta

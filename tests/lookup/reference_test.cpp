#include "lookup/reference.h"

#include <gtest/gtest.h>

#include "support/cases.h"

namespace sorvanta {
namespace {

TEST(ParseReference, CutsTypedTextIntoFourFields) {
    for (const test::CCase& c : test::ReadCases("reference.tsv")) {
        const bool bUtf8 = c["encoding"] == "utf8";
        const auto text = [&](const std::string& column) { return bUtf8 ? c[column] : c.Cp(column); };
        const Reference reference = ParseReference(text("typed"), bUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp1251);
        EXPECT_EQ(reference.m_strBook, text("book")) << c.Where();
        EXPECT_EQ(reference.m_strChapter, text("chapter")) << c.Where();
        EXPECT_EQ(reference.m_strFirstVerse, text("first")) << c.Where();
        EXPECT_EQ(reference.m_strLastVerse, text("last")) << c.Where();
    }
}

TEST(ParseReference, HugeInputIsCutWithoutTrouble) {
    const Reference reference = ParseReference("Jn " + std::string(100000, '7') + ":" + std::string(50000, '1'));
    EXPECT_EQ(reference.m_strBook, "Jn ");
    EXPECT_EQ(reference.m_strChapter.size(), 100001u);
    EXPECT_EQ(reference.m_strFirstVerse.size(), 50000u);
}

}  // namespace
}  // namespace sorvanta

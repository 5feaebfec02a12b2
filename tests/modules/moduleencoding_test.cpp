#include "modules/moduleencoding.h"

#include <gtest/gtest.h>

#include "modules/catalogue.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

TEST(ModuleEncoding, ByteOrderMarkThenKeyThenWellFormedUtf8) {
    constexpr TextEncoding kCp = TextEncoding::Cp1251, kUtf8 = TextEncoding::Utf8;
    const std::pair<std::string, TextEncoding> cases[] = {
        {"\xef\xbb\xbf"
         "BibleName = X\n",
         kUtf8},
        {"\xef\xbb\xbf"
         "DefaultEncoding = cp1251\n",
         kUtf8},
        {"DefaultEncoding = utf-8\nBibleName = X\n", kUtf8},
        {"x DefaultEncoding =   UTF8  \r\n", kUtf8},
        {"DefaultEncoding = utf-8\nDefaultEncoding = windows-1251\nBibleName = Юникод\n", kCp},  // the last key wins
        {"// DefaultEncoding = utf-8\n", kCp},                                                   // commented out
        {"DefaultEncoding = utf-8 // a note\n", kUtf8},
        {"DefaultEncoding=utf-8\n", kCp},  // not the key literal
        {"BibleName = Юникод\n", kUtf8},
        {Cp("BibleName = Синодальный\n"), kCp},
        {Cp("BibleName = Ёё Ъ Р°\n"), kCp},
        {"BibleName = Plain\n", kCp},
        {"", kCp},
    };
    for (const auto& [ini, encoding] : cases) EXPECT_EQ(DetectModuleEncoding(ini), encoding) << ini;
}

TEST(ModuleEncoding, TheCatalogueKeepsEachModulesEncodingWithItsNames) {
    const ModuleCatalogue catalogue = ScanModules(SORVANTA_TEST_DATA "/encodings");
    EXPECT_EQ(catalogue.m_arrNames,
              (std::vector<std::string>{Cp("Синодальный"), "Юникод с меткой", "Keyed", "Юникод без метки"}));
    EXPECT_EQ(catalogue.m_arrEncodings, (std::vector<TextEncoding>{TextEncoding::Cp1251, TextEncoding::Utf8,
                                                                   TextEncoding::Utf8, TextEncoding::Utf8}));
}

}  // namespace
}  // namespace sorvanta

#include "modules/moduleencoding.h"

#include <gtest/gtest.h>

#include "modules/catalogue.h"
#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

TEST(ModuleEncoding, ByteOrderMarkThenKeyThenWellFormedUtf8) {
    for (const test::CCase& c : test::ReadCases("moduleencoding.tsv")) {
        const TextEncoding expected = c["encoding"] == "utf8" ? TextEncoding::Utf8 : TextEncoding::Cp1251;
        EXPECT_EQ(DetectModuleEncoding(c["ini"]), expected) << c.Where();
    }
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

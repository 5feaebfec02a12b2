#include "lookup/lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lookup/citation.h"
#include "modules/catalogue.h"
#include "support/tempdir.h"
#include "text/filereading.h"

namespace sorvanta {
namespace {

using test::Cp;

class LookUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strIni = m_dir.Write("mod/orvanel.ini", Cp("BibleName = Проба\n"
                                                     "ChapterSign = <h4>\n"
                                                     "VerseSign = <p>\n"
                                                     "F = kn.htm\nQ = 2\nA = Кн Сл\n"
                                                     "F = none.htm\nQ = 1\nA = Нет\n"
                                                     "F = dir.htm\nQ = 1\nA = Папка\n"
                                                     "F = huge.htm\nQ = 1\nA = Огромная\n"
                                                     "F = dot.htm\nQ = 1\nA = Сл.\n"
                                                     "F = ../secret.htm\nQ = 1\nA = Тайна\n") +
                                                      "F = " + m_dir.Write("secret.htm", Cp("<h4><p>1 Тайна")) +
                                                      Cp("\nQ = 1\nA = Путь\n"));
        m_dir.Write("mod/dot.htm", Cp("<h4><p>1 Точка"));
        m_dir.Write("mod/KN.HTM", Cp("<html>\r\n<h4>Глава 1</h4>\r\n<p>1 Alpha\r\n<p>2 Beta\r\n<p>3 Gamma\r\n"
                                     "<h4>Глава 2</h4>\r\n<p>1 Delta\r\n<p>2 Epsilon\r\n"));
        m_dir.MakeDir("mod/dir.htm");
        std::filesystem::resize_file(m_dir.Write("mod/huge.htm", Cp("<h4><p>1 Слово")), kMaxFileSize + 1);
        ReadModuleMarkers(m_strIni, m_markers);
    }

    LookupResult LookUpTyped(const std::string& strTyped) { return LookUp(Cp(strTyped), m_strIni, m_markers); }

    test::CTempDir m_dir;
    std::string m_strIni;
    ModuleMarkers m_markers;
};

TEST_F(LookUpTest, QuotationIsTheReferenceAsTypedThenThePassage) {
    const std::pair<std::string, std::string> cases[] = {
        {"Кн 1:1", "Кн 1:1. Alpha"},
        {"кн 1:2-3", "кн 1:2-3. Beta\r\n3 Gamma"},
        {"  КН 2  ", "  КН 2  . Глава 2\r\n1 Delta\r\n2 Epsilon"},
        {"Кн2,2", "Кн2,2. Epsilon"},
        // Dashes split ranges; a reference not found as typed is sought with
        // the full stop after the book dropped and no-break spaces as blanks,
        // the quotation still starting as typed; a reference found as typed
        // is never changed ("Сл." has a book of its own); several references
        // give one quotation each.
        {"Кн 1:1–2", "Кн 1:1–2. Alpha\r\n2 Beta"},
        {"Кн 1:2 — 3", "Кн 1:2 — 3. Beta\r\n3 Gamma"},
        {"Кн. 1:1", "Кн. 1:1. Alpha"},
        {"Кн.2", "Кн.2. Глава 2\r\n1 Delta\r\n2 Epsilon"},
        {"Кн\u00a01:1\u00a0-\u00a02", "Кн\u00a01:1\u00a0-\u00a02. Alpha\r\n2 Beta"},
        {"Кн 1:2\u00a0-\u00a03", "Кн 1:2\u00a0-\u00a03. Beta\r\n3 Gamma"},
        {"Сл. 1:1", "Сл. 1:1. Точка"},
        {"Сл 1:1", "Сл 1:1. Alpha"},
        {"Кн 1:1; 2:2", "Кн 1:1. Alpha\r\n2:2. Epsilon"},
        {" Кн 1:3 ;Кн. 2:1;", "Кн 1:3. Gamma\r\nКн. 2:1. Delta"},
    };
    for (const auto& [typed, quotation] : cases) {
        const LookupResult result = LookUpTyped(typed);
        EXPECT_EQ(result.m_outcome, LookupOutcome::Found) << typed;
        EXPECT_EQ(FormatQuotation(result, {}), Cp(quotation)) << typed;
    }
}

TEST_F(LookUpTest, FailuresTellWhichMessagesToShow) {
    const std::pair<std::string, LookupOutcome> cases[] = {
        {"Кн 3", LookupOutcome::NotFound},
        {"Кн 1:9", LookupOutcome::NotFound},
        {"Нет 1:1", LookupOutcome::NotFound},
        {"Папка 1", LookupOutcome::NotFound},
        {"Огромная 1:1", LookupOutcome::NotFound},
        {"Тайна 1:1", LookupOutcome::NotFound},  // a book file outside the module's folder is never read
        {"Путь 1", LookupOutcome::NotFound},
        {"Откр 1:1", LookupOutcome::NoBook},
        {"3:16", LookupOutcome::NoBook},
        {"", LookupOutcome::NoBook},
        {"Кн.. 1:1", LookupOutcome::NoBook},
        {";", LookupOutcome::NoBook},
        {"Кн. 1:9", LookupOutcome::NoBook},  // not found in either form: what the form typed found
        {"Кн 1:1; 2:9", LookupOutcome::NotFound},
        {"Кн 1:1; Откр 1; Кн 9", LookupOutcome::NoBook},  // the first part not found tells
    };
    for (const auto& [typed, outcome] : cases) {
        const LookupResult result = LookUpTyped(typed);
        EXPECT_EQ(result.m_outcome, outcome) << typed;
        EXPECT_TRUE(result.m_arrParts.empty()) << typed;
    }
    EXPECT_EQ(LookUp(Cp("Кн 1:1"), "", m_markers).m_outcome, LookupOutcome::NoBook);  // no module selected

    const std::string strNotFound = Cp("Искомый отрывок не найден");
    EXPECT_EQ(LookupMessages(LookupOutcome::NoBook),
              (std::vector<std::string>{Cp("Нету книг c таким сокращением или не выбран модуль"), strNotFound}));
    EXPECT_EQ(LookupMessages(LookupOutcome::NoBook)[0][10], 'c');  // the Latin letter, byte 0x63
    EXPECT_EQ(LookupMessages(LookupOutcome::NotFound), std::vector<std::string>{strNotFound});
    EXPECT_TRUE(LookupMessages(LookupOutcome::Found).empty());
}

// The same request, typed in code page 1251 (as the desktop program passes
// it) or in UTF-8 (as the command line does), in modules of either encoding.
TEST(LookUpEncodings, EachModuleReadsInItsOwnEncoding) {
    const ModuleCatalogue catalogue = ScanModules(SORVANTA_TEST_DATA "/encodings");
    ASSERT_EQ(catalogue.m_arrModuleIni.size(), 4u);
    struct Case {
        std::size_t module;
        std::string typed, quotation;  // UTF-8
    };
    const Case cases[] = {
        {0, "кн 1:2", "кн 1:2. Оно было в начале."},
        {1, "КН 1:1-2", "КН 1:1-2. Вначале было Слово.\r\n2 Оно было в начале."},
        {1, "ёж 1:3", "ёж 1:3. Всё через Него."},
        {1, "Ґн 1", "Ґн 1. Глава 1\r\n1 Вначале было Слово.\r\n2 Оно было в начале.\r\n3 Всё через Него."},
        {2, "jn 1:2", "jn 1:2. Оно было в начале."},
        {3, "иоан 1:1–2", "иоан 1:1–2. Вначале было Слово,\n2 Оно было в начале у Бога."},
        {3, "Ин. 1:1; 1:3", "Ин. 1:1. Вначале было Слово,\r\n1:3. Всё через Него начало быть."},
    };
    for (const Case& c : cases) {
        const std::string& strIni = catalogue.m_arrModuleIni[c.module];
        const TextEncoding encoding = catalogue.m_arrEncodings[c.module];
        ModuleMarkers markers;
        ReadModuleMarkers(strIni, markers);
        for (const auto& [typed, typedEncoding] :
             {std::pair{Cp(c.typed), TextEncoding::Cp1251}, std::pair{c.typed, TextEncoding::Utf8}}) {
            const LookupResult result = LookUp(typed, strIni, markers, encoding, typedEncoding);
            EXPECT_EQ(result.m_outcome, LookupOutcome::Found) << c.typed;
            EXPECT_EQ(result.m_encoding, encoding) << c.typed;
            EXPECT_EQ(ConvertText(FormatQuotation(result, {}), encoding, TextEncoding::Utf8), c.quotation) << c.typed;
        }
    }
}

TEST_F(LookUpTest, EmptyMarkersFindNothing) {
    const ModuleMarkers noMarkers;
    EXPECT_EQ(LookUp(Cp("Кн 1:1"), m_strIni, noMarkers).m_outcome, LookupOutcome::NotFound);
}

}  // namespace
}  // namespace sorvanta

// The passages table (tests/data/cases/passages.tsv) through LookUp and
// FormatQuotation: the same cases the command-line test runs.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "cli/options.h"
#include "lookup/citation.h"
#include "lookup/lookup.h"
#include "modules/catalogue.h"
#include "text/codec.h"

namespace sorvanta {
namespace {

// A field of a case file: \t \r \n \\ and \xHH (any byte) escaped.
std::string Unescape(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
        } else if (const char code = field[++i]; code == 'x') {
            out += static_cast<char>(std::stoi(std::string(field.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += code == 't' ? '\t' : code == 'r' ? '\r' : code == 'n' ? '\n' : code;
        }
    }
    return out;
}

using CRow = std::map<std::string, std::string>;

std::vector<CRow> ReadRows(const std::string& strName) {
    std::ifstream file(std::string(SORVANTA_TEST_DATA) + "/cases/" + strName);
    std::vector<std::string> columns;
    std::vector<CRow> rows;
    std::string strLine;
    for (int number = 1; std::getline(file, strLine); ++number) {
        if (strLine.empty() || strLine[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream line(strLine);
        for (std::string strField; std::getline(line, strField, '\t');) fields.push_back(Unescape(strField));
        if (strLine.back() == '\t') fields.emplace_back();
        if (columns.empty()) {
            columns = fields;
            continue;
        }
        CRow row{{"where", strName + ":" + std::to_string(number)}};
        for (std::size_t i = 0; i < columns.size(); ++i) row[columns[i]] = i < fields.size() ? fields[i] : "";
        rows.push_back(std::move(row));
    }
    return rows;
}

// The options of a case: split where a blank comes before "--" (a value may hold blanks).
std::vector<std::string> Options(const std::string& strText) {
    std::vector<std::string> options;
    for (std::size_t start = 0; start < strText.size();) {
        const std::size_t end = std::min(strText.find(" --", start), strText.size());
        const std::string strOption = strText.substr(start, end - start);
        const std::size_t blank =
            strOption.find_first_of(" =") == strOption.find(' ') ? strOption.find(' ') : std::string::npos;
        options.push_back(strOption.substr(0, blank));  // "--format quoted": the name, then the value
        if (blank != std::string::npos) options.push_back(strOption.substr(blank + 1));
        start = end + 1;
    }
    return options;
}

TEST(Passages, EachCaseOfTheTable) {
    const ModuleCatalogue catalogue = ScanModules(std::string(SORVANTA_TEST_DATA) + "/refs");
    const std::vector<CRow> rows = ReadRows("passages.tsv");
    ASSERT_GT(rows.size(), 40U);
    for (const CRow& row : rows) {
        SCOPED_TRACE(row.at("where"));
        const COptionsResult options = ParseOptions(Options(row.at("options")));
        ASSERT_EQ(options.m_strError, "");
        const auto nModule = static_cast<std::size_t>(std::stoi(row.at("module")));
        const std::string& strIni = catalogue.m_arrModuleIni.at(nModule);
        ModuleMarkers markers;
        ReadModuleMarkers(strIni, markers);
        const LookupResult result = LookUp(row.at("typed"), strIni, markers, catalogue.m_arrEncodings[nModule],
                                           TextEncoding::Utf8, options.m_options.m_passage);
        const std::map<std::string, LookupOutcome> outcomes{{"found", LookupOutcome::Found},
                                                            {"no-book", LookupOutcome::NoBook},
                                                            {"not-found", LookupOutcome::NotFound}};
        EXPECT_EQ(result.m_outcome, outcomes.at(row.at("outcome")));
        EXPECT_EQ(ConvertText(FormatQuotation(result, options.m_options.m_citation, options.m_options.m_strTemplate),
                              result.m_encoding, TextEncoding::Utf8),
                  row.at("quotation"));
        EXPECT_EQ(Cp1251ToUtf8(result.m_strReason), row.at("reason"));
    }
}

}  // namespace
}  // namespace sorvanta

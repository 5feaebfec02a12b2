#include "support/cases.h"

#include <fstream>
#include <stdexcept>

#include "support/tempdir.h"

namespace sorvanta::test {
namespace {

std::string Unescape(const std::string& strField) {
    std::string out;
    for (std::size_t i = 0; i < strField.size(); ++i) {
        if (strField[i] != '\\' || i + 1 == strField.size()) {
            out += strField[i];
            continue;
        }
        switch (const char code = strField[++i]) {
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            case 'x':
                out += static_cast<char>(std::stoi(strField.substr(i + 1, 2), nullptr, 16));
                i += 2;
                break;
            default: out += code;
        }
    }
    return out;
}

std::vector<std::string> Fields(const std::string& strLine) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = strLine.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(Unescape(strLine.substr(start, tab - start)));
    fields.push_back(Unescape(strLine.substr(start)));
    return fields;
}

}  // namespace

CCase::CCase(std::string strWhere, std::map<std::string, std::string> fields)
    : m_strWhere(std::move(strWhere)), m_fields(std::move(fields)) {}

const std::string& CCase::operator[](const std::string& column) const {
    const auto found = m_fields.find(column);
    if (found == m_fields.end()) throw std::out_of_range(m_strWhere + ": no column " + column);
    return found->second;
}

std::string CCase::Cp(const std::string& column) const {
    return test::Cp((*this)[column]);
}

std::vector<CCase> ReadCases(const std::string& strName) {
    std::ifstream file(std::string(SORVANTA_TEST_DATA) + "/cases/" + strName);
    if (!file) throw std::runtime_error("no case file " + strName);
    std::vector<std::string> columns;
    std::vector<CCase> cases;
    std::string strLine;
    for (int number = 1; std::getline(file, strLine); ++number) {
        if (strLine.empty() || strLine[0] == '#') continue;
        std::vector<std::string> fields = Fields(strLine);
        if (columns.empty()) {
            columns = std::move(fields);
            continue;
        }
        const std::string strWhere = strName + ":" + std::to_string(number);
        if (fields.size() != columns.size()) throw std::runtime_error(strWhere + ": not one field per column");
        std::map<std::string, std::string> row;
        for (std::size_t i = 0; i < columns.size(); ++i) row[columns[i]] = fields[i];
        cases.emplace_back(strWhere, std::move(row));
    }
    if (cases.empty()) throw std::runtime_error("no case in " + strName);
    return cases;
}

}  // namespace sorvanta::test

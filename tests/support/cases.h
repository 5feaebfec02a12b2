// Case files under tests/data/cases: a header line naming the columns, then
// one case a line, fields split by tabs. In a field \t \r \n \\ stand for a
// tab, a carriage return, a line feed and a backslash, \xHH for any byte.
// Blank lines and lines starting with # are skipped.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace sorvanta::test {

class CCase {
public:
    CCase(std::string strWhere, std::map<std::string, std::string> fields);
    // The field of `column`; an unknown column fails the test run.
    const std::string& operator[](const std::string& column) const;
    // The field of `column` in code page 1251 (the file is UTF-8).
    std::string Cp(const std::string& column) const;
    // "file:line", for failure messages.
    const std::string& Where() const { return m_strWhere; }

private:
    std::string m_strWhere;
    std::map<std::string, std::string> m_fields;
};

std::vector<CCase> ReadCases(const std::string& strName);

}  // namespace sorvanta::test

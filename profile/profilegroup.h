// One group of the profile ("[name]" and its lines): keys with their values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "profile/nameindex.h"

namespace sorvanta {

class CProfile;

// Every line keeps the form it has in the file until it is changed: a value
// that is set to what it already holds is written back exactly as it was
// read, and lines that are not values (comments) are written back as they
// stand.
class CProfileGroup {
public:
    explicit CProfileGroup(std::string strName) : m_strName(std::move(strName)) {}

    const std::string& Name() const { return m_strName; }

    // The value of `key`, or nothing when the group lacks it.
    std::optional<std::string> Value(std::string_view key) const;
    // Every key with its value, in the order they stand.
    std::vector<std::pair<std::string, std::string>> Values() const;

    // `key` is a name of the program's own: not empty, without "=", line
    // breaks or blanks at its ends, not starting with "[", ";" or "#". A new
    // key goes after the others.
    void SetValue(std::string_view key, std::string_view value);
    // Removes every key with its value; other lines stay.
    void RemoveValues();

private:
    friend class CProfile;

    struct CLine {
        std::string m_strKey;      // empty for a line that is not a value
        std::string m_strWritten;  // the value as written, or the whole line
    };

    // Reading the file: a later line of the same key replaces the earlier one.
    void AddWrittenValue(std::string_view key, std::string_view written);
    void AddOtherLine(std::string_view line);
    void AppendText(std::string& text) const;
    // The index of the key's line, or the number of lines when it has none.
    std::size_t FindLine(std::string_view key) const;

    std::string m_strName;
    std::vector<CLine> m_arrLines;
    CNameIndex m_mapLineOfKey;  // the index of each key's line
};

}  // namespace sorvanta

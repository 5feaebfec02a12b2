// The profile file's text: groups ("[name]" lines) of "key=value" lines. The
// desktop program keeps its settings in group "Settings"; other groups share
// the file and are written with them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/nameindex.h"
#include "profile/profilegroup.h"

namespace sorvanta {

class CProfile {
public:
    CProfile() : m_arrGroups{CProfileGroup("")}, m_mapGroupOfName{{"", 0}} {}

    // The profile that `text` holds, or nothing when it cannot be parsed: it
    // holds a NUL byte, or a line starting with "[" lacks its closing "]".
    // Blank lines are dropped; other lines without "=" are kept as they stand.
    static std::optional<CProfile> Parse(std::string_view text);

    // The text to write: the groups in the order read, groups added later
    // after them, a blank line between two groups.
    std::string Text() const;

    // The group of that name, or nullptr.
    const CProfileGroup* FindGroup(std::string_view name) const;
    // The group of that name, added after the others when absent.
    CProfileGroup& Group(std::string_view name);

private:
    // The index of the group, or the number of groups when there is none.
    std::size_t FindGroupIndex(std::string_view name) const;

    // The first group, named "", holds the lines before any group line and
    // is written without one.
    std::vector<CProfileGroup> m_arrGroups;
    CNameIndex m_mapGroupOfName;  // the index of each group
};

}  // namespace sorvanta

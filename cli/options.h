// The command line of sorvanta-lookup.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lookup/citation.h"

namespace sorvanta {

struct CLookupOptions {
    std::optional<std::string> m_strDirectory;  // absent: the desktop program's setting
    std::optional<std::string> m_strModule;     // display name, UTF-8
    std::optional<long> m_nModuleIndex;         // 0-based catalogue index
    bool m_bCp1251Output = false;
    bool m_bNullTerminated = false;
    bool m_bList = false;
    bool m_bHelp = false;
    bool m_bFind = false;                      // the references are words to find verses by
    CCitationStyle m_citation;                 // --format, --no-verse-numbers, --join
    bool m_bHtml = false;                      // quotations as UTF-8 HTML fragments
    CPassageOptions m_passage;                 // --keep-strong
    std::string m_strTemplate;                 // --template (UTF-8), "" for the format's own
    std::vector<std::string> m_arrReferences;  // UTF-8, as given
};

struct COptionsResult {
    CLookupOptions m_options;
    std::string m_strError;  // non-empty: a usage error
};

COptionsResult ParseOptions(const std::vector<std::string>& arrArgs);

extern const char* const kLookupUsage;

}  // namespace sorvanta

// sorvanta-lookup: the lookup core behind a command line.
#pragma once

#include <iosfwd>

#include "cli/options.h"

namespace sorvanta {

inline constexpr int kExitAllFound = 0;
inline constexpr int kExitSomeNotFound = 1;
inline constexpr int kExitUsage = 2;

int RunLookupTool(const CLookupOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace sorvanta

// sorvanta-lookup's start: the arguments (UTF-8, without the program's name)
// and the three standard streams, as each system's main gives them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace sorvanta {

int LookupMain(const std::vector<std::string>& arrArgs, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace sorvanta

// Turning a cut passage into the plain text that is quoted.
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

// Removes the mark-up tags (everything from "<" to ">"), the white space at
// both ends, and the first word when it equals the first verse's number.
std::string CleanPassage(std::string_view strPassage, std::string_view strFirstVerse);

}  // namespace sorvanta

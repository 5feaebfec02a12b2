// Cutting a chapter, verse or verse range out of a book file's text.
#pragma once

#include <string_view>

#include "lookup/reference.h"

namespace sorvanta {

// The bytes of the passage the reference asks for, a part of `strBook`, found
// by counting the chapter marker and then the verse marker; "" when nothing is
// found. A whole
// chapter starts one byte before its marker. A request that reaches a
// chapter's last verse ends where the next chapter begins.
std::string_view ExtractPassage(std::string_view strBook, const Reference& reference, std::string_view strChapterSign,
                                std::string_view strVerseSign);

}  // namespace sorvanta

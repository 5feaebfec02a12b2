// The key-line rule of the module configuration file "orvanel.ini".
#pragma once

#include <optional>
#include <string_view>

namespace sorvanta {

inline constexpr std::string_view kBibleNameKey = "BibleName =";
inline constexpr std::string_view kChapterSignKey = "ChapterSign =";
inline constexpr std::string_view kVerseSignKey = "VerseSign =";

// Position of the line's first comment marker "//", or npos.
std::size_t CommentPosition(std::string_view line);

// The trimmed value when the line counts for the key: the key literal occurs
// in it (anywhere, case-sensitively) and no "//" stands before it. The value
// runs from just after the key to the end of the line.
std::optional<std::string_view> KeyLineValue(std::string_view line, std::string_view key, std::size_t commentPos);
std::optional<std::string_view> KeyLineValue(std::string_view line, std::string_view key);

}  // namespace sorvanta

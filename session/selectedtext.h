// A reference selected in another program, looked up as if typed: what
// makes a selection no reference, and what the person is told of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorvanta {

// A selection of this many bytes as UTF-8, or more, is no reference.
inline constexpr std::size_t kLargestSelection = 10 * 1024 * 1024;

enum class CSelectionProblem {
    None,      // looked up as it is (a blank one asks nothing)
    TooLarge,  // kLargestSelection or more
    NotText,   // a zero or an undecodable character, or data without any text
};

// `text` in UTF-16 units (the clipboard's on Windows, Qt's strings);
// bDataWithoutText: something was selected that offers no text at all.
template <typename Char>
CSelectionProblem ProblemOfSelection(std::basic_string_view<Char> text, bool bDataWithoutText) {
    static_assert(sizeof(Char) == 2, "UTF-16 units");
    std::size_t nUtf8 = 0;
    bool bBinary = false;
    for (const Char unit : text) {
        const auto nUnit = static_cast<std::uint16_t>(unit);
        // A surrogate pair is four bytes in UTF-8, two for each half.
        const bool bSurrogate = nUnit >= 0xD800 && nUnit < 0xE000;
        nUtf8 += nUnit < 0x80 ? 1 : nUnit < 0x800 || bSurrogate ? 2 : 3;
        if (nUtf8 >= kLargestSelection) return CSelectionProblem::TooLarge;
        bBinary = bBinary || nUnit == 0 || nUnit == 0xFFFD;
    }
    return bBinary || (text.empty() && bDataWithoutText) ? CSelectionProblem::NotText : CSelectionProblem::None;
}

// What the person is told (UTF-8); "" for None.
std::string SelectionProblemMessage(CSelectionProblem problem);

}  // namespace sorvanta

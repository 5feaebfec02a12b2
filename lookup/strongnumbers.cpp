#include "lookup/strongnumbers.h"

#include <algorithm>

#include "text/bytestring.h"
#include "text/codec.h"

namespace sorvanta {

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Whether the character at `pos` ends a word-bound number: none, white
// space, or a character that is neither a letter nor a digit.
bool EndsNumber(std::string_view text, std::size_t pos, TextEncoding encoding) {
    if (pos == text.size()) return true;
    char ch = text[pos];
    if (encoding == TextEncoding::Utf8 && static_cast<unsigned char>(ch) >= 0x80) {
        ch = UnicodeToCp1251(DecodeUtf8(text, pos));
    }
    return !IsLetterOrDigitCp1251(ch);
}

}  // namespace

void RemoveStrongNumbers(std::string& text, std::size_t keepUntil, TextEncoding encoding) {
    const std::string_view view(text);
    std::size_t write = 0;
    std::size_t read = 0;
    for (std::size_t blank = view.find(' ', std::max<std::size_t>(keepUntil, 1)); blank != std::string_view::npos;
         blank = view.find(' ', blank + 1)) {
        std::size_t end = blank + 1;
        while (end < view.size() && IsDigit(view[end])) ++end;
        if (end == blank + 1 || IsWhiteSpace(view[blank - 1]) || !EndsNumber(view, end, encoding)) continue;
        std::copy(view.begin() + static_cast<std::ptrdiff_t>(read), view.begin() + static_cast<std::ptrdiff_t>(blank),
                  text.begin() + static_cast<std::ptrdiff_t>(write));
        write += blank - read;
        read = end;
        blank = end - 1;
    }
    std::copy(view.begin() + static_cast<std::ptrdiff_t>(read), view.end(),
              text.begin() + static_cast<std::ptrdiff_t>(write));
    text.resize(write + view.size() - read);
}

}  // namespace sorvanta

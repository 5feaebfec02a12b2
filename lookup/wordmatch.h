// Whether a verse's text holds the words a reader typed to find it, letter
// case and "ё"/"е" ignored.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta {

// The most words, and the most letters in one word, a search takes: a whole
// verse pasted in still fits, and the cost of a search stays a small multiple
// of the text it reads.
inline constexpr std::size_t kMaxSearchWords = 100;
inline constexpr std::size_t kMaxSearchWordLetters = 40;

// Folds code page 1251 text in place for comparison: every letter becomes its
// capital, and "Ё" becomes "Е".
void FoldForSearch(std::string& text);

// The words of a typed text (code page 1251), folded: the runs of letters and
// digits, in the order typed.
std::vector<std::string> SearchWords(std::string_view typed);

// Why a search for these words is refused (code page 1251), "" when it is
// not: none of at least two letters, more than kMaxSearchWords words, or one
// longer than kMaxSearchWordLetters.
std::string SearchRefusal(const std::vector<std::string>& words);

// How a folded text holds the words; a word is held where a word of the text
// begins with it ("СВЕТ" in "СВЕТИЛЬНИК", not in "РАССВЕТ").
enum class CWordMatch {
    Phrase,    // the words one after another, with nothing but blanks and punctuation between
    InOrder,   // all of them in the order given, with other words between
    Anywhere,  // all of them, in another order
    None,      // not all of them
};

CWordMatch MatchWords(std::string_view folded, const std::vector<std::string>& words);

}  // namespace sorvanta

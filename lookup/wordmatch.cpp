#include "lookup/wordmatch.h"

#include <algorithm>
#include <array>

#include "text/bytestring.h"
#include "text/codec.h"

namespace sorvanta {

namespace {

constexpr unsigned char kCapitalYo = 0xA8;  // "Ё" in code page 1251
constexpr unsigned char kCapitalYe = 0xC5;  // "Е"

constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> table = detail::kUpperCp1251;
    for (unsigned char& folded : table) {
        if (folded == kCapitalYo) folded = kCapitalYe;
    }
    return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

constexpr std::size_t kNone = std::string_view::npos;

// The first place at or after `from` where a word of the text begins with `word`.
std::size_t FindAtWordStart(std::string_view text, std::string_view word, std::size_t from) {
    std::size_t pos = text.find(word, from);
    while (pos != kNone && pos > 0 && IsLetterOrDigitCp1251(text[pos - 1])) pos = text.find(word, pos + 1);
    return pos;
}

// Whether the words follow one another from `pos`, where the first stands.
bool PhraseAt(std::string_view text, const std::vector<std::string>& words, std::size_t pos) {
    pos += words.front().size();
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::size_t start = pos;
        while (pos < text.size() && !IsLetterOrDigitCp1251(text[pos])) ++pos;
        if (pos == start || text.substr(pos, words[i].size()) != words[i]) return false;
        pos += words[i].size();
    }
    return true;
}

}  // namespace

void FoldForSearch(std::string& text) {
    for (char& ch : text) ch = static_cast<char>(kFold[static_cast<unsigned char>(ch)]);
}

std::vector<std::string> SearchWords(std::string_view typed) {
    std::vector<std::string> words;
    for (std::size_t pos = 0; pos < typed.size() && words.size() <= kMaxSearchWords;) {
        if (!IsLetterOrDigitCp1251(typed[pos])) {
            ++pos;
            continue;
        }
        const auto end = std::find_if(typed.begin() + static_cast<std::ptrdiff_t>(pos), typed.end(),
                                      [](char ch) { return !IsLetterOrDigitCp1251(ch); });
        std::string word(typed.substr(pos, static_cast<std::size_t>(end - typed.begin()) - pos));
        pos += word.size();
        FoldForSearch(word);
        words.push_back(std::move(word));
    }
    return words;
}

std::string SearchRefusal(const std::vector<std::string>& words) {
    if (words.size() > kMaxSearchWords) {
        return Utf8ToCp1251("Слов для поиска больше ") + std::to_string(kMaxSearchWords) + ".";
    }
    if (std::any_of(words.begin(), words.end(),
                    [](const std::string& w) { return w.size() > kMaxSearchWordLetters; })) {
        return Utf8ToCp1251("Слово для поиска длиннее ") + std::to_string(kMaxSearchWordLetters) +
               Utf8ToCp1251(" букв.");
    }
    if (std::none_of(words.begin(), words.end(), [](const std::string& w) { return w.size() >= 2; })) {
        return Utf8ToCp1251("Для поиска нужно слово хотя бы из двух букв.");
    }
    return {};
}

CWordMatch MatchWords(std::string_view folded, const std::vector<std::string>& words) {
    if (words.empty()) return CWordMatch::None;
    for (const std::string& word : words) {
        if (FindAtWordStart(folded, word, 0) == kNone) return CWordMatch::None;
    }
    // The earliest place of each word after the one before tells whether any
    // order of places follows the words' order.
    std::size_t pos = 0;
    for (const std::string& word : words) {
        pos = FindAtWordStart(folded, word, pos);
        if (pos == kNone) return CWordMatch::Anywhere;
        pos += word.size();
    }
    for (pos = FindAtWordStart(folded, words.front(), 0); pos != kNone;
         pos = FindAtWordStart(folded, words.front(), pos + 1)) {
        if (PhraseAt(folded, words, pos)) return CWordMatch::Phrase;
    }
    return CWordMatch::InOrder;
}

}  // namespace sorvanta

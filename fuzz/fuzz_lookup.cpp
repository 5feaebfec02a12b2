// libFuzzer harness for the pure lookup steps. SORVANTA_FUZZ_STEP (0 parse,
// 1 extract, 2 clean, 3 marker search against a plain search, 4 upper-casing
// eight bytes at a time against the table byte by byte, 5 book file names
// against a plain line-by-line search, 6 UTF-8 decoding, 7 UTF-8 upper-casing
// and conversion, and the forms of a typed request) fixes the step; without
// it the first input byte picks it. Steps 5 and 7 take the module's encoding
// from the next byte. The input is split at NUL bytes into the step's
// arguments.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/bookresolver.h"
#include "lookup/clean.h"
#include "lookup/extract.h"
#include "lookup/reference.h"
#include "lookup/request.h"
#include "text/bytestring.h"
#include "text/codec.h"
#include "text/encoding.h"
#include "text/filereading.h"
#include "text/markersearch.h"

namespace {

std::vector<std::string_view> SplitAtNul(std::string_view data, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t nul = data.find('\0');
        if (nul == std::string_view::npos) break;
        parts.push_back(data.substr(0, nul));
        data.remove_prefix(nul + 1);
    }
    parts.push_back(data);
    parts.resize(count);
    return parts;
}

// The book file name found the plain way: line by line, every occurrence of
// the word in the upper-cased line, the line two above taken from the list.
std::optional<std::string_view> PlainBookFileName(std::string_view text, std::string_view word,
                                                  sorvanta::TextEncoding encoding) {
    const std::vector<std::string_view> lines = sorvanta::SplitTextLines(text);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string line = sorvanta::MakeUpper(lines[i], encoding);
        for (std::size_t pos = line.find(word); pos != std::string::npos; pos = line.find(word, pos + 1)) {
            const std::size_t after = pos + word.size();
            if (pos > 0 && sorvanta::IsLetterOrDigitCp1251(sorvanta::Cp1251CharacterBefore(line, pos, encoding))) {
                continue;
            }
            if (after < line.size() && line[after] != ' ') continue;
            const std::size_t equals = lines[i - 2].find('=');
            if (equals != std::string_view::npos) return sorvanta::Trim(lines[i - 2].substr(equals + 1));
        }
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const char* const fixedStep = std::getenv("SORVANTA_FUZZ_STEP");
    std::string_view data(reinterpret_cast<const char*>(bytes), size);
    int step = 0;
    if (fixedStep != nullptr) {
        step = std::atoi(fixedStep);
    } else if (!data.empty()) {
        step = static_cast<unsigned char>(data.front()) % 8;
        data.remove_prefix(1);
    }
    sorvanta::TextEncoding encoding = sorvanta::TextEncoding::Cp1251;
    if ((step == 5 || step == 7) && !data.empty()) {
        if (data.front() % 2 != 0) encoding = sorvanta::TextEncoding::Utf8;
        data.remove_prefix(1);
    }
    switch (step) {
        case 0: {
            const sorvanta::Reference reference = sorvanta::ParseReference(data);
            // The fields are pieces of the trimmed text, in order.
            if (reference.m_strBook.size() + reference.m_strChapter.size() > data.size()) __builtin_trap();
            break;
        }
        case 1: {
            const auto parts = SplitAtNul(data, 4);
            const sorvanta::Reference reference = sorvanta::ParseReference(parts[0]);
            const std::string_view passage = sorvanta::ExtractPassage(parts[1], reference, parts[2], parts[3]);
            if (passage.size() > parts[1].size()) __builtin_trap();
            break;
        }
        case 2: {
            const auto parts = SplitAtNul(data, 2);
            const std::string text = sorvanta::CleanPassage(parts[0], parts[1]);
            if (text.size() > parts[0].size() || text.find('<') != std::string::npos) __builtin_trap();
            break;
        }
        case 4: {
            std::string expected(data);
            for (char& ch : expected) ch = sorvanta::UpperCp1251(ch);
            if (sorvanta::MakeUpper(data) != expected) __builtin_trap();
            break;
        }
        case 5: {
            const auto parts = SplitAtNul(data, 2);
            const std::string word = sorvanta::MakeUpper(sorvanta::TrimRight(parts[0]), encoding);
            if (word.empty() || word.find('\n') != std::string::npos) break;
            if (sorvanta::FindBookFileName(parts[1], word, encoding) != PlainBookFileName(parts[1], word, encoding)) {
                __builtin_trap();
            }
            break;
        }
        case 7: {
            using sorvanta::TextEncoding;
            // Upper-casing keeps the length and well-formed UTF-8, and a second time changes nothing.
            const std::string upper = sorvanta::MakeUpper(data, TextEncoding::Utf8);
            if (upper.size() != data.size()) __builtin_trap();
            if (sorvanta::MakeUpper(upper, TextEncoding::Utf8) != upper) __builtin_trap();
            if (sorvanta::IsValidUtf8(data) != sorvanta::IsValidUtf8(upper)) __builtin_trap();
            if (!sorvanta::IsValidUtf8(sorvanta::ConvertText(data, encoding, TextEncoding::Utf8))) __builtin_trap();
            // The usual form has no no-break space; every part of a request is shown as typed.
            if (sorvanta::UsualForm(data, encoding).find(sorvanta::NoBreakSpace(encoding)) != std::string::npos) {
                __builtin_trap();
            }
            for (const sorvanta::RequestPart& part : sorvanta::SplitRequest(data, encoding)) {
                if (data.find(part.m_strShown) == std::string_view::npos) __builtin_trap();
                if (!part.m_strLookedUp.ends_with(part.m_strShown)) __builtin_trap();
            }
            break;
        }
        case 6: {
            // Only a NUL or a line feed byte decodes to a NUL or a line feed.
            const std::string cp1251 = sorvanta::Utf8ToCp1251(data);
            for (const char ch : {'\0', '\n'}) {
                if (std::count(cp1251.begin(), cp1251.end(), ch) != std::count(data.begin(), data.end(), ch)) {
                    __builtin_trap();
                }
            }
            break;
        }
        default: {
            // The rare-byte search must find exactly what a plain search finds.
            const auto parts = SplitAtNul(data, 2);
            const std::string_view marker = parts[0], text = parts[1];
            sorvanta::CMarkerSearch search(text, marker);
            for (std::size_t start = 0; start <= text.size() + 1; start += 1 + start / 4) {
                if (search.Find(start) != sorvanta::FindBytes(text, marker, start)) __builtin_trap();
            }
            break;
        }
    }
    return 0;
}

// libFuzzer harness for the pure lookup steps. SORVANTA_FUZZ_STEP (0 parse,
// 1 extract, 2 clean, 3 marker search against a plain search, 4 upper-casing
// eight bytes at a time against the table byte by byte) fixes the step;
// without it the first input byte picks it. The input is split at NUL bytes
// into the step's arguments.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/clean.h"
#include "lookup/extract.h"
#include "lookup/reference.h"
#include "text/bytestring.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const char* const fixedStep = std::getenv("SORVANTA_FUZZ_STEP");
    std::string_view data(reinterpret_cast<const char*>(bytes), size);
    int step = 0;
    if (fixedStep != nullptr) {
        step = std::atoi(fixedStep);
    } else if (!data.empty()) {
        step = static_cast<unsigned char>(data.front()) % 5;
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
            const std::string passage = sorvanta::ExtractPassage(parts[1], reference, parts[2], parts[3]);
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
        default: {
            // The rare-byte search must find exactly what a plain search finds.
            const auto parts = SplitAtNul(data, 2);
            const std::string_view marker = parts[0], text = parts[1];
            const sorvanta::CMarkerSearch search(text, marker);
            for (std::size_t start = 0; start <= text.size() + 1; start += 1 + start / 4) {
                if (search.Find(start) != sorvanta::FindBytes(text, marker, start)) __builtin_trap();
            }
            break;
        }
    }
    return 0;
}

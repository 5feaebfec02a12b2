#include "lookup/request.h"

#include <algorithm>

#include "lookup/reference.h"
#include "text/bytestring.h"

namespace sorvanta {

namespace {

bool NamesABook(std::string_view book) {
    return std::any_of(book.begin(), book.end(), [](char ch) {
        const auto byte = static_cast<unsigned char>(ch);
        return byte > 0x7F || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
    });
}

}  // namespace

std::vector<RequestPart> SplitRequest(std::string_view strTyped, TextEncoding encoding) {
    if (strTyped.find(';') == std::string_view::npos) return {{std::string(strTyped), std::string(strTyped)}};
    std::vector<RequestPart> parts;
    std::string strBook;  // of the nearest part that names one
    for (std::size_t start = 0; start <= strTyped.size();) {
        std::size_t end = strTyped.find(';', start);
        if (end == std::string_view::npos) end = strTyped.size();
        const std::string_view part = Trim(strTyped.substr(start, end - start));
        start = end + 1;
        if (part.empty()) continue;
        const std::string strOwnBook = ParseReference(part, encoding).m_strBook;
        const bool bOwnBook = NamesABook(strOwnBook);
        if (bOwnBook) strBook = strOwnBook;
        parts.push_back({std::string(part), bOwnBook ? std::string(part) : strBook + std::string(part)});
    }
    return parts;
}

std::string UsualForm(std::string_view strTyped, TextEncoding encoding) {
    std::string text(Trim(strTyped));
    const std::string_view noBreakSpace = NoBreakSpace(encoding);
    for (std::size_t pos = text.find(noBreakSpace); pos != std::string::npos; pos = text.find(noBreakSpace, pos)) {
        text.replace(pos, noBreakSpace.size(), " ");
    }
    text = std::string(Trim(text));
    const std::size_t bookEnd = TrimRight(ParseReference(text, encoding).m_strBook).size();
    if (bookEnd > 0 && text[bookEnd - 1] == '.') text.erase(bookEnd - 1, 1);
    return text;
}

std::vector<std::string> VersePieces(std::string_view strReference) {
    const std::string_view text = Trim(strReference);
    const std::size_t verseStart = VerseStartOf(text);
    if (verseStart == 0 || text.find(',', verseStart) == std::string_view::npos) return {std::string(strReference)};
    const std::string_view head = text.substr(0, verseStart);
    std::vector<std::string> pieces;
    for (std::size_t start = verseStart; start <= text.size();) {
        std::size_t end = text.find(',', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view piece = Trim(text.substr(start, end - start));
        start = end + 1;
        if (!piece.empty()) pieces.push_back(std::string(head) + std::string(piece));
    }
    return pieces;
}

std::optional<std::string> FullStopForm(std::string_view strReference, TextEncoding encoding) {
    std::string text(Trim(strReference));
    const std::size_t bookEnd = TrimRight(ParseReference(text, encoding).m_strBook).size();
    if (bookEnd == 0 || text[bookEnd - 1] == '.') return std::nullopt;
    text.insert(bookEnd, ".");
    return text;
}

}  // namespace sorvanta

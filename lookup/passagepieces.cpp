#include "lookup/passagepieces.h"

#include "lookup/reference.h"
#include "text/bytestring.h"

namespace sorvanta {

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// The length of the verse number at the start of `line`, or 0 when the line
// does not begin with digits and a blank.
std::size_t VerseNumberLength(std::string_view line) {
    std::size_t length = 0;
    while (length < line.size() && IsDigit(line[length])) ++length;
    return length < line.size() && line[length] == ' ' ? length : 0;
}

}  // namespace

CPassageScope PassageScopeOf(std::string_view strReference) {
    const Reference reference = ParseReference(strReference);
    if (reference.m_strFirstVerse.empty()) return CPassageScope::Chapter;
    // A reference with gaps ("16,18") quotes its later pieces as a range does.
    const bool bOneVerse = reference.m_strLastVerse.empty() && reference.m_strFirstVerse.find(',') == std::string::npos;
    return bOneVerse ? CPassageScope::Verse : CPassageScope::Range;
}

void ForEachPassagePiece(std::string_view strPassage, CPassageScope scope,
                         const std::function<void(const CPassagePiece&)>& visit) {
    std::size_t pos = 0;
    bool bVerseMayBegin = scope == CPassageScope::Chapter;
    while (pos < strPassage.size()) {
        if (bVerseMayBegin) {
            const std::size_t length = VerseNumberLength(strPassage.substr(pos));
            if (length != 0) {
                visit({CPieceKind::VerseNumber, strPassage.substr(pos, length)});
                pos += length + 1;
            }
        }
        const std::size_t lineFeed = strPassage.find('\n', pos);
        if (lineFeed == std::string_view::npos) {
            if (pos < strPassage.size()) visit({CPieceKind::Text, strPassage.substr(pos)});
            break;
        }
        std::size_t breakStart = lineFeed;
        while (breakStart > pos && IsWhiteSpace(strPassage[breakStart - 1])) --breakStart;
        std::size_t breakEnd = lineFeed + 1;
        while (breakEnd < strPassage.size() && IsWhiteSpace(strPassage[breakEnd])) ++breakEnd;
        if (breakStart > pos) visit({CPieceKind::Text, strPassage.substr(pos, breakStart - pos)});
        visit({CPieceKind::LineBreak, strPassage.substr(breakStart, breakEnd - breakStart)});
        pos = breakEnd;
        bVerseMayBegin = scope != CPassageScope::Verse;
    }
}

}  // namespace sorvanta

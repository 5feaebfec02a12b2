// A cleaned passage cut into its text, its line breaks and the verse numbers
// that begin its lines, so that a citation can restyle each of them.
#pragma once

#include <functional>
#include <string_view>

namespace sorvanta {

// What the typed reference asked for, as the extraction reads it.
enum class CPassageScope {
    Verse,    // one verse: there are no verse numbers to find
    Range,    // first verse to last verse: the first one's number is already gone
    Chapter,  // a whole chapter: its heading, then every verse with its number
};

CPassageScope PassageScopeOf(std::string_view strReference);

enum class CPieceKind {
    Text,
    LineBreak,    // LF or CR LF with the white space around it
    VerseNumber,  // the digits that begin a verse's line, without the blank after them
};

struct CPassagePiece {
    CPieceKind m_kind = CPieceKind::Text;
    std::string_view m_bytes;
};

// Cuts the passage into pieces that give back every byte of it once a blank
// is put after each verse number, and hands them to `visit` in order, one at
// a time (a whole chapter may have millions).
// A verse number is a run of digits followed by a blank at the start of a
// line: after any line break of a range, and also at the very start of a
// whole chapter. Only ASCII bytes are looked at, so the passage may be in
// code page 1251 or UTF-8.
void ForEachPassagePiece(std::string_view strPassage, CPassageScope scope,
                         const std::function<void(const CPassagePiece&)>& visit);

}  // namespace sorvanta

#include "lookup/htmlcitation.h"

#include <algorithm>

#include "lookup/passagepieces.h"
#include "text/codec.h"

namespace sorvanta {

namespace {

std::string ToUtf8(std::string_view text, CTextEncoding encoding) {
    return encoding == CTextEncoding::Utf8 ? std::string(text) : Cp1251ToUtf8(text);
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += ch;
        }
    }
    return escaped;
}

std::string FormatCitationHtml(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                               CTextEncoding encoding) {
    const std::string strUtf8Passage = ToUtf8(strPassage, encoding);
    std::string text;
    text.reserve(strUtf8Passage.size() + strUtf8Passage.size() / 8);
    for (const CPassagePiece& piece : SplitPassage(strUtf8Passage, PassageScopeOf(strReference))) {
        switch (piece.m_kind) {
            case CPieceKind::Text:
                text += EscapeHtml(piece.m_bytes);
                break;
            case CPieceKind::LineBreak:
                if (style.m_bJoinLines) {
                    text += ' ';
                } else {
                    for (auto n = std::count(piece.m_bytes.begin(), piece.m_bytes.end(), '\n'); n > 0; --n) {
                        text += "<br>";
                    }
                }
                break;
            case CPieceKind::VerseNumber:
                if (style.m_bVerseNumbers) text.append("<sup>").append(piece.m_bytes).append("</sup> ");
                break;
        }
    }
    const std::string strReferenceHtml = "<b>" + EscapeHtml(ToUtf8(strReference, encoding)) + "</b>";
    return "<meta charset=\"utf-8\">" + FrameCitation(style.m_format, strReferenceHtml, text, CTextEncoding::Utf8);
}

}  // namespace sorvanta

#include "lookup/htmlcitation.h"

#include <algorithm>

#include "lookup/passagepieces.h"
#include "text/encoding.h"

namespace sorvanta {

namespace {

std::string ToUtf8(std::string_view text, TextEncoding encoding) {
    return ConvertText(text, encoding, TextEncoding::Utf8);
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default: escaped += ch;
        }
    }
    return escaped;
}

std::string FormatCitationHtml(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                               TextEncoding encoding) {
    const std::string strUtf8Passage = ToUtf8(strPassage, encoding);
    std::string text;
    text.reserve(strUtf8Passage.size() + strUtf8Passage.size() / 8);
    for (const CPassagePiece& piece : SplitPassage(strUtf8Passage, PassageScopeOf(strReference))) {
        switch (piece.m_kind) {
            case CPieceKind::Text: text += EscapeHtml(piece.m_bytes); break;
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
    return FrameCitation(style.m_format, strReferenceHtml, text, TextEncoding::Utf8);
}

std::string FormatQuotationHtml(const LookupResult& result, const CCitationStyle& style) {
    std::string html = "<meta charset=\"utf-8\">";
    for (std::size_t i = 0; i < result.m_arrParts.size(); ++i) {
        if (i > 0) html += "<br>";
        const QuotationPart& part = result.m_arrParts[i];
        html += FormatCitationHtml(part.m_strReference, part.m_strPassage, style, result.m_encoding);
    }
    return html;
}

}  // namespace sorvanta

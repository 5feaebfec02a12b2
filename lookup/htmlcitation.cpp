#include "lookup/htmlcitation.h"

#include <algorithm>

#include "lookup/passagepieces.h"
#include "text/encoding.h"

namespace sorvanta {

namespace {

std::string ToUtf8(std::string_view text, TextEncoding encoding) {
    return ConvertText(text, encoding, TextEncoding::Utf8);
}

void AppendEscapedHtml(std::string& html, std::string_view text) {
    for (char ch : text) {
        switch (ch) {
            case '&': html += "&amp;"; break;
            case '<': html += "&lt;"; break;
            case '>': html += "&gt;"; break;
            case '"': html += "&quot;"; break;
            default: html += ch;
        }
    }
}

// Appends the citation that FormatCitationHtml gives to `html`, building it in
// place: a passage may be as large as its book.
void AppendCitationHtml(std::string& html, const CCitationValues& values, std::string_view strPassage,
                        const CCitationStyle& style, std::string_view strTemplate, TextEncoding encoding) {
    const std::string_view strReference = values.m_strReference;
    const std::string strReferenceHtml = "<b>" + EscapeHtml(ToUtf8(strReference, encoding)) + "</b>";
    const std::string strModuleHtml = EscapeHtml(ToUtf8(values.m_strModule, encoding));
    const std::string strBookHtml = EscapeHtml(ToUtf8(values.m_strBook, encoding));
    const CCitationFrame frame = FrameOfCitation(style.m_format, strTemplate,
                                                 {strReferenceHtml, strModuleHtml, strBookHtml}, TextEncoding::Utf8);
    const std::string strUtf8Passage = ToUtf8(strPassage, encoding);
    html.append(frame.m_strBefore);
    ForEachPassagePiece(strUtf8Passage, PassageScopeOf(strReference), [&](const CPassagePiece& piece) {
        switch (piece.m_kind) {
            case CPieceKind::Text: AppendEscapedHtml(html, piece.m_bytes); break;
            case CPieceKind::LineBreak:
                if (style.m_bJoinLines) {
                    html += ' ';
                } else {
                    for (auto n = std::count(piece.m_bytes.begin(), piece.m_bytes.end(), '\n'); n > 0; --n) {
                        html += "<br>";
                    }
                }
                break;
            case CPieceKind::VerseNumber:
                if (style.m_bVerseNumbers) html.append("<sup>").append(piece.m_bytes).append("</sup> ");
                break;
        }
    });
    html.append(frame.m_strAfter);
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    AppendEscapedHtml(escaped, text);
    return escaped;
}

std::string FormatCitationHtml(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                               TextEncoding encoding) {
    std::string html;
    AppendCitationHtml(html, {strReference, {}, {}}, strPassage, style, {}, encoding);
    return html;
}

std::string FormatQuotationHtml(const LookupResult& result, const CCitationStyle& style, std::string_view strTemplate) {
    std::string html = "<meta charset=\"utf-8\">";
    for (std::size_t i = 0; i < result.m_arrParts.size(); ++i) {
        if (i > 0) html += "<br>";
        const QuotationPart& part = result.m_arrParts[i];
        AppendCitationHtml(html, {part.m_strReference, result.m_strModule, part.m_strBook}, part.m_strPassage, style,
                           strTemplate, result.m_encoding);
    }
    return html;
}

}  // namespace sorvanta

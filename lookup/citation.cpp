#include "lookup/citation.h"

#include <algorithm>
#include <array>
#include <utility>

#include "lookup/passagepieces.h"

namespace sorvanta {

namespace {

constexpr std::array<std::pair<CCitationFormat, std::string_view>, 3> kFormatNames{{
    {CCitationFormat::ReferenceFirst, "reference-first"},
    {CCitationFormat::ReferenceLast, "reference-last"},
    {CCitationFormat::Quoted, "quoted"},
}};

// « and » in the module's encoding.
std::pair<std::string_view, std::string_view> QuotationMarks(TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return {"\xC2\xAB", "\xC2\xBB"};
    return {"\xAB", "\xBB"};
}

}  // namespace

std::string_view CitationFormatName(CCitationFormat format) {
    for (const auto& [candidate, name] : kFormatNames) {
        if (candidate == format) return name;
    }
    return {};
}

std::optional<CCitationFormat> CitationFormatByName(std::string_view name) {
    for (const auto& [format, candidate] : kFormatNames) {
        if (candidate == name) return format;
    }
    return std::nullopt;
}

std::string FormatQuotation(const LookupResult& result, const CCitationStyle& style) {
    std::string quotation;
    for (const QuotationPart& part : result.m_arrParts) {
        if (!quotation.empty()) quotation += "\r\n";
        quotation += FormatCitation(part.m_strReference, part.m_strPassage, style, result.m_encoding);
    }
    return quotation;
}

std::string FrameCitation(CCitationFormat format, std::string_view strReference, std::string_view strText,
                          TextEncoding encoding) {
    std::string citation;
    citation.reserve(strReference.size() + strText.size() + 8);
    switch (format) {
        case CCitationFormat::ReferenceFirst: citation.append(strReference).append(". ").append(strText); break;
        case CCitationFormat::ReferenceLast:
            citation.append(strText).append(" (").append(strReference).append(")");
            break;
        case CCitationFormat::Quoted: {
            const auto [open, close] = QuotationMarks(encoding);
            citation.append(open).append(strText).append(close).append(" (").append(strReference).append(")");
            break;
        }
    }
    return citation;
}

std::string FormatCitation(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                           TextEncoding encoding) {
    std::string text;
    text.reserve(strPassage.size());
    for (const CPassagePiece& piece : SplitPassage(strPassage, PassageScopeOf(strReference))) {
        switch (piece.m_kind) {
            case CPieceKind::Text: text.append(piece.m_bytes); break;
            case CPieceKind::LineBreak: text.append(style.m_bJoinLines ? std::string_view(" ") : piece.m_bytes); break;
            case CPieceKind::VerseNumber:
                if (style.m_bVerseNumbers) text.append(piece.m_bytes).append(" ");
                break;
        }
    }
    return FrameCitation(style.m_format, strReference, text, encoding);
}

}  // namespace sorvanta

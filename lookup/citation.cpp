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

// Appends the citation that FormatCitation gives to `citation`, building it in
// place: a passage may be as large as its book.
void AppendCitation(std::string& citation, std::string_view strReference, std::string_view strPassage,
                    const CCitationStyle& style, TextEncoding encoding) {
    const CCitationFrame frame = FrameOfCitation(style.m_format, strReference, encoding);
    citation.append(frame.m_strBefore);
    ForEachPassagePiece(strPassage, PassageScopeOf(strReference), [&](const CPassagePiece& piece) {
        switch (piece.m_kind) {
            case CPieceKind::Text: citation.append(piece.m_bytes); break;
            case CPieceKind::LineBreak:
                citation.append(style.m_bJoinLines ? std::string_view(" ") : piece.m_bytes);
                break;
            case CPieceKind::VerseNumber:
                if (style.m_bVerseNumbers) citation.append(piece.m_bytes).append(" ");
                break;
        }
    });
    citation.append(frame.m_strAfter);
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
    std::size_t nSize = 0;
    for (const QuotationPart& part : result.m_arrParts)
        nSize += part.m_strReference.size() + part.m_strPassage.size() + 8;
    std::string quotation;
    quotation.reserve(nSize);
    for (const QuotationPart& part : result.m_arrParts) {
        if (!quotation.empty()) quotation += "\r\n";
        AppendCitation(quotation, part.m_strReference, part.m_strPassage, style, result.m_encoding);
    }
    return quotation;
}

CCitationFrame FrameOfCitation(CCitationFormat format, std::string_view strReference, TextEncoding encoding) {
    const std::string strReferenceLast = " (" + std::string(strReference) + ")";
    switch (format) {
        case CCitationFormat::ReferenceFirst: return {std::string(strReference) + ". ", ""};
        case CCitationFormat::ReferenceLast: return {"", strReferenceLast};
        case CCitationFormat::Quoted: {
            const auto [open, close] = QuotationMarks(encoding);
            return {std::string(open), std::string(close) + strReferenceLast};
        }
    }
    return {};
}

std::string FormatCitation(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                           TextEncoding encoding) {
    std::string citation;
    citation.reserve(strReference.size() + strPassage.size() + 8);
    AppendCitation(citation, strReference, strPassage, style, encoding);
    return citation;
}

}  // namespace sorvanta

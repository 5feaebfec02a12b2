#include "lookup/citation.h"

#include <algorithm>
#include <array>
#include <utility>

#include "text/encoding.h"

#include "lookup/passagepieces.h"

namespace sorvanta {

namespace {

constexpr std::array<std::pair<CCitationFormat, std::string_view>, 3> kFormatNames{{
    {CCitationFormat::ReferenceFirst, "reference-first"},
    {CCitationFormat::ReferenceLast, "reference-last"},
    {CCitationFormat::Quoted, "quoted"},
}};

constexpr std::array<std::string_view, 3> kFormatTemplates{
    "{ссылка}. {текст}",
    "{текст} ({ссылка})",
    "«{текст}» ({ссылка})",
};

using CTokens = std::array<std::pair<std::string, std::string_view>, 3>;

// Appends `strTemplate` with its tokens replaced, in one pass; a brace that
// begins no token stays as written.
void AppendWithTokens(std::string& out, std::string_view strTemplate, const CTokens& tokens) {
    for (std::size_t pos = 0; pos < strTemplate.size();) {
        const std::size_t brace = std::min(strTemplate.find('{', pos), strTemplate.size());
        out.append(strTemplate.substr(pos, brace - pos));
        if (brace == strTemplate.size()) break;
        const auto token = std::find_if(tokens.begin(), tokens.end(), [&](const auto& candidate) {
            return strTemplate.substr(brace).starts_with(candidate.first);
        });
        if (token == tokens.end()) {
            out += '{';
            pos = brace + 1;
        } else {
            out.append(token->second);
            pos = brace + token->first.size();
        }
    }
}

// Appends the citation that FormatCitation gives to `citation`, building it in
// place: a passage may be as large as its book.
void AppendCitation(std::string& citation, const CCitationValues& values, std::string_view strPassage,
                    const CCitationStyle& style, std::string_view strTemplate, TextEncoding encoding) {
    const std::string_view strReference = values.m_strReference;
    const CCitationFrame frame = FrameOfCitation(style.m_format, strTemplate, values, encoding);
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

std::string FormatQuotation(const LookupResult& result, const CCitationStyle& style, std::string_view strTemplate) {
    std::size_t nSize = 0;
    for (const QuotationPart& part : result.m_arrParts)
        nSize += part.m_strReference.size() + part.m_strPassage.size() + 8;
    std::string quotation;
    quotation.reserve(nSize);
    for (const QuotationPart& part : result.m_arrParts) {
        if (!quotation.empty()) quotation += "\r\n";
        AppendCitation(quotation, {part.m_strReference, result.m_strModule, part.m_strBook}, part.m_strPassage, style,
                       strTemplate, result.m_encoding);
    }
    return quotation;
}

std::string_view TemplateOfFormat(CCitationFormat format) {
    return kFormatTemplates.at(static_cast<std::size_t>(format));
}

std::string TemplateError(std::string_view strTemplate) {
    if (strTemplate.find(kTextToken) != std::string_view::npos) return {};
    return "the template must hold " + std::string(kTextToken) + ", where the passage goes";
}

CCitationFrame FrameOfCitation(CCitationFormat format, std::string_view strTemplate, const CCitationValues& values,
                               TextEncoding encoding) {
    const std::string_view utf8Template = strTemplate.empty() ? TemplateOfFormat(format) : strTemplate;
    const std::string strWritten = ConvertText(utf8Template, TextEncoding::Utf8, encoding);
    const CTokens tokens{{
        {ConvertText(kReferenceToken, TextEncoding::Utf8, encoding), values.m_strReference},
        {ConvertText(kModuleToken, TextEncoding::Utf8, encoding), values.m_strModule},
        {ConvertText(kBookToken, TextEncoding::Utf8, encoding), values.m_strBook},
    }};
    const std::string textToken = ConvertText(kTextToken, TextEncoding::Utf8, encoding);
    const std::size_t text = strWritten.find(textToken);
    CCitationFrame frame;
    if (text == std::string::npos) {
        AppendWithTokens(frame.m_strBefore, strWritten, tokens);
        return frame;
    }
    AppendWithTokens(frame.m_strBefore, std::string_view(strWritten).substr(0, text), tokens);
    AppendWithTokens(frame.m_strAfter, std::string_view(strWritten).substr(text + textToken.size()), tokens);
    return frame;
}

std::string FormatCitation(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                           TextEncoding encoding) {
    std::string citation;
    citation.reserve(strReference.size() + strPassage.size() + 8);
    AppendCitation(citation, {strReference, {}, {}}, strPassage, style, {}, encoding);
    return citation;
}

}  // namespace sorvanta

// Citation formats: how a found passage and its reference are put together.
// The default style gives the quotation exactly as the lookup builds it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvanta {

// The encoding of a module's texts, and so of the reference typed for it.
enum class CTextEncoding { Cp1251, Utf8 };

enum class CCitationFormat {
    ReferenceFirst,  // reference. text
    ReferenceLast,   // text (reference)
    Quoted,          // «text» (reference)
};

struct CCitationStyle {
    CCitationFormat m_format = CCitationFormat::ReferenceFirst;
    bool m_bVerseNumbers = true;  // keep the verse numbers that begin the lines of a range or chapter
    bool m_bJoinLines = false;    // line breaks become single blanks: one paragraph
};

// The formats' names, for the command line and the settings:
// "reference-first", "reference-last", "quoted".
std::string_view CitationFormatName(CCitationFormat format);
std::optional<CCitationFormat> CitationFormatByName(std::string_view name);

// The passage of a quotation that LookUp built for `strReference`: what
// follows the reference and ". ".
std::string_view PassageOfQuotation(std::string_view strQuotation, std::string_view strReference);

// The citation of a cleaned passage and the reference as typed, both in
// `encoding`, in the same encoding.
std::string FormatCitation(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                           CTextEncoding encoding);

// Puts a reference and a text, each already in their final form, together in
// `format`; the quotation marks are written in `encoding`.
std::string FrameCitation(CCitationFormat format, std::string_view strReference, std::string_view strText,
                          CTextEncoding encoding);

}  // namespace sorvanta

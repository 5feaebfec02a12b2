// Citation formats: how a found passage and its reference are put together.
// The default style gives the quotation exactly as the lookup builds it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lookup/lookup.h"
#include "text/encoding.h"

namespace sorvanta {

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

// The citation of a cleaned passage and the reference as typed, both in
// `encoding`, in the same encoding.
std::string FormatCitation(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                           TextEncoding encoding);

// The quotation of a found request in `style`: each reference's citation,
// joined by CR LF (the line break of the host's texts and of the plain-text
// clipboard), in the module's encoding. With the default style it is each
// reference as typed, ". " and its passage, byte for byte.
std::string FormatQuotation(const LookupResult& result, const CCitationStyle& style);

// What a citation in `format` puts before and after its text: the reference,
// already in its final form, and the punctuation, the quotation marks written
// in `encoding`. The text goes between the two unchanged.
struct CCitationFrame {
    std::string m_strBefore;
    std::string m_strAfter;
};
CCitationFrame FrameOfCitation(CCitationFormat format, std::string_view strReference, TextEncoding encoding);

}  // namespace sorvanta

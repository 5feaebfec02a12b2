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

// The tokens of a citation template: the reference as typed, the passage,
// the module's short name and the book's full name.
inline constexpr std::string_view kReferenceToken = "{ссылка}";
inline constexpr std::string_view kTextToken = "{текст}";
inline constexpr std::string_view kModuleToken = "{модуль}";
inline constexpr std::string_view kBookToken = "{книга}";

// The template each format stands for ("{ссылка}. {текст}" ...).
std::string_view TemplateOfFormat(CCitationFormat format);

// The message (UTF-8) that refuses a template, or "" for one that may be used:
// it must hold {текст}.
std::string TemplateError(std::string_view strTemplate);

// What a template's tokens stand for, in the module's encoding.
struct CCitationValues {
    std::string_view m_strReference;
    std::string_view m_strModule;
    std::string_view m_strBook;
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
// A template (UTF-8, see FrameOfCitation) stands in for the format's own.
std::string FormatQuotation(const LookupResult& result, const CCitationStyle& style, std::string_view strTemplate = {});

// What a citation puts before and after its text: `strTemplate` (UTF-8), or
// the template of `format` when it is empty, written in `encoding`, its tokens replaced by the values, which are
// already in their final form. The text goes between the two unchanged. The first {текст} splits the template; a later
// one, and any other brace, stays as written.
struct CCitationFrame {
    std::string m_strBefore;
    std::string m_strAfter;
};
CCitationFrame FrameOfCitation(CCitationFormat format, std::string_view strTemplate, const CCitationValues& values,
                               TextEncoding encoding);

}  // namespace sorvanta

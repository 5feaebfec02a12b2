#include "cli/options.h"

#include <cerrno>
#include <cstdlib>

namespace sorvanta {

const char* const kLookupUsage =
    "Usage: sorvanta-lookup [--directory DIR] [--module NAME | --module-index N]\n"
    "                       [--encoding utf-8|cp1251] [--null] [--list]\n"
    "                       [--format FORMAT] [--no-verse-numbers] [--join] [--html]\n"
    "                       [--keep-strong] [--template TEMPLATE]\n"
    "                       [REFERENCE... | --find WORD...]\n"
    "\n"
    "Looks up scripture references in an Orvanel module and prints each quotation\n"
    "(the reference as typed, \". \" and the passage), exactly as the desktop program\n"
    "puts it on the clipboard.\n"
    "\n"
    "  --directory DIR     module root; default: the Directory setting of the desktop\n"
    "                      program ($XDG_CONFIG_HOME/Sorvanta/sorvanta.conf), and\n"
    "                      without one the root with the most modules that a short\n"
    "                      search (at most 300 ms) finds in the Wine prefixes, the\n"
    "                      home folder and the XDG data folders\n"
    "  --module NAME       the module with this display name (the first one if several)\n"
    "  --module-index N    the module at position N of the catalogue, counting from 0;\n"
    "                      default: the first module\n"
    "  --encoding ENC      output encoding: utf-8 (default) or cp1251 (the bytes of a\n"
    "                      code page 1251 module as they are)\n"
    "  --null              end each record with NUL instead of a line feed; a NUL\n"
    "                      byte inside a record (from a book or the input) is\n"
    "                      written as \"?\"\n"
    "  --list              print the module display names in catalogue order\n"
    "  --format FORMAT     how reference and passage are put together:\n"
    "                      reference-first  Ин 3:16. text (default)\n"
    "                      reference-last   text (Ин 3:16)\n"
    "                      quoted           «text» (Ин 3:16)\n"
    "  --template TEMPLATE the citation as a template, instead of --format: {ссылка}\n"
    "                      the reference as typed, {текст} the passage (required),\n"
    "                      {модуль} the module's BibleShortName (or its name),\n"
    "                      {книга} the book's full name in orvanel.ini; the formats\n"
    "                      are \"{ссылка}. {текст}\", \"{текст} ({ссылка})\" and\n"
    "                      \"«{текст}» ({ссылка})\"\n"
    "  --no-verse-numbers  drop the verse numbers that begin the lines of a verse\n"
    "                      range or a whole chapter\n"
    "  --join              join the lines into one paragraph: each line break, with\n"
    "                      the white space around it, becomes one blank\n"
    "  --html              print each quotation as an HTML fragment (UTF-8): the\n"
    "                      reference in bold, verse numbers in superscript\n"
    "  --keep-strong       keep the Strong's numbers of a module whose orvanel.ini\n"
    "                      says \"StrongNumbers = Y\" (by default a number standing\n"
    "                      alone after a word is left out, with the blank before it)\n"
    "  --find WORD...      print the verses whose text holds every WORD (letter case\n"
    "                      and \"ё\"/\"е\" ignored; each WORD the start of a word of\n"
    "                      the verse), each as the quotation of its reference (the\n"
    "                      book's first abbreviation in the module, chapter:verse):\n"
    "                      those with the words as a phrase first, then those with\n"
    "                      them in the order given, then the others, each group in\n"
    "                      book order; at most 50. Words are runs of letters and\n"
    "                      digits; at most 100 of at most 40 letters, and one of\n"
    "                      two letters or more. Exit status 1 when none is found\n"
    "  --help              show this help\n"
    "\n"
    "Each REFERENCE (UTF-8) is looked up as if typed into the program and OK pressed;\n"
    "invalid UTF-8 in it (overlong forms such as C0 80 included) reads as \"?\".\n"
    "Without REFERENCE, references are read from standard input, one per line (LF or\n"
    "CR LF ends a line; blanks are part of the reference); a reference that is not\n"
    "found then prints an empty record, so that output records stay aligned with the\n"
    "input lines. Line ends inside a passage are kept as in the book file. Messages\n"
    "go to standard error.\n"
    "\n"
    "A module is read as UTF-8 when its orvanel.ini begins with a UTF-8 byte order\n"
    "mark, names it in a line \"DefaultEncoding = utf-8\", or is well-formed UTF-8\n"
    "with non-ASCII text; otherwise as code page 1251. An en dash, an em dash or a\n"
    "minus sign splits a verse range like \"-\". References separated by \";\" are\n"
    "quoted in turn, joined by CR LF, in one record; one without a book of its own\n"
    "(\"Ин 3:16; 5:24\") takes the book of the one before it, and if any is not found,\n"
    "none is. A reference not found as typed is sought once more without a full\n"
    "stop after the book (\"Ин. 3:16\") and with no-break spaces read as blanks; the\n"
    "quotation still starts with the reference as typed; not found so either, it is\n"
    "sought with a full stop after the book (\"Прем 1:1\" as \"Прем. 1:1\").\n"
    "\n"
    "A comma after a verse number starts another piece of the same chapter\n"
    "(\"Ин 3:16,18\", \"Ин 3:16-18, 21\"; at most 1000 pieces): the first reads as\n"
    "that verse or range alone, each later one follows on a line of its own, its\n"
    "verses numbered as inside a range. A range may cross chapters (\"Ин 3:36-4:2\"):\n"
    "the later chapters' verses are numbered and their headings left out. HTML\n"
    "character references (\"&amp;\", \"&nbsp;\", \"&#1025;\", \"&#x401;\" ...) are\n"
    "decoded, a character code page 1251 lacks becoming \"?\" in such a module; the\n"
    "module's chapter and verse markers never appear in a quotation. When a\n"
    "reference lies past the end of its book or chapter, a second line after the\n"
    "message tells how many chapters or verses there are (\"В главе стихов: 36.\").\n"
    "\n"
    "Exit status: 0 all found, 1 any not found, 2 usage error or unusable module root.\n";

namespace {

// Splits "--name=value" into name and value; plain "--name" has no value.
std::pair<std::string, std::optional<std::string>> SplitOption(const std::string& strArg) {
    const std::size_t equals = strArg.find('=');
    if (equals == std::string::npos) return {strArg, std::nullopt};
    return {strArg.substr(0, equals), strArg.substr(equals + 1)};
}

std::optional<long> ParseIndex(const std::string& strValue) {
    if (strValue.empty() || strValue.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    errno = 0;
    const long value = std::strtol(strValue.c_str(), nullptr, 10);
    if (errno != 0) return std::nullopt;
    return value;
}

}  // namespace

COptionsResult ParseOptions(const std::vector<std::string>& arrArgs) {
    COptionsResult result;
    CLookupOptions& options = result.m_options;
    bool bOptionsEnded = false;
    for (std::size_t i = 0; i < arrArgs.size(); ++i) {
        const std::string& strArg = arrArgs[i];
        if (bOptionsEnded || strArg.rfind("--", 0) != 0) {
            options.m_arrReferences.push_back(strArg);
            continue;
        }
        if (strArg == "--") {
            bOptionsEnded = true;
            continue;
        }
        auto [strName, value] = SplitOption(strArg);
        const bool bTakesValue = strName == "--directory" || strName == "--module" || strName == "--module-index" ||
                                 strName == "--encoding" || strName == "--format" || strName == "--template";
        if (bTakesValue && !value) {
            if (i + 1 == arrArgs.size()) {
                result.m_strError = "option " + strName + " needs a value";
                return result;
            }
            value = arrArgs[++i];
        } else if (!bTakesValue && value) {
            result.m_strError = "option " + strName + " takes no value";
            return result;
        }

        if (strName == "--directory") {
            options.m_strDirectory = *value;
        } else if (strName == "--module") {
            options.m_strModule = *value;
        } else if (strName == "--module-index") {
            options.m_nModuleIndex = ParseIndex(*value);
            if (!options.m_nModuleIndex) {
                result.m_strError = "--module-index needs a number from 0 on, not \"" + *value + "\"";
                return result;
            }
        } else if (strName == "--encoding") {
            if (*value != "utf-8" && *value != "cp1251") {
                result.m_strError = "--encoding is utf-8 or cp1251, not \"" + *value + "\"";
                return result;
            }
            options.m_bCp1251Output = *value == "cp1251";
        } else if (strName == "--format") {
            const std::optional<CCitationFormat> format = CitationFormatByName(*value);
            if (!format) {
                result.m_strError = "--format is reference-first, reference-last or quoted, not \"" + *value + "\"";
                return result;
            }
            options.m_citation.m_format = *format;
        } else if (strName == "--no-verse-numbers") {
            options.m_citation.m_bVerseNumbers = false;
        } else if (strName == "--join") {
            options.m_citation.m_bJoinLines = true;
        } else if (strName == "--template") {
            result.m_strError = TemplateError(*value);
            if (!result.m_strError.empty()) return result;
            options.m_strTemplate = *value;
        } else if (strName == "--keep-strong") {
            options.m_passage.m_bKeepStrongNumbers = true;
        } else if (strName == "--html") {
            options.m_bHtml = true;
        } else if (strName == "--null") {
            options.m_bNullTerminated = true;
        } else if (strName == "--list") {
            options.m_bList = true;
        } else if (strName == "--find") {
            options.m_bFind = true;
        } else if (strName == "--help") {
            options.m_bHelp = true;
        } else {
            result.m_strError = "unknown option " + strName;
            return result;
        }
    }
    if (options.m_strModule && options.m_nModuleIndex) {
        result.m_strError = "--module and --module-index exclude each other";
    }
    if (options.m_bFind && options.m_arrReferences.empty()) {
        result.m_strError = "--find needs the words to find";
    }
    if (options.m_bHtml && options.m_bCp1251Output) {
        result.m_strError = "--html writes UTF-8 and excludes --encoding cp1251";
    }
    return result;
}

}  // namespace sorvanta

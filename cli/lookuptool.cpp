#include "cli/lookuptool.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "cli/profile.h"
#include "lookup/citation.h"
#include "lookup/find.h"
#include "lookup/htmlcitation.h"
#include "lookup/lookup.h"
#include "modules/catalogue.h"
#include "modules/markers.h"
#include "modules/moduleroots.h"
#include "text/codec.h"
#include "text/encoding.h"

namespace sorvanta {

namespace {

class CRecordWriter {
public:
    CRecordWriter(const CLookupOptions& options, std::ostream& out) : m_options(options), m_out(out) {}

    // Writes one record of text in `encoding` in the chosen output encoding.
    // A record never holds its terminator: with NUL-terminated records a NUL
    // byte (from a book or from the input) is written as "?".
    void Write(std::string_view text, TextEncoding encoding) {
        const TextEncoding output = m_options.m_bCp1251Output ? TextEncoding::Cp1251 : TextEncoding::Utf8;
        std::string strRecord = ConvertText(text, encoding, output);
        if (m_options.m_bNullTerminated) std::replace(strRecord.begin(), strRecord.end(), '\0', '?');
        m_out << strRecord << (m_options.m_bNullTerminated ? '\0' : '\n');
        m_out.flush();
    }

    // Writes a found request's quotation in the chosen citation style, as
    // text or as HTML (always UTF-8).
    void WriteQuotation(const LookupResult& result) {
        if (m_options.m_bHtml) {
            Write(FormatQuotationHtml(result, m_options.m_citation, m_options.m_strTemplate), TextEncoding::Utf8);
        } else {
            Write(FormatQuotation(result, m_options.m_citation, m_options.m_strTemplate), result.m_encoding);
        }
    }

private:
    const CLookupOptions& m_options;
    std::ostream& m_out;
};

void ReportMessages(const std::vector<std::string>& arrMessages, std::ostream& err) {
    for (const std::string& strMessage : arrMessages) err << Cp1251ToUtf8(strMessage) << '\n';
}

// The catalogue index the options choose, or nothing (reported) when they
// name a module the catalogue lacks.
std::optional<std::size_t> ChooseModule(const CLookupOptions& options, const ModuleCatalogue& catalogue,
                                        std::ostream& err) {
    if (options.m_strModule) {
        for (std::size_t i = 0; i < catalogue.m_arrNames.size(); ++i) {
            const TextEncoding encoding = catalogue.m_arrEncodings[i];
            if (catalogue.m_arrNames[i] == ConvertText(*options.m_strModule, TextEncoding::Utf8, encoding)) return i;
        }
        err << "sorvanta-lookup: no module named \"" << *options.m_strModule << "\"\n";
        return std::nullopt;
    }
    const auto nIndex = static_cast<std::size_t>(options.m_nModuleIndex.value_or(0));
    if (nIndex >= catalogue.m_arrNames.size()) {
        err << "sorvanta-lookup: module index " << nIndex << " is beyond the " << catalogue.m_arrNames.size()
            << " modules found\n";
        return std::nullopt;
    }
    return nIndex;
}

// Removes the line end (LF, or CR LF) that std::getline leaves a CR of.
std::string_view WithoutLineEnd(const std::string& strLine) {
    std::string_view line(strLine);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

int RunLookupTool(const CLookupOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    // A profile without a Directory, or with an empty one (before the first
    // start of the desktop program, or when it found none) gives the module
    // root a search finds, as that start does.
    std::optional<std::string> strDirectory = options.m_strDirectory;
    if (!strDirectory) strDirectory = ReadSettingsDirectory();
    if (!strDirectory) strDirectory = FindDefaultModuleRoot();
    const ModuleCatalogue catalogue = ScanModules(*strDirectory);
    ReportMessages(catalogue.m_arrMessages, err);
    if (catalogue.m_arrNames.empty()) return kExitUsage;

    CRecordWriter writer(options, out);
    if (options.m_bList) {
        for (std::size_t i = 0; i < catalogue.m_arrNames.size(); ++i) {
            writer.Write(catalogue.m_arrNames[i], catalogue.m_arrEncodings[i]);
        }
        return kExitAllFound;
    }

    const std::optional<std::size_t> nModule = ChooseModule(options, catalogue, err);
    if (!nModule) return kExitUsage;
    const std::string& strIniPath = catalogue.m_arrModuleIni[*nModule];
    const TextEncoding encoding = catalogue.m_arrEncodings[*nModule];
    ModuleMarkers markers;
    ReadModuleMarkers(strIniPath, markers);

    bool bAllFound = true;
    auto lookUpOne = [&](std::string_view reference, bool bEmptyRecordWhenMissing,
                         TextEncoding typedEncoding = TextEncoding::Utf8) {
        const LookupResult result = LookUp(reference, strIniPath, markers, encoding, typedEncoding, options.m_passage);
        if (result.m_outcome == LookupOutcome::Found) {
            writer.WriteQuotation(result);
            return;
        }
        bAllFound = false;
        ReportMessages(LookupMessages(result.m_outcome), err);
        if (!result.m_strReason.empty()) ReportMessages({result.m_strReason}, err);
        if (bEmptyRecordWhenMissing) writer.Write({}, encoding);
    };

    if (options.m_bFind) {
        std::string strWords;
        for (const std::string& strWord : options.m_arrReferences) strWords += strWord + " ";
        const CFindResult found =
            FindVerses(strWords, strIniPath, markers, encoding, TextEncoding::Utf8, options.m_passage);
        if (found.m_arrVerses.empty()) {
            ReportMessages(LookupMessages(LookupOutcome::NotFound), err);
            if (!found.m_strRefusal.empty()) ReportMessages({found.m_strRefusal}, err);
            return kExitSomeNotFound;
        }
        for (const CFoundVerse& verse : found.m_arrVerses) lookUpOne(verse.m_strReference, false, encoding);
    } else if (!options.m_arrReferences.empty()) {
        for (const std::string& strReference : options.m_arrReferences) lookUpOne(strReference, false);
    } else {
        for (std::string strLine; std::getline(in, strLine);) lookUpOne(WithoutLineEnd(strLine), true);
    }
    return bAllFound ? kExitAllFound : kExitSomeNotFound;
}

}  // namespace sorvanta

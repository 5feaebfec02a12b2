// Cost of a lookup on the largest sample book next to the cost of merely
// reading the files it needs, and of lookups in hostile module files.
// Run: lookup_bench --samples DIR/modules
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "lookup/bookresolver.h"
#include "lookup/extract.h"
#include "lookup/find.h"
#include "lookup/lookup.h"
#include "lookup/preview.h"
#include "modules/markers.h"
#include "modules/moduleroots.h"
#include "text/filenames.h"
#include "text/filereading.h"

namespace {

// A folder for the benchmarks' own files, removed at the end.
class CBenchDir {
public:
    CBenchDir() {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "sorvanta-bench-XXXXXX").string();
        if (::mkdtemp(strTemplate.data()) != nullptr) m_strPath = strTemplate;
    }
    ~CBenchDir() {
        std::error_code error;
        if (!m_strPath.empty()) std::filesystem::remove_all(m_strPath, error);
    }
    CBenchDir(const CBenchDir&) = delete;
    CBenchDir& operator=(const CBenchDir&) = delete;

    const std::string& Path() const { return m_strPath; }

    std::string Write(const std::string& strRelative, const std::string& strContent) const {
        const std::filesystem::path path = std::filesystem::path(m_strPath) / strRelative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << strContent;
        return path.string();
    }

private:
    std::string m_strPath;
};

std::string g_strIni;
// Single verses spread over the whole Bible, typed with the module's own
// abbreviations: every 97th verse of the sample's verse list.
std::vector<std::string> g_arrMixedVerses;

std::vector<std::string> MixedVerses(const std::string& strSamples) {
    std::vector<std::vector<std::string>> abbreviations;
    const auto ini = sorvanta::ReadWholeFile(g_strIni);
    for (std::string_view line : sorvanta::SplitTextLines(ini->View())) {
        if (line.rfind("ShortName =", 0) != 0) continue;
        std::istringstream words{std::string(line.substr(11))};
        abbreviations.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
    }
    std::vector<std::string> verses;
    std::ifstream expected(strSamples + "/../expected/kjv.tsv");
    int nBook = 0, nChapter = 0, nVerse = 0, nLine = 0;
    for (std::string strLine; std::getline(expected, strLine); ++nLine) {
        if (nLine % 97 != 0 || std::sscanf(strLine.c_str(), "%d\t%d\t%d", &nBook, &nChapter, &nVerse) != 3) continue;
        verses.push_back(abbreviations.at(nBook).front() + " " + std::to_string(nChapter) + ":" +
                         std::to_string(nVerse));
    }
    return verses;
}

void ReadIniAndBooksOfMixedVerses(benchmark::State& state) {
    std::vector<std::string> arrBooks;
    for (const std::string& strVerse : g_arrMixedVerses) {
        arrBooks.push_back(sorvanta::FindFileNoCase(sorvanta::ResolveBookFile(strVerse, g_strIni)));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto ini = sorvanta::ReadWholeFile(g_strIni);
        const auto book = sorvanta::ReadWholeFile(arrBooks[i++ % arrBooks.size()]);
        if (!ini || !book) {
            state.SkipWithError("file not read");
            break;
        }
        benchmark::DoNotOptimize(ini->View().data());
        benchmark::DoNotOptimize(book->View().data());
    }
}

void LookUpMixedVerses(benchmark::State& state) {
    sorvanta::ModuleMarkers markers;
    sorvanta::ReadModuleMarkers(g_strIni, markers);
    std::size_t i = 0;
    for (auto _ : state) {
        const sorvanta::LookupResult result =
            sorvanta::LookUp(g_arrMixedVerses[i++ % g_arrMixedVerses.size()], g_strIni, markers);
        if (result.m_outcome != sorvanta::LookupOutcome::Found) {
            state.SkipWithError("reference not found");
            break;
        }
        benchmark::DoNotOptimize(result.m_arrParts.data());
    }
}

void ReadIniAndBook(benchmark::State& state, const char* reference) {
    const std::string strBook = sorvanta::FindFileNoCase(sorvanta::ResolveBookFile(reference, g_strIni));
    for (auto _ : state) {
        const auto ini = sorvanta::ReadWholeFile(g_strIni);
        const auto book = sorvanta::ReadWholeFile(strBook);
        if (!ini || !book) {
            state.SkipWithError("file not read");
            break;
        }
        benchmark::DoNotOptimize(ini->View().data());
        benchmark::DoNotOptimize(book->View().data());
    }
}

void LookUpReference(benchmark::State& state, const char* reference) {
    sorvanta::ModuleMarkers markers;
    sorvanta::ReadModuleMarkers(g_strIni, markers);
    for (auto _ : state) {
        const sorvanta::LookupResult result = sorvanta::LookUp(reference, g_strIni, markers);
        if (result.m_outcome != sorvanta::LookupOutcome::Found) {
            state.SkipWithError("reference not found");
            break;
        }
        benchmark::DoNotOptimize(result.m_arrParts.data());
    }
}

// The preview line below the buttons, worked out anew at every key press:
// each text as the reference is typed one character further.
void DescribeWhileTyping(benchmark::State& state, const char* reference) {
    sorvanta::ModuleMarkers markers;
    sorvanta::ReadModuleMarkers(g_strIni, markers);
    const std::string strTyped = reference;
    std::size_t n = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sorvanta::DescribeRequest(strTyped.substr(0, n), g_strIni, markers));
        n = n % strTyped.size() + 1;
    }
}

// Psalms is the largest book; its last chapters make the search run longest.
BENCHMARK_CAPTURE(DescribeWhileTyping, typing_psalm_119_range, "Ps 119:1-176")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DescribeWhileTyping, typing_last_verse, "Ps 150:6")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadIniAndBook, psalms_files, "Ps 1");
BENCHMARK_CAPTURE(LookUpReference, single_verse_first, "Ps 1:1");
BENCHMARK_CAPTURE(LookUpReference, single_verse_last, "Ps 150:6");
BENCHMARK_CAPTURE(LookUpReference, whole_chapter_119, "Ps 119");
BENCHMARK_CAPTURE(LookUpReference, range_119_1_176, "Ps 119:1-176");
BENCHMARK(ReadIniAndBooksOfMixedVerses);
BENCHMARK(LookUpMixedVerses);

// A search by words over the whole module, from Enter to the list: every
// book read and every verse cleaned and compared, unless the first fifty
// phrase matches end it early.
void FindWords(benchmark::State& state, const char* words) {
    sorvanta::ModuleMarkers markers;
    sorvanta::ReadModuleMarkers(g_strIni, markers);
    for (auto _ : state) {
        const sorvanta::CFindResult result = sorvanta::FindVerses(words, g_strIni, markers);
        if (!result.m_strRefusal.empty()) {
            state.SkipWithError("search refused");
            break;
        }
        benchmark::DoNotOptimize(result.m_arrVerses.data());
    }
}

BENCHMARK_CAPTURE(FindWords, nothing_found, "unicorn submarine")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWords, rare_phrase, "the LORD is my shepherd")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWords, common_words_any_order, "said God")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWords, one_common_word, "and me")->Unit(benchmark::kMillisecond);

// A configuration file whose third line repeats the typed abbreviation
// state.range(0) bytes long, with no "=" two lines above it: every
// occurrence is a candidate that fails.
void ResolveRepeatedAbbreviation(benchmark::State& state) {
    const CBenchDir dir;
    std::string strLine;
    // "ИН " in code page 1251, again and again.
    while (strLine.size() < static_cast<std::size_t>(state.range(0))) strLine += "\xc8\xcd ";
    const std::string strIni = dir.Write("m/orvanel.ini", "x\ny\n" + strLine + "\n");
    for (auto _ : state) benchmark::DoNotOptimize(sorvanta::ResolveBookFile("\xc8\xed 1", strIni));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// A chapter marker of state.range(0) bytes "a" sought in a book of
// state.range(1) bytes where every stretch of "a" falls one byte short of it.
void SearchLongMarker(benchmark::State& state) {
    const auto nMarker = static_cast<std::size_t>(state.range(0));
    const std::string strMarker(nMarker, 'a');
    std::string strBook;
    while (strBook.size() < static_cast<std::size_t>(state.range(1))) strBook += std::string(nMarker - 1, 'a') + "b";
    const sorvanta::Reference reference{"X ", "1", "", ""};
    for (auto _ : state) benchmark::DoNotOptimize(sorvanta::ExtractPassage(strBook, reference, strMarker, "<p>"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(1));
}

// The first-start search over a fake home: a Wine prefix with the modules
// and a windows folder, a symbolic-link loop, and 10,000 unrelated folders
// (100 x 100). Warm: the folders are in the page cache after the first run.
void FindModuleRootInAFakeHome(benchmark::State& state) {
    namespace fs = std::filesystem;
    const CBenchDir dir;
    const std::string strHome = dir.Path() + "/home";
    const std::string strPrefix = strHome + "/.wine";
    for (const char* module : {"kjv", "web", "rst"}) {
        dir.Write("home/.wine/drive_c/Program Files/Orvanel/Modules/" + std::string(module) + "/orvanel.ini", "");
    }
    for (int i = 0; i < 300; ++i) fs::create_directories(strPrefix + "/drive_c/windows/system32/d" + std::to_string(i));
    fs::create_directories(strPrefix + "/dosdevices");
    fs::create_directory_symlink("../drive_c", strPrefix + "/dosdevices/c:");
    fs::create_directory_symlink("/", strPrefix + "/dosdevices/z:");
    fs::create_directory_symlink(strHome, strHome + "/loop");
    for (int i = 0; i < 100 * 100; ++i) {
        fs::create_directories(strHome + "/Documents/" + std::to_string(i / 100) + "/" + std::to_string(i % 100));
    }
    const std::vector<std::string> arrPlaces =
        sorvanta::ModuleRootSearchPlaces({strHome, "", "", dir.Path() + "/none"});
    const std::string strExpected = strPrefix + "/drive_c/Program Files/Orvanel/Modules";
    for (auto _ : state) {
        if (sorvanta::FindModuleRoot(arrPlaces) != strExpected) {
            state.SkipWithError("the Wine prefix's modules were not found");
            break;
        }
    }
}

BENCHMARK(FindModuleRootInAFakeHome)->Unit(benchmark::kMillisecond);
BENCHMARK(ResolveRepeatedAbbreviation)->RangeMultiplier(4)->Range(16 << 10, 16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchLongMarker)->Args({5 << 10, 400 << 10})->Args({50 << 10, 4 << 20})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::string strSamples = "build/samples/modules";
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--samples") == 0) {
            strSamples = argv[i + 1];
            std::memmove(argv + i, argv + i + 2, sizeof(char*) * (argc - i - 2));
            argc -= 2;
            break;
        }
    }
    g_strIni = strSamples + "/kjv/orvanel.ini";
    if (!sorvanta::ReadWholeFile(g_strIni)) {
        std::cerr << "no sample module at " << g_strIni << "\n";
        return 2;
    }
    g_arrMixedVerses = MixedVerses(strSamples);
    if (g_arrMixedVerses.empty()) {
        std::cerr << "no verse list beside " << strSamples << "\n";
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

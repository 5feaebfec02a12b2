// Cost of a lookup on the largest sample book next to the cost of merely
// reading the files it needs. Run: lookup_bench --samples DIR/modules
#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <string>

#include "lookup/bookresolver.h"
#include "lookup/lookup.h"
#include "modules/markers.h"
#include "text/filereading.h"

namespace {

std::string g_strIni;

void ReadIniAndBook(benchmark::State& state, const char* reference) {
    const std::string strBook = sorvanta::ResolveBookFile(reference, g_strIni);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sorvanta::ReadWholeFile(g_strIni));
        benchmark::DoNotOptimize(sorvanta::ReadWholeFile(strBook));
    }
}

void LookUpReference(benchmark::State& state, const char* reference) {
    sorvanta::ModuleMarkers markers;
    sorvanta::ReadModuleMarkers(g_strIni, markers);
    for (auto _ : state) {
        const sorvanta::LookupResult result = sorvanta::LookUp(reference, g_strIni, markers);
        if (result.m_outcome != sorvanta::LookupOutcome::Found) state.SkipWithError("reference not found");
        benchmark::DoNotOptimize(result.m_strQuotation);
    }
}

// Psalms is the largest book; its last chapters make the search run longest.
BENCHMARK_CAPTURE(ReadIniAndBook, psalms_files, "Ps 1");
BENCHMARK_CAPTURE(LookUpReference, single_verse_first, "Ps 1:1");
BENCHMARK_CAPTURE(LookUpReference, single_verse_last, "Ps 150:6");
BENCHMARK_CAPTURE(LookUpReference, whole_chapter_119, "Ps 119");
BENCHMARK_CAPTURE(LookUpReference, range_119_1_176, "Ps 119:1-176");

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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Reading a profile as large as the reader accepts, made of as many distinct
// keys (or groups) as fit: every start of either program, and every save,
// reads the profile.
// Run: profile_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "profile/profile.h"
#include "profile/profilefile.h"

namespace {

// "[Settings]" then lines made by `line` from 0 on, as many as fit into a profile.
template <typename MakeLine>
std::string LargestProfile(MakeLine line) {
    std::string text = "[Settings]\nDirectory=/modules\n";
    for (int n = 0;; ++n) {
        const std::string strLine = line(n);
        if (text.size() + strLine.size() > sorvanta::kMaxProfileSize) return text;
        text += strLine;
    }
}

std::string Numbered(const char* format, int n) {
    char line[32];
    std::snprintf(line, sizeof line, format, n);
    return line;
}

void ParseDistinctKeys(benchmark::State& state) {
    const std::string text = LargestProfile([](int n) { return Numbered("k%06d=\n", n); });
    for (auto _ : state) benchmark::DoNotOptimize(sorvanta::CProfile::Parse(text));
    state.counters["bytes"] = static_cast<double>(text.size());
}

void ParseDistinctGroups(benchmark::State& state) {
    const std::string text = LargestProfile([](int n) { return Numbered("[g%06d]\n", n); });
    for (auto _ : state) benchmark::DoNotOptimize(sorvanta::CProfile::Parse(text));
    state.counters["bytes"] = static_cast<double>(text.size());
}

}  // namespace

BENCHMARK(ParseDistinctKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseDistinctGroups)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

// Rebuilding the engine list from a catalogue of 1,000 and of 100,000
// engines, four value reads per row, each through its own INI-file object.
#include "main/catalogues.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

namespace {

std::string GeneratedCatalogue(int engines) {
    const char* const sections[] = {"Engines URL", "Search URL", "List Tag", "Next Tag"};
    std::string text = "[Description]\r\nGenerated catalogue\r\n";
    for (const char* section : sections) {
        text += std::string("[") + section + "]\r\n";
        for (int i = 0; i < engines; ++i) {
            text += "Engine " + std::to_string(i) + "=http://engine" + std::to_string(i) +
                    ".example/search?q=*<div class=\"result\">*<a*Next*</a>\r\n";
        }
    }
    return text;
}

void LoadEnginesFromLargeCatalogue(benchmark::State& state) {
    TempDir dir;
    WriteFile(EnginesFileIn(dir.Path()), GeneratedCatalogue(static_cast<int>(state.range(0))));
    WriteFile(CustomEnginesFileIn(dir.Path()), "[Description]\r\nnone\r\n");
    EngineList rows;
    std::vector<std::string> pageTexts;
    for (auto _ : state) {
        LoadEngines(rows, EnginesFileIn(dir.Path()), CustomEnginesFileIn(dir.Path()), pageTexts);
        benchmark::DoNotOptimize(rows.Count());
    }
    state.counters["rows"] = static_cast<double>(rows.Count());
}
BENCHMARK(LoadEnginesFromLargeCatalogue)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

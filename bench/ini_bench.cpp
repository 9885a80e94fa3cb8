// Reading a catalogue the way the engine list does: one value per request,
// each request checking the file on disk and answering from the copy parsed
// last, and the key listing; the settings dialog's rename, which parses the
// file again; and the parse itself.
#include "main/ini_access.h"
#include "platform/ini_document.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int EngineCount = 1000;

std::string EngineName(int i) {
    return "Engine " + std::to_string(i);
}

// A catalogue of 1,000 engines in its four sections beside a description.
std::string MakeCatalogue() {
    std::string bytes = "[Description]\r\nA generated catalogue.\r\n\r\n";
    const char* sections[] = {"Engines URL", "Search URL", "List Tag", "Next Tag"};
    const char* values[] = {"http://www.example%d.com/", "http://www.example%d.com/search?q=",
                            "<div id=\"results\">*<li class=\"result\">**",
                            "*<a class=\"next\"*Next*</a>"};
    for (int s = 0; s < 4; ++s) {
        bytes.append("[").append(sections[s]).append("]\r\n");
        for (int i = 0; i < EngineCount; ++i) {
            char value[128];
            std::snprintf(value, sizeof value, values[s], i);
            bytes += EngineName(i) + "=" + value + "\r\n";
        }
        bytes += "\r\n";
    }
    return bytes;
}

class Catalogue final {
public:
    Catalogue() { WriteFile(File(), MakeCatalogue()); }
    std::string File() const { return dir_.File("Engines.dat"); }

private:
    TempDir dir_;
};

void BM_ReadOneValue(benchmark::State& state) {
    const Catalogue catalogue;
    const std::string last = EngineName(EngineCount - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadIniString(catalogue.File(), "Next Tag", last));
    }
}
BENCHMARK(BM_ReadOneValue);

void BM_ListEngines(benchmark::State& state) {
    const Catalogue catalogue;
    NameList names;
    for (auto _ : state) {
        ReadIniSection(catalogue.File(), "Engines URL", names);
        benchmark::DoNotOptimize(names.data());
    }
}
BENCHMARK(BM_ListEngines);

// The settings dialog's rename: the old key out of every section and four
// values in, as one replacement of the file; renamed back and forth.
void BM_RenameEngine(benchmark::State& state) {
    const Catalogue catalogue;
    std::string from = EngineName(EngineCount / 2);
    std::string to = "Renamed engine";
    for (auto _ : state) {
        IniEdits edits = {{"", from, std::nullopt}};
        for (const char* section : {"Engines URL", "Search URL", "List Tag", "Next Tag"}) {
            edits.push_back({section, to, "http://www.renamed.example/"});
        }
        WriteIniEdits(catalogue.File(), edits);
        std::swap(from, to);
    }
}
BENCHMARK(BM_RenameEngine);

void BM_ParseCatalogueBytes(benchmark::State& state) {
    const std::string bytes = MakeCatalogue();
    for (auto _ : state) {
        benchmark::DoNotOptimize(IniDocument::Parse(bytes));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseCatalogueBytes);

} // namespace

BENCHMARK_MAIN();

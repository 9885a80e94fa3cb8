// Loading a records file of 5,000 records (500 saves of 10 engines) into the
// records list. Every record is one value read, each of which opens the file.
// The section listing holds at most 16,384 bytes, about 740 date-time texts,
// so the records come in fewer, fuller sections.
#include "main/record_list.h"
#include "main/records.h"
#include "platform/profile.h"

#include <QStandardPaths>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

const char* const kEngines[] = {"Google", "Yahoo",      "Lycos",  "AltaVista", "Excite",
                                "Bing",   "WebCrawler", "HotBot", "Infoseek",  "Ask"};

void WriteRecordsFile(int saves) {
    std::filesystem::create_directories(ProfileDirectory());
    std::ofstream out(ProfileDirectory() + kRecordsFileName, std::ios::binary | std::ios::trunc);
    for (int save = 0; save < saves; ++save) {
        out << "[12/10/2026 " << 1 + save / 3600 % 12 << ":" << save / 600 % 6 << save / 60 % 10
            << ":" << save / 10 % 6 << save % 10 << " AM]\r\n";
        for (const char* engine : kEngines) {
            out << engine << "=rank watcher keywords*www.example-site.com*No. " << save % 200
                << "*http://www.example-engine.com/search?q=rank+watcher&page=3\r\n";
        }
    }
}

void BM_LoadRecords(benchmark::State& state) {
    WriteRecordsFile(static_cast<int>(state.range(0)));
    RecordList records;
    for (auto _ : state) {
        LoadRecords(records);
        benchmark::DoNotOptimize(records.Count());
    }
    state.counters["records"] = records.Count();
    std::filesystem::remove(ProfileDirectory() + kRecordsFileName);
}
BENCHMARK(BM_LoadRecords)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Keeps the records file away from the user's own folder.
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The records of years of use: loading a file of 1,000 and of 10,000 saves of
// 10 engines each (10,000 and 100,000 records, the larger about 12 MB) into
// the records list, one parse of the file and one value read per record; a
// save of 10 engines into the larger file with the list reloaded after it;
// and the delete of every one of its records.
#include "bench/records_file.h"
#include "main/engine_list.h"
#include "main/record_list.h"
#include "main/records.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/profile_cache.h"
#include "support/fake_message_box.h"
#include "support/temp_home.h"

#include <QStandardPaths>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

std::string RecordsPath() {
    return ProfileDirectory() + kRecordsFileName;
}

// As at start-up: the file is parsed once, then read entry by entry.
void BM_LoadRecords(benchmark::State& state) {
    const TempHome home;
    WriteRecordsFile(static_cast<int>(state.range(0)));
    RecordList records;
    for (auto _ : state) {
        state.PauseTiming();
        ForgetProfile(RecordsPath());
        state.ResumeTiming();
        LoadRecords(records);
        benchmark::DoNotOptimize(records.Count());
    }
    state.counters["records"] = records.Count();
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(RecordsPath())) / 1e6;
}
BENCHMARK(BM_LoadRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void TickTenEngines(EngineList& engines) {
    std::vector<TEngineRow> rows;
    for (const char* engine : kBenchEngines) {
        TEngineRow row;
        row.Caption = engine;
        row.Checked = true;
        row.SubItems = {"No. 7", " ", "Search Completed!", "",  "",
                        "",      "",  "http://found/",     "S", "0"};
        rows.push_back(std::move(row));
    }
    engines.SetRows(std::move(rows));
}

// Each save is taken a second after the one before, so that it adds a
// section as a save of the user would.
void BM_SaveRecordsAndReload(benchmark::State& state) {
    const TempHome home;
    WriteRecordsFile(static_cast<int>(state.range(0)));
    EngineList engines;
    TickTenEngines(engines);
    RecordList records;
    LoadRecords(records);
    int second = 0;
    const LocalClock clock = [&second] {
        std::tm time{};
        time.tm_year = 2026 - 1900;
        time.tm_mon = 11;
        time.tm_mday = 11;
        time.tm_hour = 1 + second / 3600 % 20;
        time.tm_min = second / 60 % 60;
        time.tm_sec = second % 60;
        return time;
    };
    for (auto _ : state) {
        ++second;
        SaveRecords(engines, "rank watcher", "www.example-site.com", records, clock);
    }
    state.counters["records"] = records.Count();
}
BENCHMARK(BM_SaveRecordsAndReload)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_DeleteEveryRecord(benchmark::State& state) {
    const TempHome home;
    FakeMessageBox boxes;
    RecordList records;
    for (auto _ : state) {
        state.PauseTiming();
        WriteRecordsFile(static_cast<int>(state.range(0)));
        LoadRecords(records);
        SelectAllRecords(records);
        boxes.SetNextAnswer(IDYES);
        state.ResumeTiming();
        DeleteRecords(records);
    }
    state.counters["left"] = records.Count();
}
BENCHMARK(BM_DeleteEveryRecord)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Keeps the records file away from the user's own folder.
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

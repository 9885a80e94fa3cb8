#include "bench/records_file.h"

#include "main/records.h"
#include "platform/profile.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

void WriteRecordsFile(int saves) {
    std::filesystem::create_directories(ProfileDirectory());
    std::ofstream out(ProfileDirectory() + kRecordsFileName, std::ios::binary | std::ios::trunc);
    for (int save = 0; save < saves; ++save) {
        out << "[" << 1 + save / 43200 % 12 << "/10/2026 " << 1 + save / 3600 % 12 << ":"
            << save / 600 % 6 << save / 60 % 10 << ":" << save / 10 % 6 << save % 10 << " AM]\r\n";
        for (const char* engine : kBenchEngines) {
            out << engine << "=rank watcher keywords*www.example-site.com*No. " << save % 200
                << "*http://www.example-engine.com/search?q=rank+watcher&page=3\r\n";
        }
    }
    out.close();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One call that the recording help module took.
struct RecordedCall {
    std::uintptr_t Caller = 0;
    bool HasPath = false;
    std::string Path;
    unsigned Command = 0;
    std::uintptr_t Data = 0;
};

// What the recording module returns for a topic request.
constexpr std::uintptr_t kRecordingWindow = 0x4711;
// The cookie it writes on initialisation.
constexpr std::uint32_t kRecordingCookie = 0xC00C1E;

// Exported by the recording module besides HtmlHelpA: its calls so far.
using RecordedCallsProc = std::vector<RecordedCall>* (*)();

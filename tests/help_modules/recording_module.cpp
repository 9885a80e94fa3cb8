// A help module that records every call and answers like the real one.
#include "help_modules/recorded_call.h"

extern "C" std::vector<RecordedCall>* RecordedHelpCalls() {
    static std::vector<RecordedCall> calls;
    return &calls;
}

extern "C" std::uintptr_t HtmlHelpA(std::uintptr_t caller, const char* file, unsigned command,
                                    std::uintptr_t data) {
    RecordedHelpCalls()->push_back(
        {caller, file != nullptr, file != nullptr ? file : "", command, data});
    if (command == 28) {
        *reinterpret_cast<std::uint32_t*>(data) = kRecordingCookie;
        return 0;
    }
    return kRecordingWindow;
}

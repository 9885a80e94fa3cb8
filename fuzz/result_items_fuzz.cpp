// Input: result-start, item-start and result-end marker, each ended by a NUL
// byte, then the page. The entries are checked against a plain reading of the
// cutting rules that copies the working text at every step.
#include "fuzz_input.h"
#include "main/result_items.h"
#include "platform/text.h"

#include <cstdlib>

namespace {

std::vector<std::string> Reference(const std::string& page, const std::string& resultStart,
                                   const std::string& itemStart, const std::string& resultEnd) {
    std::vector<std::string> entries;
    const std::string& start = IsBlank(resultStart) ? itemStart : resultStart;
    if (IsBlank(start)) {
        return entries;
    }
    std::string work = page;
    const std::size_t begin = UpperCase(work).find(UpperCase(start));
    if (begin != std::string::npos) {
        work = work.substr(begin);
    }
    if (!IsBlank(resultEnd)) {
        const std::size_t end = UpperCase(work).find(UpperCase(resultEnd));
        work = end == std::string::npos ? std::string() : work.substr(0, end);
    }
    const std::string item = UpperCase(itemStart);
    const std::string upperWork = UpperCase(work);
    std::size_t current = item.empty() ? std::string::npos : upperWork.find(item);
    while (current != std::string::npos) {
        const std::size_t next = upperWork.find(item, current + item.size());
        const std::size_t end = next == std::string::npos ? work.size() : next;
        entries.push_back(work.substr(current + item.size(), end - current - item.size()));
        current = next;
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts = SplitFuzzInput(data, size, 3);
    std::vector<std::string> entries = {"left over"};
    ExtractResultItems(parts[3], parts[0], parts[1], parts[2], entries);
    if (entries != Reference(parts[3], parts[0], parts[1], parts[2])) {
        std::abort();
    }
    return 0;
}

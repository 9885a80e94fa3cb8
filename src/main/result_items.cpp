#include "main/result_items.h"

#include "platform/text.h"

#include <string_view>

namespace {

// Start and end (offsets into the page) of the stretch in which entries are
// looked for; empty when the page has none.
struct Stretch {
    std::size_t begin = 0;
    std::size_t end = 0;
};

Stretch FindWorkingText(std::string_view page, const std::string& resultStart,
                        const std::string& resultEnd) {
    Stretch work{0, page.size()};
    const std::size_t start = FindUpperCased(page, UpperCase(resultStart));
    if (start != std::string_view::npos) {
        work.begin = start;
    }
    if (!IsBlank(resultEnd)) {
        const std::size_t end = FindUpperCased(page, UpperCase(resultEnd), work.begin);
        work.end = end == std::string_view::npos ? work.begin : end;
    }
    return work;
}

} // namespace

void ExtractResultItems(const std::string& pageText, const std::string& resultStart,
                        const std::string& itemStart, const std::string& resultEnd,
                        std::vector<std::string>& entries) {
    const std::string& start = IsBlank(resultStart) ? itemStart : resultStart;
    if (IsBlank(start)) {
        entries.clear();
        return;
    }
    const Stretch work = FindWorkingText(pageText, start, resultEnd);

    // The list's old strings are overwritten in place and the rest dropped at
    // the end, rather than all freed first and made again: a page of very
    // many entries then costs one pass over the list, and old buffers are
    // reused.
    std::size_t count = 0;
    const auto append = [&](std::string_view entry) {
        if (count < entries.size()) {
            entries[count].assign(entry);
        } else {
            entries.emplace_back(entry);
        }
        ++count;
    };

    // Searching only the working text keeps every occurrence inside it.
    const std::string_view workText = std::string_view(pageText).substr(0, work.end);
    const std::string upperItem = UpperCase(itemStart);
    std::size_t current = FindUpperCased(workText, upperItem, work.begin);
    while (current != std::string_view::npos) {
        const std::size_t entryBegin = current + upperItem.size();
        const std::size_t next = FindUpperCased(workText, upperItem, entryBegin);
        const std::size_t entryEnd = next == std::string_view::npos ? work.end : next;
        append(workText.substr(entryBegin, entryEnd - entryBegin));
        current = next;
    }
    entries.resize(count);
}

// Reads arbitrary bytes both ways, with the line-by-line scans (fed in small
// pieces into a small buffer, so lines cross reads and the buffer grows) and
// with IniDocument, and aborts when the answers differ. The input is a
// section name, a NUL byte, a key, a NUL byte and the file's bytes.
#include "fuzz_input.h"
#include "platform/byte_source.h"
#include "platform/ini_document.h"
#include "platform/ini_line_reader.h"
#include "platform/ini_scan.h"
#include "support/ini_feed.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

constexpr IniFeed Feeds[] = {{1, 1}, {3, 5}, {64, 16}, {65536, IniLineReader::DefaultCapacity}};

void CheckKeysAndValues(const IniDocument& document, std::string_view bytes, const IniFeed& feed,
                        const std::string& section, const std::string& key) {
    const std::vector<std::string> keys = document.KeyNames(section);
    Check(FeedKeyNames(bytes, feed, section) == keys);
    Check(FeedValue(bytes, feed, section, key) == document.Value(section, key));
    for (std::size_t i = 0; i < keys.size() && i < 4; ++i) {
        Check(FeedValue(bytes, feed, section, keys[i]) == document.Value(section, keys[i]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts = SplitFuzzInput(data, size, 2);
    const std::string& section = parts[0];
    const std::string& key = parts[1];
    const std::string_view bytes = parts[2];
    const IniDocument document = IniDocument::Parse(std::string(bytes));
    const std::vector<std::string> sections = document.SectionNames();

    for (const IniFeed& feed : Feeds) {
        Check(FeedSectionNames(bytes, feed) == sections);
        // A scan told to stop gets no further names.
        std::size_t taken = 0;
        MemorySource source(bytes, feed.piece);
        IniLineReader lines(source, feed.capacity);
        ScanIniSectionNames(lines, [&](std::string_view) { return ++taken < 2; });
        Check(taken == std::min<std::size_t>(sections.size(), 2));

        CheckKeysAndValues(document, bytes, feed, section, key);
        for (std::size_t i = 0; i < sections.size() && i < 4; ++i) {
            CheckKeysAndValues(document, bytes, feed, sections[i], key);
        }
    }
    return 0;
}

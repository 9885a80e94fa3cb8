#pragma once

#include "platform/byte_source.h"
#include "platform/ini_line_reader.h"
#include "platform/ini_scan.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How INI bytes reach the line scans: in reads of `piece` bytes into a line
// buffer of `capacity` bytes to start with. Small pieces and a small buffer
// make lines and CR LF pairs cross reads and the buffer grow.
struct IniFeed {
    std::size_t piece;
    std::size_t capacity;
};

// The names a scan hands over when the bytes come as `feed` says; `scan` is
// called as scan(lines, take), like ScanIniSectionNames.
template <typename Scan>
std::vector<std::string> FeedNames(std::string_view bytes, const IniFeed& feed, Scan scan) {
    MemorySource source(bytes, feed.piece);
    IniLineReader lines(source, feed.capacity);
    std::vector<std::string> names;
    scan(lines, [&](std::string_view name) {
        names.emplace_back(name);
        return true;
    });
    return names;
}

inline std::vector<std::string> FeedSectionNames(std::string_view bytes, const IniFeed& feed) {
    return FeedNames(bytes, feed, ScanIniSectionNames);
}

inline std::vector<std::string> FeedKeyNames(std::string_view bytes, const IniFeed& feed,
                                             std::string_view section) {
    return FeedNames(bytes, feed, [section](IniLineReader& lines, const IniNameSink& take) {
        ScanIniKeyNames(lines, section, take);
    });
}

inline std::optional<std::string> FeedValue(std::string_view bytes, const IniFeed& feed,
                                            std::string_view section, std::string_view key) {
    MemorySource source(bytes, feed.piece);
    IniLineReader lines(source, feed.capacity);
    const std::optional<std::string_view> value = ScanIniValue(lines, section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

#pragma once

#include "platform/byte_source.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

// Hands out the lines of an INI-format file one at a time, split as
// IniDocument splits them, taking bytes from the source only as the lines
// need them: a scan that stops early reads no further.
class IniLineReader final {
public:
    static constexpr std::size_t DefaultCapacity = 64 * 1024;

    // The buffer starts at `capacity` bytes and grows for longer lines.
    explicit IniLineReader(ByteSource& source, std::size_t capacity = DefaultCapacity);
    IniLineReader(const IniLineReader&) = delete;
    IniLineReader& operator=(const IniLineReader&) = delete;

    // The next line without its line end, valid until the next call; none
    // after the last line or once a read has failed.
    std::optional<std::string_view> Next();
    bool Failed() const { return failed_; }

private:
    void Fill();

    ByteSource& source_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t begin_ = 0; // the next line's start
    std::size_t end_ = 0;   // one past the last byte read
    bool atEnd_ = false;
    bool failed_ = false;
};

#include "platform/ini_line_reader.h"

#include "platform/ini_line.h"

#include <algorithm>
#include <cstring>

IniLineReader::IniLineReader(ByteSource& source, std::size_t capacity)
    : source_(source)
    , buffer_(new char[std::max<std::size_t>(capacity, 1)])
    , capacity_(std::max<std::size_t>(capacity, 1)) {}

std::optional<std::string_view> IniLineReader::Next() {
    for (;;) {
        if (failed_) {
            return std::nullopt;
        }
        const std::string_view rest(buffer_.get() + begin_, end_ - begin_);
        const IniLineSpan line = FirstIniLine(rest);
        if (line.end != IniLineEnd::None || (atEnd_ && !rest.empty())) {
            const std::size_t endLength = line.end == IniLineEnd::CrLf ? 2
                                          : line.end == IniLineEnd::Lf ? 1
                                                                       : 0;
            begin_ += line.length + endLength;
            return rest.substr(0, line.length);
        }
        if (atEnd_) {
            return std::nullopt;
        }
        Fill();
    }
}

// Moves the unfinished line to the front, grows the buffer when that line
// fills it, and reads what fits behind it.
void IniLineReader::Fill() {
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) {
        std::unique_ptr<char[]> larger(new char[2 * capacity_]);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    const long got = source_.Read(buffer_.get() + end_, capacity_ - end_);
    if (got < 0) {
        failed_ = true;
    } else if (got == 0) {
        atEnd_ = true;
    } else {
        end_ += static_cast<std::size_t>(got);
    }
}

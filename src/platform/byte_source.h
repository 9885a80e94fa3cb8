#pragma once

#include "platform/atomic_file.h"

#include <cstddef>
#include <string>
#include <string_view>

// Where a reader's bytes come from, taken in pieces.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to size bytes into buffer: the count, 0 at the end, -1 when
    // the bytes cannot be read.
    virtual long Read(char* buffer, std::size_t size) = 0;
};

// A file opened for reading, closed with the object. A path that is not
// there, or names something other than a regular file, is Missing and reads
// as no bytes; an Unreadable file fails its first read.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    FileState State() const { return state_; }
    // The size the file had when it was opened.
    std::size_t Size() const { return size_; }
    long Read(char* buffer, std::size_t size) override;

private:
    int fd_ = -1;
    FileState state_ = FileState::Missing;
    std::size_t size_ = 0;
};

// Bytes in memory, handed out at most `piece` bytes a read.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes, std::size_t piece = 65536);
    long Read(char* buffer, std::size_t size) override;

private:
    std::string_view bytes_;
    std::size_t piece_;
};

#pragma once

#include "platform/atomic_file.h"
#include "platform/file_stamp.h"

#include <cstddef>
#include <string>

// A file opened for reading, closed with the object. A path that is not
// there, or names something other than a regular file, is Missing and reads
// as no bytes; an Unreadable file fails its first read.
class FileSource final {
public:
    explicit FileSource(const std::string& path);
    ~FileSource();
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    FileState State() const { return state_; }
    // The file as it was when it was opened.
    const FileStamp& Stamp() const { return stamp_; }
    std::size_t Size() const { return static_cast<std::size_t>(stamp_.size); }
    // Copies up to size bytes into buffer: the count, 0 at the end, -1 when
    // the bytes cannot be read.
    long Read(char* buffer, std::size_t size);

private:
    int fd_ = -1;
    FileState state_ = FileState::Missing;
    FileStamp stamp_;
};

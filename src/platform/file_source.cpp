#include "platform/file_source.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileSource::FileSource(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR || errno == EISDIR;
        state_ = missing ? FileState::Missing : FileState::Unreadable;
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        state_ = FileState::Unreadable;
    } else if (S_ISREG(info.st_mode)) {
        state_ = FileState::Read;
        stamp_ = FileStamp::Of(info);
    }
}

FileSource::~FileSource() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

long FileSource::Read(char* buffer, std::size_t size) {
    if (state_ == FileState::Missing) {
        return 0;
    }
    if (state_ == FileState::Unreadable) {
        return -1;
    }
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

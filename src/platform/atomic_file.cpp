#include "platform/atomic_file.h"

#include "platform/byte_source.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor final {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    // Closes now, reporting whether the close (the last chance to see a
    // write error) succeeded.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path that a replacement must rename onto: the file a link points at.
std::optional<std::string> ReplacementTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return std::nullopt;
    }
    return std::string(resolved);
}

// Makes a new file beside the target, with the default permissions that the
// process's file mode mask gives; -1 when the directory refuses it.
int CreateTemporary(const std::string& target, std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    const std::string prefix =
        DirectoryOf(target) + "/." + BaseNameOf(target) + ".tmp" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = prefix + std::to_string(counter++);
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void SyncDirectory(const std::string& target) {
    const int fd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool WriteTemporary(int fd, std::string_view bytes, const struct stat* old) {
    if (old != nullptr) {
        if (::fchmod(fd, old->st_mode & 07777) != 0) {
            return false;
        }
        // Keeps the owner when the superuser rewrites someone's file; an
        // ordinary user cannot give files away and keeps the file as his.
        if (::geteuid() == 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd, old->st_uid, old->st_gid);
        }
    }
    return WriteAll(fd, bytes) && ::fsync(fd) == 0;
}

} // namespace

FileContents ReadWholeFile(const std::string& path) {
    FileSource file(path);
    if (file.State() != FileState::Read) {
        return {file.State(), {}};
    }
    FileContents contents{FileState::Read, {}};
    contents.bytes.reserve(file.Size());
    char chunk[65536];
    for (;;) {
        const long got = file.Read(chunk, sizeof chunk);
        if (got < 0) {
            return {FileState::Unreadable, {}};
        }
        if (got == 0) {
            return contents;
        }
        contents.bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> target = ReplacementTarget(path);
    if (!target || target->empty() || target->back() == '/') {
        return false;
    }
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0 ||
                   ::access(target->c_str(), W_OK) != 0)) {
        return false;
    }
    std::string temporaryPath;
    FileDescriptor temporary(CreateTemporary(*target, temporaryPath));
    if (temporary.Get() < 0) {
        return false;
    }
    const bool written = WriteTemporary(temporary.Get(), bytes, exists ? &old : nullptr);
    if (!temporary.Close() || !written || ::rename(temporaryPath.c_str(), target->c_str()) != 0) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    SyncDirectory(*target);
    return true;
}

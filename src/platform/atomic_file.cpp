#include "platform/atomic_file.h"

#include "platform/file_source.h"
#include "platform/temporary_files.h"

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
int CreateNamedTemporary(const std::string& target, std::string& temporaryPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = TemporaryNameFor(target);
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Gives a file made with O_TMPFILE a temporary name beside the target.
bool NameUnnamedTemporary(int fd, const std::string& target, std::string& temporaryPath) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = TemporaryNameFor(target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporaryPath.c_str(), AT_SYMLINK_FOLLOW) ==
            0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
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

enum class Outcome { Replaced, Failed, Unavailable };

// Moves the written temporary over the target.
bool PutInPlace(const std::string& temporaryPath, const std::string& target) {
    RunReplaceStageHook(ReplaceStage::Named);
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    SyncDirectory(target);
    return true;
}

// Writes into a file without a name, so that a writer killed before the end
// leaves nothing behind; it gets a name only for the moment of the rename.
Outcome ReplaceThroughUnnamedFile(const std::string& target, std::string_view bytes,
                                  const struct stat* old) {
    FileDescriptor temporary(
        ::open(DirectoryOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (temporary.Get() < 0) {
        return Outcome::Unavailable; // a file system without unnamed files
    }
    if (!WriteTemporary(temporary.Get(), bytes, old)) {
        return Outcome::Failed;
    }
    RunReplaceStageHook(ReplaceStage::Written);
    std::string temporaryPath;
    if (!NameUnnamedTemporary(temporary.Get(), target, temporaryPath)) {
        return Outcome::Unavailable; // no /proc to link it through
    }
    if (!temporary.Close()) {
        ::unlink(temporaryPath.c_str());
        return Outcome::Failed;
    }
    return PutInPlace(temporaryPath, target) ? Outcome::Replaced : Outcome::Failed;
}

// A writer killed before the end leaves its temporary file; the next replace
// removes it (RemoveStaleTemporaries).
bool ReplaceThroughNamedFile(const std::string& target, std::string_view bytes,
                             const struct stat* old) {
    std::string temporaryPath;
    FileDescriptor temporary(CreateNamedTemporary(target, temporaryPath));
    if (temporary.Get() < 0) {
        return false;
    }
    const bool written = WriteTemporary(temporary.Get(), bytes, old);
    if (written) {
        RunReplaceStageHook(ReplaceStage::Written);
    }
    if (!temporary.Close() || !written) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    return PutInPlace(temporaryPath, target);
}

bool DirectoryWritable(const std::string& target) {
    return ::access(DirectoryOf(target).c_str(), W_OK | X_OK) == 0;
}

// Overwrites the file's own bytes: for a file that may be written in a
// directory that may not, where no file can be put beside it.
bool OverwriteInPlace(const std::string& target, std::string_view bytes) {
    FileDescriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        return false;
    }
    const bool written = WriteAll(file.Get(), bytes) &&
                         ::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) == 0 &&
                         ::fsync(file.Get()) == 0;
    return file.Close() && written;
}

} // namespace

FileContents ReadWholeFile(const std::string& path) {
    FileSource file(path);
    if (file.State() != FileState::Read) {
        return {file.State(), {}, {}};
    }
    FileContents contents{FileState::Read, {}, file.Stamp()};
    contents.bytes.reserve(file.Size());
    char chunk[65536];
    for (;;) {
        const long got = file.Read(chunk, sizeof chunk);
        if (got < 0) {
            return {FileState::Unreadable, {}, {}};
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
    if (exists && !DirectoryWritable(*target)) {
        return OverwriteInPlace(*target, bytes);
    }
    RemoveStaleTemporaries(*target);
    const struct stat* oldState = exists ? &old : nullptr;
    switch (ReplaceThroughUnnamedFile(*target, bytes, oldState)) {
    case Outcome::Replaced:
        return true;
    case Outcome::Failed:
        return false;
    case Outcome::Unavailable:
        break;
    }
    return ReplaceThroughNamedFile(*target, bytes, oldState);
}

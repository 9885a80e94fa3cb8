#include "platform/profile_cache.h"

#include <cerrno>
#include <ctime>
#include <mutex>
#include <optional>
#include <sys/stat.h>

namespace {

// Longer than a tick of the kernel's clock for file times, whatever its rate.
constexpr long long SettleNanoseconds = 20'000'000;

struct KeptProfile {
    std::string path;
    FileStamp stamp;
    bool settled = false;
    std::shared_ptr<const IniDocument> document;
};

std::mutex keptMutex;
std::optional<KeptProfile> kept;

long long Nanoseconds(const struct timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

struct timespec Now() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

// The file's state and stamp as a stat of its path gives them.
FileState StatPath(const std::string& path, FileStamp& stamp) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return missing ? FileState::Missing : FileState::Unreadable;
    }
    if (!S_ISREG(info.st_mode)) {
        return FileState::Missing;
    }
    stamp = FileStamp::Of(info);
    return FileState::Read;
}

std::shared_ptr<const IniDocument> KeptDocument(const std::string& path, const FileStamp& stamp) {
    const std::lock_guard lock(keptMutex);
    if (kept && kept->settled && kept->path == path && kept->stamp == stamp) {
        return kept->document;
    }
    return nullptr;
}

} // namespace

// A change time far after the read means that the clock was set back; the
// times still differ at the next change.
bool ChangeIsSettled(const struct timespec& changed, const struct timespec& readStart) {
    const long long change = Nanoseconds(changed);
    const long long start = Nanoseconds(readStart);
    return change < start - SettleNanoseconds || change > start + SettleNanoseconds;
}

ParsedProfile ReadProfile(const std::string& path) {
    FileStamp stamp;
    const FileState state = StatPath(path, stamp);
    if (state != FileState::Read) {
        ForgetProfile(path);
        return {state, nullptr};
    }
    if (auto document = KeptDocument(path, stamp)) {
        return {FileState::Read, std::move(document)};
    }
    const struct timespec readStart = Now();
    FileContents contents = ReadWholeFile(path);
    if (contents.state != FileState::Read) {
        ForgetProfile(path);
        return {contents.state, nullptr};
    }
    auto document =
        std::make_shared<const IniDocument>(IniDocument::Parse(std::move(contents.bytes)));
    const std::lock_guard lock(keptMutex);
    kept = KeptProfile{path, contents.stamp, ChangeIsSettled(contents.stamp.changed, readStart),
                       document};
    return {FileState::Read, std::move(document)};
}

void ForgetProfile(const std::string& path) {
    const std::lock_guard lock(keptMutex);
    if (kept && kept->path == path) {
        kept.reset();
    }
}

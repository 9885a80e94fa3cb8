#include "platform/temporary_files.h"

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <mutex>
#include <signal.h>
#include <string_view>
#include <unistd.h>

namespace {

std::mutex hookMutex;
std::function<void(ReplaceStage)> stageHook;

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string PrefixFor(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return "." + name + ".tmp";
}

bool ReadNumber(std::string_view& text, long& number) {
    std::size_t digits = 0;
    number = 0;
    while (digits < text.size() && digits < 10 && text[digits] >= '0' && text[digits] <= '9') {
        number = number * 10 + (text[digits] - '0');
        ++digits;
    }
    text.remove_prefix(digits);
    return digits > 0;
}

// The process id in a temporary name of the prefix; 0 when the name is not
// one of ours.
pid_t WriterOf(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return 0;
    }
    name.remove_prefix(prefix.size());
    long pid = 0;
    long counter = 0;
    if (!ReadNumber(name, pid) || !name.starts_with('-')) {
        return 0;
    }
    name.remove_prefix(1);
    if (!ReadNumber(name, counter) || !name.empty()) {
        return 0;
    }
    return static_cast<pid_t>(pid);
}

bool HasEnded(pid_t pid) {
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

std::string TemporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return DirectoryOf(target) + "/" + PrefixFor(target) + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

void RemoveStaleTemporaries(const std::string& target) {
    const std::string directory = DirectoryOf(target);
    DIR* listing = ::opendir(directory.c_str());
    if (listing == nullptr) {
        return;
    }
    const std::string prefix = PrefixFor(target);
    while (const dirent* entry = ::readdir(listing)) {
        if (HasEnded(WriterOf(entry->d_name, prefix))) {
            ::unlink((directory + "/" + entry->d_name).c_str());
        }
    }
    ::closedir(listing);
}

void SetReplaceStageHook(std::function<void(ReplaceStage)> hook) {
    std::lock_guard lock(hookMutex);
    stageHook = std::move(hook);
}

void RunReplaceStageHook(ReplaceStage stage) {
    std::function<void(ReplaceStage)> hook;
    {
        std::lock_guard lock(hookMutex);
        hook = stageHook;
    }
    if (hook) {
        hook(stage);
    }
}

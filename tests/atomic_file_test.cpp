#include "platform/atomic_file.h"
#include "platform/temporary_files.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool HasUnnamedFiles(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return ::access("/proc/self/fd", F_OK) == 0;
}

// Replaces the file in a child process that is killed at the stage.
void ReplaceInAProcessKilledAt(const std::string& file, const std::string& bytes,
                               ReplaceStage stage) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SetReplaceStageHook([stage](ReplaceStage reached) {
            if (reached == stage) {
                ::raise(SIGKILL);
            }
        });
        ReplaceFileAtomically(file, bytes);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
}

// The id of a process that has ended.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(AtomicReplace, AWriterKilledMidwayLeavesTheOldFileAndNothingThatStays) {
    for (ReplaceStage stage : {ReplaceStage::Written, ReplaceStage::Named}) {
        SCOPED_TRACE(stage == ReplaceStage::Written ? "written" : "named");
        TempDir dir;
        const std::string file = dir.File("records.dat");
        WriteFile(file, "[old]\r\n");
        ReplaceInAProcessKilledAt(file, std::string(1 << 20, 'n'), stage);
        EXPECT_EQ(ReadFile(file), "[old]\r\n");
        if (stage == ReplaceStage::Written && HasUnnamedFiles(dir.Path())) {
            EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"records.dat"});
        }
        // The next write clears up whatever the killed one left.
        ASSERT_TRUE(ReplaceFileAtomically(file, "[new]\r\n"));
        EXPECT_EQ(ReadFile(file), "[new]\r\n");
        EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"records.dat"});
    }
}

TEST(AtomicReplace, RemovesOnlyTheTemporariesOfEndedWritersOfThatFile) {
    TempDir dir;
    const std::string file = dir.File("a.dat");
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getpid());
    const std::vector<std::string> kept = {
        ".a.dat.tmp" + running + "-7", // a writer still at work
        ".a.dat.tmp" + ended,          // not a name of ours
        ".a.dat.tmp" + ended + "-1x",  //
        ".b.dat.tmp" + ended + "-1",   // another file's
        "a.dat.tmp" + ended + "-1",    //
    };
    for (const std::string& name : kept) {
        WriteFile(dir.File(name), "kept");
    }
    WriteFile(dir.File(".a.dat.tmp" + ended + "-1"), "stale");
    WriteFile(dir.File(".a.dat.tmp" + ended + "-4294967295"), "stale");
    ASSERT_TRUE(ReplaceFileAtomically(file, "[S]\r\n"));
    std::vector<std::string> expected = kept;
    expected.push_back("a.dat");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(EntriesOf(dir.Path()), expected);
}

// Runs `replace` in a child process as an ordinary user, who is refused
// what the permission bits refuse: the superuser's child becomes "nobody".
// Whether it succeeded.
bool ReplacedAsAnOrdinaryUser(const std::function<bool()>& replace) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        ::_exit(replace() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ino_t InodeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

TEST(AtomicReplace, AFileThatMayBeWrittenInAFolderThatMayNotIsOverwrittenInPlace) {
    const struct {
        const char* what;
        fs::perms folder;
        fs::perms file;
        bool replaced;
        bool inPlace;
    } cases[] = {
        {"open folder", fs::perms::all, fs::perms(0666), true, false},
        {"closed folder", fs::perms(0555), fs::perms(0666), true, true},
        {"closed folder, read-only file", fs::perms(0555), fs::perms(0444), false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        fs::permissions(dir.Path(), fs::perms(0755));
        const std::string folder = dir.File("program");
        const std::string file = folder + "/Engines.dat";
        fs::create_directory(folder);
        WriteFile(file, "[old and longer than the new]\r\n");
        fs::permissions(file, c.file);
        fs::permissions(folder, c.folder);
        const ino_t before = InodeOf(file);

        EXPECT_EQ(
            ReplacedAsAnOrdinaryUser([&] { return ReplaceFileAtomically(file, "[new]\r\n"); }),
            c.replaced);
        EXPECT_EQ(ReadFile(file), c.replaced ? "[new]\r\n" : "[old and longer than the new]\r\n");
        EXPECT_EQ(InodeOf(file) == before, c.inPlace);
        EXPECT_EQ(fs::status(file).permissions(), c.file);
        EXPECT_EQ(EntriesOf(folder), std::vector<std::string>{"Engines.dat"});
        fs::permissions(folder, fs::perms::owner_all);
    }
}

} // namespace

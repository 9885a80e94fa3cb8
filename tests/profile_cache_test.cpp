// Reads answer from the copy of the file parsed last only while the file on
// disk is the one that was parsed.
#include "main/ini_access.h"
#include "platform/profile_cache.h"
#include "support/temp_dir.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

struct timespec ModifiedTime(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mtim;
}

void SetModifiedTime(const std::string& path, const struct timespec& time) {
    const struct timespec times[2] = {time, time};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Long enough for a read to trust its copy: the file's last change lies
// clearly before it.
void LetTheFileSettle() {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

TEST(ProfileCache, AFileChangedByAnotherWriterIsReadAnew) {
    const struct {
        const char* what;
        std::function<void(const std::string& file, TempDir& dir)> change;
        std::string value;
    } cases[] = {
        {"another size", [](const std::string& file, TempDir&) { WriteFile(file, "[S]\nk=22\n"); },
         "22"},
        {"the same size, only the change time later",
         [](const std::string& file, TempDir&) {
             const struct timespec modified = ModifiedTime(file);
             WriteFile(file, "[S]\nk=2\n");
             SetModifiedTime(file, modified);
         },
         "2"},
        {"replaced by a rename, the same size and times",
         [](const std::string& file, TempDir& dir) {
             WriteFile(dir.File("new.dat"), "[S]\nk=3\n");
             SetModifiedTime(dir.File("new.dat"), ModifiedTime(file));
             std::rename(dir.File("new.dat").c_str(), file.c_str());
         },
         "3"},
        {"removed", [](const std::string& file, TempDir&) { std::remove(file.c_str()); }, "Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string file = dir.File("Engines.dat");
        WriteFile(file, "[S]\nk=1\n");
        LetTheFileSettle();
        ASSERT_EQ(ReadIniString(file, "S", "k"), "1");
        ASSERT_EQ(ReadIniString(file, "S", "k"), "1");
        c.change(file, dir);
        EXPECT_EQ(ReadIniString(file, "S", "k"), c.value);
        NameList keys;
        ReadIniSection(file, "S", keys);
        EXPECT_EQ(keys.empty(), c.value == "Error");
    }
}

// Two writes within one tick of the clock that stamps files leave the same
// times (where the file system does not make them finer once a time was
// read): a copy read within moments of the file's last change is not
// trusted.
TEST(ProfileCache, ACopyReadJustAfterAChangeIsNotTrusted) {
    const struct timespec read = {1'800'000'000, 500'000'000};
    const struct {
        const char* what;
        struct timespec changed;
        bool settled;
    } cases[] = {
        {"a second before the read", {1'799'999'999, 500'000'000}, true},
        {"21 ms before", {1'800'000'000, 479'000'000}, true},
        {"a millisecond before", {1'800'000'000, 499'000'000}, false},
        {"at the read", read, false},
        {"during the read", {1'800'000'000, 510'000'000}, false},
        {"an hour after: the clock was set back", {1'800'003'600, 0}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChangeIsSettled(c.changed, read), c.settled) << c.what;
    }
}

} // namespace

#include "platform/profile.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <QDir>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Read(const char* section, const char* key, const std::string& file,
                 unsigned size = 2048) {
    std::vector<char> buffer(size, '#');
    const unsigned length =
        GetPrivateProfileStringA(section, key, "Error", buffer.data(), size, file);
    EXPECT_LT(length, size);
    EXPECT_EQ(buffer[length], '\0');
    return std::string(buffer.data(), length);
}

bool Write(const char* section, const char* key, const char* value, const std::string& file) {
    return WritePrivateProfileStringA(section, key, value, file);
}

unsigned Mode(const std::string& path) {
    return static_cast<unsigned>(fs::status(path).permissions());
}

TEST(ProfileRead, MissingFileGivesTheDefaultAndEmptyLists) {
    TempDir dir;
    const std::string file = dir.File("none.dat");
    EXPECT_EQ(Read("S", "k", file), "Error");
    char list[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, nullptr, list, 4, file), 0u);
    EXPECT_EQ(list[0], '\0');
    EXPECT_EQ(GetPrivateProfileStringA("S", nullptr, nullptr, list, 4, file), 0u);
    EXPECT_EQ(list[0], '\0');
    EXPECT_FALSE(fs::exists(file));
}

TEST(ProfileRead, ListsAreZeroSeparatedWithASecondZeroAtTheEnd) {
    TempDir dir;
    WriteFile(dir.File("a.dat"), "[One]\nk1=1\nk2=2\n[Two]\n");
    std::vector<char> buffer(64, '#');
    EXPECT_EQ(
        GetPrivateProfileStringA(nullptr, nullptr, nullptr, buffer.data(), 64, dir.File("a.dat")),
        8u);
    EXPECT_EQ(std::string(buffer.data(), 9), std::string("One\0Two\0\0", 9));
    EXPECT_EQ(
        GetPrivateProfileStringA("one", nullptr, nullptr, buffer.data(), 64, dir.File("a.dat")),
        6u);
    EXPECT_EQ(std::string(buffer.data(), 7), std::string("k1\0k2\0\0", 7));
}

TEST(ProfileRead, AListThatDoesNotFitEndsWithTwoZerosAndACutName) {
    TempDir dir;
    WriteFile(dir.File("a.dat"), "[Alpha]\n[Beta]\n");
    std::vector<char> buffer(9, '#');
    EXPECT_EQ(
        GetPrivateProfileStringA(nullptr, nullptr, nullptr, buffer.data(), 9, dir.File("a.dat")),
        7u);
    EXPECT_EQ(std::string(buffer.data(), 9), std::string("Alpha\0B\0\0", 9));
}

// "Alpha" and its zero byte fill the buffer up to its last byte: "Beta"
// finds no room at all, not even for a cut name.
TEST(ProfileRead, AListWhoseNamesFillTheBufferExactlyLeavesTheNextOneOut) {
    TempDir dir;
    WriteFile(dir.File("a.dat"), "[Alpha]\n[Beta]\n");
    for (const unsigned size : {7u, 6u}) {
        std::vector<char> buffer(size, '#');
        EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, nullptr, buffer.data(), size,
                                           dir.File("a.dat")),
                  size - 2);
        EXPECT_EQ(std::string(buffer.data(), size),
                  std::string("Alpha\0\0", 7).substr(0, size - 2) + std::string(2, '\0'));
    }
}

TEST(ProfileRead, ValuesAreCutToTheBuffer) {
    TempDir dir;
    const std::string file = dir.File("a.dat");
    WriteFile(file, "[S]\nlong=" + std::string(5000, 'x') + "\n");
    EXPECT_EQ(Read("S", "long", file), std::string(2047, 'x'));
    EXPECT_EQ(Read("S", "long", file, 10), std::string(9, 'x'));
    EXPECT_EQ(Read("S", "none", file, 3), "Er");
}

TEST(ProfileRead, CrLfAndLfFilesReadTheSame) {
    TempDir dir;
    WriteFile(dir.File("crlf.dat"), "[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
    WriteFile(dir.File("lf.dat"), "[A]\nk=1\n[B]\nk=2");
    for (const char* name : {"crlf.dat", "lf.dat"}) {
        EXPECT_EQ(Read("B", "k", dir.File(name)), "2") << name;
        EXPECT_EQ(Read("A", "k", dir.File(name)), "1") << name;
    }
}

TEST(ProfileBadInput, BinaryBytesHugeLinesAndManySectionsReadWithoutHarm) {
    TempDir dir;
    std::mt19937 random(7);
    std::string noise;
    for (int i = 0; i < 200000; ++i) {
        noise += static_cast<char>(random() % 256);
    }
    const std::string huge = "[Big]\nk=" + std::string(10 * 1024 * 1024, 'v');
    std::string many;
    for (int i = 0; i < 5000; ++i) {
        many += "[Section " + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    }
    for (const std::string& bytes : {noise, huge, many}) {
        const std::string file = dir.File("bad.dat");
        WriteFile(file, bytes);
        Read(nullptr, nullptr, file, 16384);
        Read("Big", nullptr, file, 16384);
        Read("Big", "k", file);
        ASSERT_TRUE(Write("Quillmark-New", "key", "value", file));
        EXPECT_EQ(Read("Quillmark-New", "key", file), "value");
        const std::string after = ReadFile(file);
        EXPECT_EQ(after.substr(0, bytes.size()), bytes);
    }
    EXPECT_EQ(Read("Big", "k", dir.File("bad.dat")), "Error");
    EXPECT_EQ(Read("Section 4999", "k", dir.File("bad.dat")), "4999");
}

TEST(ProfileWrite, NewLinesUseCrLfAndOldLinesStayAsTheyWere) {
    TempDir dir;
    const std::string file = dir.File("a.dat");
    WriteFile(file, "[A]\nx=1\n; kept as it is\nno equals sign\n[B]\ny=2");
    ASSERT_TRUE(Write("A", "z", "3", file));
    ASSERT_TRUE(Write("B", "y", "4", file));
    ASSERT_TRUE(Write("C", "w", "", file));
    EXPECT_EQ(ReadFile(file),
              "[A]\nx=1\nz=3\r\n; kept as it is\nno equals sign\n[B]\ny=4\r\n[C]\r\nw=\r\n");
}

TEST(ProfileWrite, RemovingWhatIsNotThereLeavesTheFileAlone) {
    TempDir dir;
    const std::string file = dir.File("a.dat");
    EXPECT_TRUE(Write("S", "k", nullptr, file));
    EXPECT_FALSE(fs::exists(file));
    WriteFile(file, "[S]\nk=1\n");
    const auto stamp = fs::last_write_time(file) - std::chrono::hours(1);
    fs::last_write_time(file, stamp);
    EXPECT_TRUE(Write("S", "other", nullptr, file));
    EXPECT_TRUE(Write("T", "k", nullptr, file));
    EXPECT_EQ(fs::last_write_time(file), stamp);
}

TEST(ProfileWrite, OddRequests) {
    TempDir dir;
    const std::string file = dir.File("a.dat");
    EXPECT_TRUE(Write(nullptr, nullptr, nullptr, file));
    EXPECT_FALSE(Write("S", nullptr, nullptr, file));
    EXPECT_FALSE(Write(nullptr, "k", "v", file));
    EXPECT_FALSE(Write("S", "k", "two\r\nlines", file));
    EXPECT_FALSE(Write("S", "a=b", "v", file));
    EXPECT_FALSE(fs::exists(file));
}

TEST(ProfileWrite, KeepsPermissionBitsAndMakesNewFilesByTheMask) {
    TempDir dir;
    const std::string file = dir.File("a.dat");
    const mode_t oldMask = ::umask(022);
    ASSERT_TRUE(Write("S", "k", "1", file));
    ::umask(oldMask);
    EXPECT_EQ(Mode(file), 0644u);
    fs::permissions(file, static_cast<fs::perms>(0640));
    ASSERT_TRUE(Write("S", "k", "2", file));
    EXPECT_EQ(Mode(file), 0640u);
    EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"a.dat"});
}

TEST(ProfileWrite, WritesThroughASymbolicLinkAndKeepsTheLink) {
    TempDir dir;
    WriteFile(dir.File("real.dat"), "[S]\nk=1\n");
    fs::create_symlink(dir.File("real.dat"), dir.File("link.dat"));
    ASSERT_TRUE(Write("S", "k", "2", dir.File("link.dat")));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(ReadFile(dir.File("real.dat")), "[S]\nk=2\r\n");
}

// Permission bits do not stop the superuser, so these use places where no
// one can write: a file without any write bit (which the engine refuses to
// replace, as Windows refuses a read-only file), a missing directory, and a
// directory that is really a regular file.
TEST(ProfileWriteRefused, LeavesEverythingAsItWas) {
    TempDir dir;
    const std::string readOnly = dir.File("readonly.dat");
    WriteFile(readOnly, "[S]\nk=1\n");
    fs::permissions(readOnly, static_cast<fs::perms>(0444));
    EXPECT_FALSE(Write("S", "k", "2", readOnly));
    EXPECT_FALSE(Write("S", "k", nullptr, readOnly));
    EXPECT_EQ(ReadFile(readOnly), "[S]\nk=1\n");
    EXPECT_EQ(Mode(readOnly), 0444u);

    WriteFile(dir.File("plain"), "not a directory");
    for (const std::string& file : {dir.File("missing/a.dat"), dir.File("plain/a.dat")}) {
        EXPECT_FALSE(Write("S", "k", "v", file)) << file;
    }
    EXPECT_FALSE(Write("S", "k", "v", dir.Path()));
    EXPECT_EQ(ReadFile(dir.File("plain")), "not a directory");
    EXPECT_EQ(EntriesOf(dir.Path()), (std::vector<std::string>{"plain", "readonly.dat"}));
}

// A disk that fills up in the middle of the write: the file size limit makes
// the temporary file's write fail part way.
TEST(ProfileWriteRefused, AWriteThatFailsHalfWayLeavesTheOldFile) {
    TempDir dir;
    const std::string file = dir.File("a.dat");
    const std::string before = "[S]\nk=1\n";
    WriteFile(file, before);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = Write("S", "k", std::string(100000, 'x').c_str(), file);
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"a.dat"});
}

TEST(ProfileBareName, LeadsToThePerUserFolder) {
    const TempHome home;
    const std::string folder = ProfileDirectory();
    EXPECT_EQ(folder.rfind(home.Path(), 0), 0u) << folder;
    EXPECT_TRUE(folder.ends_with("/Quillmark/")) << folder;

    EXPECT_EQ(Read("S", "k", "bare-name-test.dat"), "Error");
    EXPECT_TRUE(Write("S", "k", nullptr, "bare-name-test.dat"));
    EXPECT_FALSE(fs::exists(folder));
    ASSERT_TRUE(Write("S", "k", "v", "bare-name-test.dat"));
    EXPECT_EQ(ReadFile(folder + "bare-name-test.dat"), "[S]\r\nk=v\r\n");
    EXPECT_EQ(Read("S", "k", "bare-name-test.dat"), "v");
}

} // namespace

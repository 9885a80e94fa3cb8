#include "support/temp_dir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kProgramFiles = {"Quillmark", "HHCTRL.OCX", "Manuvel.chm"};

// Stand-ins for the built program files and the shipped catalogues, and the
// program folder that the script fills from them.
class ProgramFolderScript : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_.File("built"));
        fs::create_directories(dir_.File("data"));
        Build("build 1");
        WriteFile(dir_.File("data/Engines.dat"), "shipped standard\n");
        WriteFile(dir_.File("data/CEngines.dat"), "shipped custom\n");
    }

    // Gives every built file the contents; the program stays executable.
    void Build(const std::string& contents) {
        for (const std::string& name : kProgramFiles) {
            WriteFile(dir_.File("built/" + name), name + " " + contents + "\n");
        }
        fs::permissions(dir_.File("built/Quillmark"), fs::perms::owner_all);
    }

    // Runs the script; its exit code.
    int Prepare() {
        const std::string command = "'" QM_SCRIPTS_DIR "/prepare_program_folder.sh' '" + Folder() +
                                    "' '" + dir_.File("built") + "' '" + dir_.File("data") +
                                    "' >'" + dir_.File("out") + "' 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Below a folder that does not exist yet, as on a fresh checkout.
    std::string Folder() const { return dir_.File("checkout/program"); }
    std::string InFolder(const std::string& name) const { return Folder() + "/" + name; }
    std::string Output() const { return ReadFile(dir_.File("out")); }

    TempDir dir_;
};

TEST_F(ProgramFolderScript, FirstRunFillsTheFolder) {
    ASSERT_EQ(Prepare(), 0) << Output();
    for (const std::string& name : kProgramFiles) {
        EXPECT_EQ(ReadFile(InFolder(name)), name + " build 1\n");
    }
    EXPECT_EQ(ReadFile(InFolder("Engines.dat")), "shipped standard\n");
    EXPECT_EQ(ReadFile(InFolder("CEngines.dat")), "shipped custom\n");
    EXPECT_NE(fs::status(InFolder("Quillmark")).permissions() & fs::perms::owner_exec,
              fs::perms::none);
}

TEST_F(ProgramFolderScript, RerunRefreshesTheProgramAndKeepsWhatTheUserWrote) {
    ASSERT_EQ(Prepare(), 0) << Output();
    WriteFile(InFolder("Engines.dat"), "standard the user edited\n");
    WriteFile(InFolder("CEngines.dat"), "the user's own engines\n");
    WriteFile(InFolder("notes.txt"), "the user's notes\n");
    Build("build 2");
    WriteFile(dir_.File("data/Engines.dat"), "shipped standard, newer\n");

    ASSERT_EQ(Prepare(), 0) << Output();
    for (const std::string& name : kProgramFiles) {
        EXPECT_EQ(ReadFile(InFolder(name)), name + " build 2\n");
    }
    EXPECT_EQ(ReadFile(InFolder("Engines.dat")), "standard the user edited\n");
    EXPECT_EQ(ReadFile(InFolder("CEngines.dat")), "the user's own engines\n");
    EXPECT_EQ(ReadFile(InFolder("notes.txt")), "the user's notes\n");
    EXPECT_EQ(EntriesOf(Folder()),
              (std::vector<std::string>{"CEngines.dat", "Engines.dat", "HHCTRL.OCX", "Manuvel.chm",
                                        "Quillmark", "notes.txt"}));
}

TEST_F(ProgramFolderScript, RerunCopiesOnlyTheMissingCatalogue) {
    ASSERT_EQ(Prepare(), 0) << Output();
    WriteFile(InFolder("Engines.dat"), "standard the user edited\n");
    fs::remove(InFolder("CEngines.dat"));

    ASSERT_EQ(Prepare(), 0) << Output();
    EXPECT_EQ(ReadFile(InFolder("Engines.dat")), "standard the user edited\n");
    EXPECT_EQ(ReadFile(InFolder("CEngines.dat")), "shipped custom\n");
}

// The user may still have the program open from an earlier run.
TEST_F(ProgramFolderScript, RerunReplacesAProgramThatIsStillRunning) {
    fs::copy_file("/bin/sleep", dir_.File("built/Quillmark"), fs::copy_options::overwrite_existing);
    ASSERT_EQ(Prepare(), 0) << Output();
    std::string program = InFolder("Quillmark");
    char* const arguments[] = {program.data(), const_cast<char*>("60"), nullptr};
    pid_t running = 0;
    ASSERT_EQ(posix_spawn(&running, program.c_str(), nullptr, nullptr, arguments, environ), 0);

    Build("build 2");
    EXPECT_EQ(Prepare(), 0) << Output();
    EXPECT_EQ(ReadFile(program), "Quillmark build 2\n");

    kill(running, SIGKILL);
    waitpid(running, nullptr, 0);
}

} // namespace

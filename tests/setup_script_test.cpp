#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

// A folder of stand-in commands for the set-up script: `id` answers the user
// id, `dpkg-query` finds no package installed, and `sudo` and `apt-get`
// (when present) write down how they were called, apt-get after the value
// of DEBIAN_FRONTEND where it is set. Every other command the
// script needs is linked from the system.
class StubCommands final {
public:
    StubCommands(int userId, bool withSudo) {
        Write("id", "echo " + std::to_string(userId));
        Write("dpkg-query", "exit 1");
        Write("apt-get", "echo \"${DEBIAN_FRONTEND:+$DEBIAN_FRONTEND }apt-get $*\" >>'" +
                             dir_.File("calls") + "'");
        if (withSudo) {
            Write("sudo", "echo \"sudo $*\" >>'" + dir_.File("calls") + "'; \"$@\"");
        }
        for (const char* tool : {"bash", "env", "grep"}) {
            fs::create_symlink(fs::path("/usr/bin") / tool, dir_.File(std::string("bin/") + tool));
        }
    }

    // Runs the script with only these commands on the PATH; its exit code.
    int RunSetUp() {
        const std::string command = "env -i PATH='" + dir_.File("bin") +
                                    "' '" QM_SCRIPTS_DIR "/setup.sh' >'" + dir_.File("out") +
                                    "' 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Output() const { return ReadFile(dir_.File("out")); }
    std::string Calls() const {
        return fs::exists(dir_.File("calls")) ? ReadFile(dir_.File("calls")) : std::string();
    }

private:
    void Write(const std::string& name, const std::string& body) {
        fs::create_directories(dir_.File("bin"));
        const std::string path = dir_.File("bin/" + name);
        WriteFile(path, "#!/bin/bash\n" + body + "\n");
        fs::permissions(path, fs::perms::owner_all);
    }

    TempDir dir_;
};

TEST(SetUpScript, WithoutRootOrSudoPrintsTheLineToRunAsRootAndStops) {
    StubCommands commands(1000, false);
    EXPECT_EQ(commands.RunSetUp(), 1);
    const std::string output = commands.Output();
    EXPECT_NE(output.find("sudo is not available"), std::string::npos) << output;
    EXPECT_NE(
        output.find("\n    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y "
                    "--no-install-recommends cmake "),
        std::string::npos)
        << output;
    EXPECT_NE(output.find(" locales\n"), std::string::npos) << output;
    EXPECT_EQ(commands.Calls(), "");
}

TEST(SetUpScript, InstallsAsRootOrThroughSudo) {
    StubCommands asRoot(0, false);
    EXPECT_EQ(asRoot.RunSetUp(), 0) << asRoot.Output();
    EXPECT_EQ(asRoot.Calls().rfind("apt-get update\nnoninteractive apt-get install -y", 0), 0u)
        << asRoot.Calls();

    StubCommands throughSudo(1000, true);
    EXPECT_EQ(throughSudo.RunSetUp(), 0) << throughSudo.Output();
    EXPECT_EQ(throughSudo.Calls().rfind("sudo apt-get update\napt-get update\nsudo env "
                                        "DEBIAN_FRONTEND=noninteractive apt-get install -y",
                                        0),
              0u)
        << throughSudo.Calls();
    EXPECT_NE(throughSudo.Calls().find("\nnoninteractive apt-get install -y"), std::string::npos)
        << throughSudo.Calls();
}

} // namespace

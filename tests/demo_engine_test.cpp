#include "platform/indy_http.h"
#include "support/temp_dir.h"
#include "support/test_http_server.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFixedPort = 61808;
const std::string kServesLine = "Demo Engine serves http://127.0.0.1:";

// The demo engine started on a program folder, with its output read until it
// says where it serves (or gives up after a while); stopped at the end.
class RunningDemoEngine final {
public:
    explicit RunningDemoEngine(const std::string& folder, const std::string& port = {}) {
        std::vector<std::string> words = {QM_DEMO_ENGINE, folder};
        if (!port.empty()) {
            words.push_back(port);
        }
        std::vector<char*> arguments;
        for (std::string& word : words) {
            arguments.push_back(word.data());
        }
        arguments.push_back(nullptr);

        int out[2];
        if (pipe2(out, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        if (posix_spawn(&pid_, QM_DEMO_ENGINE, &actions, nullptr, arguments.data(), environ) != 0) {
            pid_ = 0;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        ReadUntilServing(out[0]);
        close(out[0]);
    }

    ~RunningDemoEngine() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    RunningDemoEngine(const RunningDemoEngine&) = delete;
    RunningDemoEngine& operator=(const RunningDemoEngine&) = delete;

    const std::string& Output() const { return output_; }

    // The port of its "serves" line; 0 without one.
    int ServedPort() const {
        const std::size_t at = output_.find(kServesLine);
        return at == std::string::npos ? 0 : std::atoi(output_.c_str() + at + kServesLine.size());
    }

private:
    // Generous, for the sanitizer builds.
    static constexpr auto kPatience = std::chrono::seconds(30);

    void ReadUntilServing(int out) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!Serving()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd ready = {out, POLLIN, 0};
            if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
                return;
            }
            char buffer[4096];
            const ssize_t got = read(out, buffer, sizeof buffer);
            if (got <= 0) {
                return;
            }
            output_.append(buffer, static_cast<std::size_t>(got));
        }
    }

    bool Serving() const {
        const std::size_t at = output_.find(kServesLine);
        return at != std::string::npos && output_.find('\n', at) != std::string::npos;
    }

    pid_t pid_ = 0;
    std::string output_;
};

std::string Fetch(const std::string& url) {
    TIdHTTP http;
    return http.Get(url);
}

// A port nobody listens on just now.
int FreePort() {
    const TestHttpServer probe;
    return probe.Port();
}

// A standard catalogue with two other engines, and the demo's entry last in
// each section when its address is given; with the CRLF line ends that the
// catalogue writes.
std::string Catalogue(const std::string& demoHome) {
    struct Section {
        std::string name, alpha, zeta, demo;
    };
    const Section sections[] = {
        {"Engines URL", "http://alpha.example/", "http://zeta.example/", demoHome},
        {"Search URL",
         "http://alpha.example/find?q=", "http://zeta.example/?s=", demoHome + "search?q="},
        {"List Tag", "<ul>*<li>**", "<div id=\"hits\">*<p>**", "<ol class=\"results\">*<li>**"},
        {"Next Tag", "*<a*More*</a>", "*<a*>>*</a>", "*<a*Next*</a>"},
    };
    std::string text = "[Description]\r\nA catalogue of the tests\r\n";
    for (const Section& section : sections) {
        text += "\r\n[" + section.name + "]\r\nAlpha=" + section.alpha +
                "\r\nZeta=" + section.zeta + "\r\n";
        if (!demoHome.empty()) {
            text += "Demo Engine=" + section.demo + "\r\n";
        }
    }
    return text;
}

std::string Home(int port) {
    return "http://127.0.0.1:" + std::to_string(port) + "/";
}

TEST(DemoEngine, ServesOnTheFixedPort) {
    TempDir folder;
    WriteFile(folder.File("Engines.dat"), Catalogue(""));
    const RunningDemoEngine demo(folder.Path());
    if (demo.Output().find(" is taken") != std::string::npos) {
        GTEST_SKIP() << "port " << kFixedPort << " is busy on this machine: " << demo.Output();
    }
    ASSERT_EQ(demo.Output(), kServesLine + std::to_string(kFixedPort) + "/\n");
    EXPECT_NE(Fetch(Home(kFixedPort) + "search?q=x").find("<h1>Demo Engine</h1>"),
              std::string::npos);
}

TEST(DemoEngine, WritesItsAddressIntoItsOwnEntryOnly) {
    const std::string customCatalogue = "[Engines URL]\nDemo Engine=http://127.0.0.1:1/\n";
    for (const std::string& before : {Catalogue(""), Catalogue("http://127.0.0.1:1/")}) {
        TempDir folder;
        WriteFile(folder.File("Engines.dat"), before);
        WriteFile(folder.File("CEngines.dat"), customCatalogue);
        const RunningDemoEngine demo(folder.Path(), std::to_string(FreePort()));
        ASSERT_NE(demo.ServedPort(), 0) << demo.Output();

        EXPECT_EQ(ReadFile(folder.File("Engines.dat")), Catalogue(Home(demo.ServedPort())))
            << before;
        EXPECT_EQ(ReadFile(folder.File("CEngines.dat")), customCatalogue);
    }
}

TEST(DemoEngine, TakesAnotherPortWhenItsOwnIsTakenAndSaysSo) {
    TempDir folder;
    WriteFile(folder.File("Engines.dat"), Catalogue(""));
    const TestHttpServer holder;
    const RunningDemoEngine demo(folder.Path(), std::to_string(holder.Port()));
    const int port = demo.ServedPort();
    ASSERT_NE(port, 0) << demo.Output();
    EXPECT_NE(port, holder.Port());

    EXPECT_EQ(demo.Output(), "Port " + std::to_string(holder.Port()) +
                                 " is taken; the demo engine takes port " + std::to_string(port) +
                                 " instead\n" + kServesLine + std::to_string(port) + "/\n");
    EXPECT_NE(Fetch(Home(port) + "search?q=x").find("<h1>Demo Engine</h1>"), std::string::npos);
    EXPECT_EQ(ReadFile(folder.File("Engines.dat")), Catalogue(Home(port)));
    EXPECT_EQ(holder.Connections(), 0);
}

} // namespace

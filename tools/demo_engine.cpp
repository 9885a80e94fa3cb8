// A small search engine on 127.0.0.1 for trying the program without the
// internet: five result pages of ten entries, linked by "Next" links. It
// listens on a fixed port (another one when that is taken), writes its
// address into its own "Demo Engine" entry of the standard catalogue in the
// directory given, then serves until it is stopped.
//
//   demo_engine <program directory> [port]
//
// The port argument is for the tests; the run command leaves it out.
#include "main/catalogues.h"
#include "main/ini_access.h"
#include "support/test_http_server.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

// Fixed, so that an engine the user copied from the demo's entry still
// answers on the next run. It lies above the range Linux hands out by
// default to passing connections (32768-60999), where no random port
// lands on it.
constexpr int kFixedPort = 61808;
constexpr int kPages = 5;
constexpr int kEntriesPerPage = 10;

// Sites that stand in the demo's results, by entry number.
std::string SiteOfEntry(int n) {
    switch (n) {
    case 3:
        return "www.example.org";
    case 14:
        return "www.quillmark-demo.example";
    case 37:
        return "www.rank-watcher.example";
    default:
        return "site" + std::to_string(n) + ".example.net";
    }
}

std::string ResultPage(int page) {
    std::string html = "<html><head><title>Demo Engine</title></head><body>\r\n"
                       "<h1>Demo Engine</h1>\r\n<ol class=\"results\">\r\n";
    for (int i = 1; i <= kEntriesPerPage; ++i) {
        const int n = (page - 1) * kEntriesPerPage + i;
        const std::string site = SiteOfEntry(n);
        html += "<li><a href=\"http://" + site + "/\">Result " + std::to_string(n) +
                "</a> http://" + site + "/ - a page about your keywords</li>\r\n";
    }
    html += "</ol>\r\n";
    if (page < kPages) {
        html +=
            "<p><a href=\"/results?page=" + std::to_string(page + 1) + "\">Next page</a></p>\r\n";
    }
    return html + "</body></html>\r\n";
}

// Sets the four values of the demo's own entry, as one change of the file;
// other entries stay as they are.
void WriteCatalogueEntry(const std::string& directory, const std::string& home) {
    const std::string file = EnginesFileIn(directory);
    const std::string name = "Demo Engine";
    const IniEdits entry = {
        {"Engines URL", name, home},
        {"Search URL", name, home + "search?q="},
        {"List Tag", name, "<ol class=\"results\">*<li>**"},
        {"Next Tag", name, "*<a*Next*</a>"},
    };
    WriteReadableIniEdits(file, entry);
}

// The port the argument names, or 0 when it names none.
int PortOf(const char* text) {
    char* end = nullptr;
    const long port = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && port > 0 && port <= 65535 ? static_cast<int>(port) : 0;
}

// Listens on the port, or on any free one when it is taken.
std::unique_ptr<TestHttpServer> Listen(int port) {
    try {
        return std::make_unique<TestHttpServer>(port);
    } catch (const std::runtime_error&) {
        auto server = std::make_unique<TestHttpServer>();
        std::printf("Port %d is taken; the demo engine takes port %d instead\n", port,
                    server->Port());
        return server;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const int port = argc == 3 ? PortOf(argv[2]) : kFixedPort;
    if ((argc != 2 && argc != 3) || port == 0) {
        std::fprintf(stderr, "usage: demo_engine <program directory> [port]\n");
        return 2;
    }
    std::string directory = argv[1];
    if (directory.empty() || directory.back() != '/') {
        directory += '/';
    }

    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    const std::unique_ptr<TestHttpServer> server = Listen(port);
    server->Serve("/search", TestReply::Page(ResultPage(1)));
    for (int page = 2; page <= kPages; ++page) {
        server->Serve("/results?page=" + std::to_string(page), TestReply::Page(ResultPage(page)));
    }
    WriteCatalogueEntry(directory, server->Url("/"));
    std::printf("Demo Engine serves %s\n", server->Url("/").c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    return 0;
}

// A small search engine on 127.0.0.1 for trying the program without the
// internet: five result pages of ten entries, linked by "Next" links. It
// adds itself as "Demo Engine" to the standard catalogue in the directory
// given, then serves until it is stopped.
//
//   demo_engine <program directory>
#include "main/catalogues.h"
#include "main/ini_access.h"
#include "support/test_http_server.h"

#include <csignal>
#include <cstdio>
#include <string>

namespace {

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

void AddToCatalogue(const std::string& directory, const std::string& home) {
    const std::string file = EnginesFileIn(directory);
    const std::string name = "Demo Engine";
    WriteIniString(file, "Engines URL", name, home);
    WriteIniString(file, "Search URL", name, home + "search?q=");
    WriteIniString(file, "List Tag", name, "<ol class=\"results\">*<li>**");
    WriteIniString(file, "Next Tag", name, "*<a*Next*</a>");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo_engine <program directory>\n");
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

    TestHttpServer server;
    server.Serve("/search", TestReply::Page(ResultPage(1)));
    for (int page = 2; page <= kPages; ++page) {
        server.Serve("/results?page=" + std::to_string(page), TestReply::Page(ResultPage(page)));
    }
    AddToCatalogue(directory, server.Url("/"));
    std::printf("Demo Engine serves %s\n", server.Url("/").c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    return 0;
}

// Many search workers side by side against a slow loopback engine: the wall
// time of a search, and how soon the window thread answers its own events
// meanwhile.
#include "main/search_launch.h"
#include "platform/window_bridge.h"
#include "support/fake_search_window.h"
#include "support/test_http_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kPages = 5;
constexpr int kEntriesPerPage = 10;
constexpr std::chrono::milliseconds kPageDelay{100};

std::string ResultPage(int page) {
    std::string html = "<ol>";
    for (int i = 1; i <= kEntriesPerPage; ++i) {
        html += "<li>http://site" + std::to_string(i) + ".example/";
    }
    html += "</ol>";
    if (page < kPages) {
        html += "<a href=\"/page" + std::to_string(page + 1) + "\">Next</a>";
    }
    return html;
}

void ServeSlowChain(TestHttpServer& server) {
    for (int page = 1; page <= kPages; ++page) {
        TestReply reply = TestReply::Page(ResultPage(page));
        reply.delay = kPageDelay;
        server.Serve(page == 1 ? "/search" : "/page" + std::to_string(page), reply);
    }
}

// Measures, every 10 ms, how long a zero-time timer waits for the window
// thread; keeps the longest wait.
class LatencyProbe final {
public:
    void Arm() {
        sent_.start();
        QTimer::singleShot(0, &context_, [this] {
            longest_ = std::max(longest_, sent_.nsecsElapsed() / 1000000.0);
            if (running_) {
                QTimer::singleShot(10, &context_, [this] { Arm(); });
            }
        });
    }
    void Stop() { running_ = false; }
    double LongestMs() const { return longest_; }

private:
    QObject context_; // pending timers go with the probe
    QElapsedTimer sent_;
    double longest_ = 0;
    bool running_ = true;
};

void SearchSideBySide(benchmark::State& state) {
    const int workers = static_cast<int>(state.range(0));
    TestHttpServer server;
    ServeSlowChain(server);
    double longestWait = 0;
    for (auto _ : state) {
        FakeSearchWindow window;
        window.siteUrl = "www.not-there.example";
        window.keywords = "rank";
        window.area = 200;
        for (int i = 0; i < workers; ++i) {
            window.AddEngine("Engine" + std::to_string(i), server.Url("/search?q="), "<ol>*<li>**",
                             "*<a*Next*</a>", server.Url("/"));
        }
        auto probe = std::make_unique<LatencyProbe>();
        probe->Arm();
        StartSearch(window);
        QEventLoop loop;
        while (!(window.AllWorkersEnded() && window.goCaption == "Go!")) {
            loop.processEvents(QEventLoop::WaitForMoreEvents); // sleeps until the bridge wakes it
        }
        probe->Stop();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        longestWait = std::max(longestWait, probe->LongestMs());
        if (window.rows.Row(workers - 1).SubItems[TEngineRow::Pages] != std::to_string(kPages)) {
            state.SkipWithError("a worker did not read every page");
        }
    }
    state.counters["longest_window_wait_ms"] = longestWait;
}
BENCHMARK(SearchSideBySide)
    ->Arg(1)
    ->Arg(10)
    ->Arg(25)
    ->Arg(50)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    WindowBridge::Open();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    WindowBridge::CloseCurrent();
    return 0;
}

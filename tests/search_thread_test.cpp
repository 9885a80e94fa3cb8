#include "main/search_launch.h"
#include "main/search_thread.h"
#include "platform/window_bridge.h"
#include "support/fake_message_box.h"
#include "support/fake_search_window.h"
#include "support/serve_events.h"
#include "support/test_http_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

const char* const kListTag = "<ol>*<li>**";
const char* const kNextTag = "*<a*Next*</a>";

// A result page of the test engine: entries numbered from `first`, the site
// standing in entry `hit` when that is among them, and a next link.
std::string ResultPage(int first, int count, int hit, const std::string& nextHref = "") {
    std::string page = "<html><body><a href=\"/about\">Next to nothing</a><ol>";
    for (int n = first; n < first + count; ++n) {
        page += "<li><a href=\"http://site" + std::to_string(n) + ".example/\">Entry " +
                std::to_string(n) + "</a>";
        if (n == hit) {
            page += " http://www.mysite.example/home";
        }
        page += "</li>";
    }
    page += "</ol>";
    if (!nextHref.empty()) {
        page += "<a href=\"" + nextHref + "\">Next</a>";
    }
    return page + "</body></html>";
}

class SearchThreadTest : public testing::Test {
protected:
    SearchThreadTest() {
        window.siteUrl = "www.mysite.example";
        window.keywords = "rank watcher";
    }

    int AddEngine(const std::string& name = "Engine") {
        return window.AddEngine(name, server.Url("/search?q="), kListTag, kNextTag,
                                server.Url("/"));
    }

    // Serves a chain of pages of `perPage` entries: /search, then /page2 ...
    void ServeChain(int pages, int perPage, int hit) {
        for (int p = 1; p <= pages; ++p) {
            const std::string next = p < pages ? "/page" + std::to_string(p + 1) : "";
            const std::string target = p == 1 ? "/search" : "/page" + std::to_string(p);
            server.Serve(target,
                         TestReply::Page(ResultPage((p - 1) * perPage + 1, perPage, hit, next)));
        }
    }

    void RunSearch() {
        window.goCaption = "Stop!";
        StartSearch(window);
        ASSERT_TRUE(ServeUntilIdle());
    }

    bool ServeUntilIdle() {
        return ServeEventsUntil(
            [this] { return window.AllWorkersEnded() && window.goCaption == "Go!"; });
    }

    std::vector<std::string> Targets() const {
        std::vector<std::string> targets;
        for (const TestRequest& request : server.Requests()) {
            targets.push_back(request.target);
        }
        return targets;
    }

    const std::string& Field(int row, int field) const {
        return window.rows.Row(row).SubItems[static_cast<std::size_t>(field)];
    }

    void ExpectRow(int row, const std::string& ordination, const std::string& pages,
                   const std::string& status) const {
        EXPECT_EQ(Field(row, TEngineRow::Ordination), ordination);
        EXPECT_EQ(Field(row, TEngineRow::Pages), pages);
        EXPECT_EQ(Field(row, TEngineRow::Status), status);
        EXPECT_EQ(window.rows.Row(row).ImageIndex, TEngineRow::IconIdle);
    }

    TestHttpServer server;
    FakeSearchWindow window;
};

struct LimitCase {
    int area;
    int pages;
    int perPage;
    int hit;
    std::string ordination;
    std::string pagesField;
    std::string status;
    int requests;
};

class SearchLimitTest : public SearchThreadTest, public testing::WithParamInterface<LimitCase> {};

TEST_P(SearchLimitTest, ComparesEntriesUpToAndIncludingTheLimit) {
    const LimitCase& c = GetParam();
    ServeChain(c.pages, c.perPage, c.hit);
    AddEngine();
    window.area = c.area;
    RunSearch();
    ExpectRow(0, c.ordination, c.pagesField, c.status);
    EXPECT_EQ(static_cast<int>(server.Requests().size()), c.requests);
}

INSTANTIATE_TEST_SUITE_P(Limits, SearchLimitTest,
                         testing::Values(
                             // A hit on the first page.
                             LimitCase{20, 1, 10, 3, "No. 3", "1", "OK! Found", 1},
                             // Numbered across pages: third entry of the second page.
                             LimitCase{20, 3, 10, 13, "No. 13", "2", "OK! Found", 2},
                             // The entry numbered as the limit is compared, the next one is not.
                             LimitCase{20, 3, 10, 20, "No. 20", "2", "OK! Found", 2},
                             LimitCase{20, 3, 10, 21, "Not Found", "2", "Search Completed!", 2},
                             // Limit 1: only the first entry of the first page.
                             LimitCase{1, 2, 10, 2, "Not Found", "1", "Search Completed!", 1},
                             // Limit 0: the first page is fetched, no entry is compared.
                             LimitCase{0, 2, 10, 1, "Not Found", "", "Search Completed!", 1},
                             // The links run out; the last page of the chain is examined.
                             LimitCase{200, 3, 10, 0, "Not Found", "3", "Search Completed!", 3},
                             LimitCase{200, 3, 10, 30, "No. 30", "3", "OK! Found", 3}));

TEST_F(SearchThreadTest, AHitKeepsTheAddressOfThePageItWasFoundOn) {
    ServeChain(2, 10, 12);
    AddEngine();
    window.siteUrl = "  WWW.MySite.Example  ";
    RunSearch();
    EXPECT_EQ(Field(0, TEngineRow::FoundPageUrl), server.Url("/page2"));
    EXPECT_EQ(window.pageTexts[0], ResultPage(11, 10, 12));
}

TEST_F(SearchThreadTest, ASearchWithoutHitKeepsTheEarlierFoundPageAddress) {
    ServeChain(1, 5, 0);
    AddEngine();
    window.rows.SetField(0, TEngineRow::FoundPageUrl, "http://earlier/");
    RunSearch();
    EXPECT_EQ(Field(0, TEngineRow::FoundPageUrl), "http://earlier/");
}

TEST_F(SearchThreadTest, AnEmptySiteUrlMatchesNoEntry) {
    ServeChain(1, 5, 2);
    AddEngine();
    window.siteUrl = "   ";
    RunSearch();
    ExpectRow(0, "Not Found", "1", "Search Completed!");
}

TEST_F(SearchThreadTest, APageWithoutEntriesLeadsOnAndTheNumberingGoesOn) {
    server.Serve("/search", TestReply::Page("<ol>nothing here<a href=\"/page2\">Next</a>"));
    server.Serve("/page2", TestReply::Page(ResultPage(1, 5, 4)));
    AddEngine();
    RunSearch();
    ExpectRow(0, "No. 4", "2", "OK! Found");
}

TEST_F(SearchThreadTest, NextLinksAreCompletedWithTheHomeUrlOrCutToTheirSecondAddress) {
    const std::string second = server.Url("/page3");
    server.Serve("/search", TestReply::Page(ResultPage(1, 2, 0, "/page2")));
    server.Serve("/page2", TestReply::Page(ResultPage(3, 2, 0, server.Url("/go?to=") + second)));
    server.Serve("/page3", TestReply::Page(ResultPage(5, 2, 6)));
    AddEngine();
    RunSearch();
    ExpectRow(0, "No. 6", "3", "OK! Found");
    EXPECT_EQ(Targets(), (std::vector<std::string>{"/search?q=rank+watcher", "/page2", "/page3"}));
}

TEST_F(SearchThreadTest, AnUrlHoldingGoogleGoesThroughTheFastNetClient) {
    server.Serve("/search", TestReply::Page(ResultPage(1, 2, 0, "/page2")));
    server.Serve("/page2", TestReply::Page(ResultPage(3, 2, 0)));
    AddEngine();
    window.keywords = "Google";
    RunSearch();
    const std::vector<TestRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].raw.rfind("GET /search?q=Google HTTP/1.0\r\n", 0), 0u);
    EXPECT_EQ(requests[1].raw.rfind("GET /page2 HTTP/1.1\r\n", 0), 0u);
}

TEST_F(SearchThreadTest, TheIndyClientKeepsItsConnectionAcrossPages) {
    ServeChain(3, 2, 0);
    AddEngine();
    RunSearch();
    EXPECT_EQ(server.Connections(), 1);
}

struct FailureCase {
    const char* name;
    int failingPage; // 1: the first fetch fails
    std::string ordination;
    std::string status;
};

class SearchFailureTest : public SearchThreadTest,
                          public testing::WithParamInterface<FailureCase> {};

TEST_P(SearchFailureTest, AFailureEndsTheSearchByThePageItHappenedOn) {
    const FailureCase& c = GetParam();
    ServeChain(3, 2, 0);
    const std::string target =
        c.failingPage == 1 ? "/search" : "/page" + std::to_string(c.failingPage);
    server.Serve(target, TestReply::Status("HTTP/1.1 500 Internal Server Error", "oops"));
    AddEngine();
    RunSearch();
    EXPECT_EQ(Field(0, TEngineRow::Ordination), c.ordination) << c.name;
    EXPECT_EQ(Field(0, TEngineRow::Status), c.status) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Failures, SearchFailureTest,
                         testing::Values(FailureCase{"first page", 1, "", "Sorry! Connect Error"},
                                         FailureCase{"second page", 2, "", "Sorry! Connect Error"},
                                         FailureCase{"third page", 3, "Not Found",
                                                     "Search Completed!"}));

TEST_F(SearchThreadTest, AnUnreachableOrHttpsEngineShowsConnectError) {
    int refusedPort = 0;
    {
        TestHttpServer closed;
        refusedPort = closed.Port();
    }
    window.AddEngine("Gone", "http://127.0.0.1:" + std::to_string(refusedPort) + "/?q=", kListTag,
                     kNextTag, "http://127.0.0.1/");
    window.AddEngine("Secure",
                     "https://127.0.0.1:" + std::to_string(server.Port()) + "/?q=", kListTag,
                     kNextTag, "https://127.0.0.1/");
    RunSearch();
    for (int row = 0; row < 2; ++row) {
        ExpectRow(row, "", "", "Sorry! Connect Error");
    }
}

TEST_F(SearchThreadTest, AStopDuringTheFirstFetchEndsAfterItAsCanceled) {
    const TestReply slow =
        TestReply::SlowPage(ResultPage(1, 5, 2, "/page2"), std::chrono::milliseconds(300));
    server.Serve("/search", slow);
    AddEngine();
    window.goCaption = "Stop!";
    StartSearch(window);
    StopSearch(window);
    ASSERT_TRUE(ServeUntilIdle());
    ExpectRow(0, "Not Found", "", "User Canceled!");
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(SearchThreadTest, OnlyTheLastWorkerToEndBringsTheIdleControlsBack) {
    const TestReply slow =
        TestReply::SlowPage(ResultPage(1, 5, 0), std::chrono::milliseconds(1000));
    server.Serve("/slow", slow);
    server.Serve("/search", TestReply::Page(ResultPage(1, 5, 0)));
    AddEngine("Quick");
    window.AddEngine("Slow", server.Url("/slow?q="), kListTag, kNextTag, server.Url("/"));
    window.goCaption = "Stop!";
    StartSearch(window);
    ServeEventsUntil([this] { return Field(0, TEngineRow::Status) != "Searching ... "; });
    EXPECT_EQ(Field(0, TEngineRow::Status), "Search Completed!");
    EXPECT_EQ(Field(1, TEngineRow::Status), "Searching ... ");
    EXPECT_EQ(window.goCaption, "Stop!");
    ASSERT_TRUE(ServeUntilIdle());
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"glyph run", "buttons enabled", "caption Go!"}));
}

TEST_F(SearchThreadTest, TwoWorkersEndingTogetherBringGoBackOnlyWithBothRowsReported) {
    // Pages without entries: each worker hands over its page text, reads the
    // Area box, then hands over its end. The first worker to reach its third
    // hand-over is held there until the other worker has ended.
    server.SetDefaultReply(TestReply::Page("<ol></ol>"));
    AddEngine("First");
    AddEngine("Second");
    std::atomic<bool> held{false};
    WindowBridge::SetAfterQueueHook([&held] {
        thread_local int handOvers = 0;
        if (++handOvers == 3 && !held.exchange(true)) {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (TThread::RunningCount() > 1 && std::chrono::steady_clock::now() < until) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    });
    window.goCaption = "Stop!";
    StartSearch(window);
    const bool idle = ServeUntilIdle();
    WindowBridge::SetAfterQueueHook(nullptr);
    ASSERT_TRUE(idle);
    EXPECT_TRUE(held.load());
    ASSERT_FALSE(window.statusesAtGo.empty());
    for (const std::vector<std::string>& statuses : window.statusesAtGo) {
        EXPECT_EQ(statuses, (std::vector<std::string>{"Search Completed!", "Search Completed!"}));
    }
}

TEST_F(SearchThreadTest, AWindowReadThatFailsEndsInTheWorkersOwnRowReport) {
    FakeMessageBox boxes;
    ServeChain(2, 5, 0);
    AddEngine();
    window.siteUrlError = "Control has no parent window";
    RunSearch();
    ExpectRow(0, "", "1", "Sorry! Connect Error");
    // Failing on the second page ends as an exhausted search.
    int reads = 0;
    window.siteUrlError.clear();
    window.onSiteUrlRead = [&] {
        if (++reads == 6) {
            window.siteUrlError = "Control has no parent window";
        }
    };
    RunSearch();
    ExpectRow(0, "Not Found", "2", "Search Completed!");
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(SearchThreadTest, TheSiteUrlIsReadForEveryEntryAndTheAreaOnceAfterTheFirstPage) {
    // Read at the start, the site URL would match entry 2 and the limit of 3
    // would end the search on the first page.
    server.Serve("/search", TestReply::SlowPage(ResultPage(1, 5, 0, "/page2"),
                                                std::chrono::milliseconds(300)));
    server.Serve("/page2", TestReply::Page(ResultPage(6, 5, 0)));
    AddEngine();
    window.siteUrl = "site2.example";
    window.area = 3;
    window.goCaption = "Stop!";
    StartSearch(window);
    ASSERT_TRUE(ServeEventsUntil([this] { return !server.Requests().empty(); }));
    window.siteUrl = "www.elsewhere.example";
    window.area = 20;
    int reads = 0;
    window.onSiteUrlRead = [&] {
        if (++reads == 6) { // between the two pages
            window.siteUrl = "SITE8.example";
        }
    };
    ASSERT_TRUE(ServeUntilIdle());
    ExpectRow(0, "No. 8", "2", "OK! Found");
    EXPECT_EQ(reads, 8);
}

TEST_F(SearchThreadTest, ARowThatCannotBeSetUpShowsIconThreeAndTheOthersRun) {
    ServeChain(1, 5, 0);
    AddEngine("First");
    AddEngine("Second");
    window.pageTexts.resize(1); // the second row has no page-text slot
    RunSearch();
    ExpectRow(0, "Not Found", "1", "Search Completed!");
    EXPECT_EQ(window.rows.Row(1).ImageIndex, TEngineRow::IconFailed);
    EXPECT_EQ(Field(1, TEngineRow::Status), "Ready");
}

TEST_F(SearchThreadTest, WhenNoWorkerCanStartTheWindowGoesBackToIdleAtOnce) {
    AddEngine("First");
    AddEngine("Second");
    window.pageTexts.clear(); // no row has a page-text slot
    window.goCaption = "Stop!";
    StartSearch(window);
    EXPECT_EQ(window.rows.Row(0).ImageIndex, TEngineRow::IconFailed);
    EXPECT_EQ(window.rows.Row(1).ImageIndex, TEngineRow::IconFailed);
    EXPECT_EQ(window.goCaption, "Go!");
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(SearchThreadTest, UntickedRowsAreNotTouched) {
    ServeChain(1, 5, 3);
    AddEngine("Ticked");
    AddEngine("Unticked");
    window.rows.SetChecked(1, false);
    window.rows.SetField(1, TEngineRow::Ordination, "No. 9");
    window.pageTexts[1] = "old page";
    RunSearch();
    ExpectRow(0, "No. 3", "1", "OK! Found");
    EXPECT_EQ(Field(1, TEngineRow::Ordination), "No. 9");
    EXPECT_EQ(window.pageTexts[1], "old page");
    EXPECT_EQ(window.searchThreads[1], nullptr);
}

TEST(SearchKeywords, AreTrimmedWithEveryInnerBlankTurnedIntoPlus) {
    EXPECT_EQ(SearchKeywords("  rank  watcher\t"), "rank++watcher");
    EXPECT_EQ(SearchKeywords("a&b c%20"), "a&b+c%20");
    EXPECT_EQ(SearchKeywords("   "), "");
}

} // namespace

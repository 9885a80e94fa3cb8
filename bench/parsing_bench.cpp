// Result-page parsing on generated pages: a realistic result page and the
// pages that would make a careless search quadratic. Each case runs at one
// and ten times its size; the time should grow by about ten.
#include "main/next_page_url.h"
#include "main/result_items.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

const std::string kResultStart = "<div id=\"res\">";
const std::string kItemStart = "<div class=\"g\">";

std::string Filler(std::size_t bytes) {
    static const std::string kSentence =
        "<span class=\"st\">Quills were cut from <b>goose</b> feathers and marked the page "
        "with iron gall ink; see <a href=\"http://ink.example/history\">history</a>.</span>\n";
    std::string text;
    while (text.size() < bytes) {
        text += kSentence;
    }
    return text;
}

// A result page of `scale` MiB with 100 entries per MiB and a next link.
std::string ResultPage(int scale) {
    const int entries = 100 * scale;
    const std::string filler = Filler((1u << 20) / 100 - 200);
    std::string page = "<html><head><title>quill mark</title></head><body>\n"
                       "<div id=\"top\"><a href=\"/prefs\">Settings</a></div>\n" +
                       kResultStart + "\n";
    for (int i = 0; i < entries; ++i) {
        page += kItemStart + "<h3><a href=\"http://site" + std::to_string(i) +
                ".example/\">Result " + std::to_string(i) + "</a></h3>\n" + filler + "</div>\n";
    }
    page += "</div><div id=\"nav\"><a href=\"/search?q=quill&amp;start=10\">Next</a></div>"
            "</body></html>\n";
    return page;
}

std::string Repeat(const std::string& unit, int count) {
    std::string text;
    text.reserve(unit.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        text += unit;
    }
    return text;
}

void CountBytes(benchmark::State& state, const std::string& page) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(page.size()));
}

void RunResultItems(benchmark::State& state, const std::string& page, const std::string& start,
                    const std::string& item) {
    std::vector<std::string> entries;
    for (auto _ : state) {
        ExtractResultItems(page, start, item, "", entries);
        benchmark::DoNotOptimize(entries.data());
    }
    CountBytes(state, page);
}

void RunNextPageUrl(benchmark::State& state, const std::string& page, const std::string& start,
                    const std::string& nextEnd) {
    for (auto _ : state) {
        std::string link = ExtractNextPageUrl(page, start, "", "<a", "Next", nextEnd);
        benchmark::DoNotOptimize(link);
    }
    CountBytes(state, page);
}

void BM_ResultItems_ResultPage(benchmark::State& state) {
    RunResultItems(state, ResultPage(static_cast<int>(state.range(0))), kResultStart, kItemStart);
}

// One marker repeated: every occurrence starts an empty entry.
void BM_ResultItems_RepeatedMarker(benchmark::State& state) {
    const std::string page = Repeat("<li>", 100000 * static_cast<int>(state.range(0)));
    RunResultItems(state, page, "<li>", "<li>");
}

void BM_NextPageUrl_ResultPage(benchmark::State& state) {
    RunNextPageUrl(state, ResultPage(static_cast<int>(state.range(0))), kResultStart, "</a>");
}

// Many links whose visible text lacks the keyword, and no next link.
void BM_NextPageUrl_LinksWithoutKeyword(benchmark::State& state) {
    const std::string page = "<ol>" + Repeat("<a class=\"next\" href=\"/page\">Page</a> ",
                                             10000 * static_cast<int>(state.range(0)));
    RunNextPageUrl(state, page, "<ol>", "</a>");
}

// Many next-end markers, and the only next-start marker at the very end.
void BM_NextPageUrl_EndsBeforeTheOnlyStart(benchmark::State& state) {
    const std::string page = "<ol>" + Repeat("</a> ", 10000 * static_cast<int>(state.range(0))) +
                             "<a href=\"/p2\">Next</a>";
    RunNextPageUrl(state, page, "<ol>", "</a>");
}

// One marker repeated, used as next-start and as next-end marker at once.
void BM_NextPageUrl_RepeatedMarker(benchmark::State& state) {
    const std::string page = Repeat("<a ", 100000 * static_cast<int>(state.range(0)));
    RunNextPageUrl(state, page, "<a", "<a");
}

BENCHMARK(BM_ResultItems_ResultPage)->Arg(1)->Arg(10);
BENCHMARK(BM_ResultItems_RepeatedMarker)->Arg(1)->Arg(10);
BENCHMARK(BM_NextPageUrl_ResultPage)->Arg(1)->Arg(10);
BENCHMARK(BM_NextPageUrl_LinksWithoutKeyword)->Arg(1)->Arg(10);
BENCHMARK(BM_NextPageUrl_EndsBeforeTheOnlyStart)->Arg(1)->Arg(10);
BENCHMARK(BM_NextPageUrl_RepeatedMarker)->Arg(1)->Arg(10);

} // namespace

BENCHMARK_MAIN();

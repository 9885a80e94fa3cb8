#include "main/next_page_url.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

struct LinkCase {
    const char* name;
    std::string page;
    std::string expected;
    std::string nextStart = "<a";
    std::string keyword = "Next";
    std::string nextEnd = "</a>";
    std::string resultStart = "<ol>";
    std::string itemStart = "<li>";
};

void PrintTo(const LinkCase& c, std::ostream* os) {
    *os << c.name;
}

class NextPageUrlTest : public testing::TestWithParam<LinkCase> {};

TEST_P(NextPageUrlTest, FindsTheLink) {
    const LinkCase& c = GetParam();
    EXPECT_EQ(
        ExtractNextPageUrl(c.page, c.resultStart, c.itemStart, c.nextStart, c.keyword, c.nextEnd),
        c.expected);
}

const std::string kLink = "<ol><a href=\"/p2\">Next</a>";

const LinkCase kMarkerCases[] = {
    {"BlankNextStart", kLink, "", " \t"},
    {"BlankKeyword", "<ol><a href=\"/p2\">Next page</a>", "", "<a", " "},
    {"EmptyNextEnd", kLink, "", "<a", "Next", ""},
    {"BothResultStartMarkersBlank", kLink, "", "<a", "Next", "</a>", " ", "\t"},
    {"BlankResultStartTakesTheItemStart", "<a href=\"/p1\">Next</a><li><a href=\"/p2\">Next</a>",
     "p2", "<a", "Next", "</a>", " ", "<li>"},
    {"MissingResultStartSearchesTheWholePage", "<a href=\"/p2\">Next</a>", "p2"},
    {"LinkAboveTheResultStartIsNeverFound", "<a href=\"/p1\">Next</a><ol>results", ""},
    {"LinkAboveAndBelowTheResultStart", "<a href=\"/p1\">Next</a><ol><a href=\"/p2\">Next</a>",
     "p2"},
    {"TrailingBlanksOnTheNextStart", kLink, "p2", "<a \t "},
    {"UpperCaseMarkersLowerCasePage", kLink, "p2", "<A", "NEXT", "</A>", "<OL>"},
    {"TagDirectlyFollowedByCloseIsNoStart", "<ol><a>Next</a> <a href=\"/p2\">Next</a>", "p2"},
    {"TabAfterTheTagIsNoStart", "<ol><a\thref=\"/p1\">Next</a>", ""},
    {"KeywordCaseIgnoredLinkCaseKept", "<ol><a href=\"/Search?Start=10\">NEXT</a>",
     "Search?Start=10", "<a", "next"},
    {"KeywordOnlyInTheAttributes",
     "<ol><a class=\"next\" href=\"/p1\">2</a> <a href=\"/p2\">Next</a>", "p2"},
    {"KeywordAfterTheNextEndDoesNotCount", "<ol><a href=\"/p1\">Page</a> Next", ""},
    {"NextEndBeforeTheFirstNextStart", "<ol>Next</a><a href=\"/p2\">Next</a>", "p2"},
    // The next end is looked for from the start of the working text, so one
    // that begins before the next start and overlaps it empties the candidate.
    {"NextEndOverlappingTheNextStart", "<ol>x<a href=\"/p1\">Next x</a> <a href=\"/p2\">Next x</a>",
     "p2", "<a", "Next", "x<"},
    {"KeywordBeforeTheFirstNextEndOnly", "<ol>Next</a><a href=\"/p2\">2</a>", ""},
    {"SeveralNextEndsBeforeTheNextLink",
     "<ol><a href=\"/p1\">1</a> </a> </a> <a href=\"/p2\">Next</a>", "p2"},
    {"FirstOfTwoMatchingLinksWins", "<ol><a href=\"/p2\">Next</a><a href=\"/p3\">Next</a>", "p2"},
    {"NoLinkHoldsTheKeyword", "<ol><a href=\"/p1\">1</a><a href=\"/p3\">3</a>", ""},
};

const LinkCase kAddressCases[] = {
    {"QuotedAbsolute", "<ol><a href=\"http://www.example.com/s?p=2\">Next</a>",
     "http://www.example.com/s?p=2"},
    {"QuotedWithLeadingSlash", "<ol><a href=\"/s?p=2\">Next</a>", "s?p=2"},
    {"QuotedWithTwoSlashes", "<ol><a href=\"//cdn.example.com/s\">Next</a>", "/cdn.example.com/s"},
    {"QuotedThenAttributesEndingInAQuote", "<ol><a href=\"/p2\" class=\"nav\">Next</a>",
     "p2\" class=\"nav"},
    {"QuotedThenAttributesWithoutAQuote", "<ol><a href=\"/p2\" target=_top>Next</a>",
     "p2\" target=_to"},
    {"UnquotedDirectlyBeforeClose", "<ol><a href=/p2>Next</a>", "p"},
    {"UnquotedThenABlank", "<ol><a href=/p2 >Next</a>", "p2"},
    {"UpperCaseAttribute", "<ol><a HREF=\"/P2\">Next</a>", "P2"},
    {"QuotedFormWinsOverAnEarlierBareForm", "<ol><a data-href=x href=\"/p2\">Next</a>", "p2"},
    {"CloseAsFirstCharacterOfTheAddress", "<ol><a href=>Next</a>", ""},
    {"CloseAsSecondCharacterOfTheAddress", "<ol><a href=x>Next</a>", ""},
    {"NoHrefAtAll", "<ol><a name=\"p2\">Next</a>", ""},
    {"ReferencesAreNotDecoded", "<ol><a href=\"/s?q=a&amp;b=1\">Next</a>", "s?q=a&amp;b=1"},
};

std::string CaseName(const testing::TestParamInfo<LinkCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Markers, NextPageUrlTest, testing::ValuesIn(kMarkerCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Addresses, NextPageUrlTest, testing::ValuesIn(kAddressCases), CaseName);

TEST(NextPageUrl, RealisticPageSkipsTheLinkAboveTheResults) {
    const std::string page = ReadFile(QM_FIXTURES_DIR "/result_page_10.html");
    EXPECT_EQ(
        ExtractNextPageUrl(page, "<div id=\"res\">", "<div class=\"g\">", "<a", "Next", "</a>"),
        "search?q=quill+mark&amp;start=10");
}

TEST(NextPageUrl, LegacyPageSkipsTabbedAndAttributeOnlyLinks) {
    const std::string page = ReadFile(QM_FIXTURES_DIR "/legacy_page.html");
    EXPECT_EQ(ExtractNextPageUrl(page, "<ol class=\"results\">", "<li class=\"result\">", "<a ",
                                 "next", "</a>"),
              "default.asp?query=quill&page=2");
}

} // namespace

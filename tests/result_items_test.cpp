#include "main/result_items.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::string>;

struct ItemsCase {
    const char* name;
    std::string page;
    std::string resultStart;
    std::string itemStart;
    std::string resultEnd;
    Entries expected;
};

void PrintTo(const ItemsCase& c, std::ostream* os) {
    *os << c.name;
}

class ResultItemsTest : public testing::TestWithParam<ItemsCase> {};

TEST_P(ResultItemsTest, CutsThePageIntoEntries) {
    const ItemsCase& c = GetParam();
    Entries entries;
    ExtractResultItems(c.page, c.resultStart, c.itemStart, c.resultEnd, entries);
    EXPECT_EQ(entries, c.expected);
}

const ItemsCase kItemsCases[] = {
    // The page holds both blank markers, so only the blank test keeps it empty.
    {"BothStartMarkersBlank", "<ol> <li>\ta\tb", " ", "\t", "", {}},
    {"BlankResultStartBeginsAtTheFirstItem",
     "</ol><li>a<li>b</ol>",
     " \t",
     "<li>",
     "</ol>",
     {"a", "b"}},
    {"MissingResultStartSearchesTheWholePage", "<li>a<li>b", "<ol>", "<li>", "", {"a", "b"}},
    {"ItemsBeforeTheResultStartAreSkipped", "<li>x<ol>h<li>a<li>b", "<ol>", "<li>", "", {"a", "b"}},
    {"ResultEndOnlyBeforeTheResultStart", "</ol><ol><li>a<li>b", "<ol>", "<li>", "</ol>", {}},
    {"ResultEndBeforeTheFirstItem", "<ol></ol><li>a<li>b", "<ol>", "<li>", "</ol>", {}},
    {"ItemStartMissingFromTheWorkingText", "<li>a<ol>b", "<ol>", "<li>", "", {}},
    {"ItemStartOnlyAfterTheResultEnd", "<ol>a</ol><li>b", "<ol>", "<li>", "</ol>", {}},
    {"EmptyItemStart", "<ol><li>a", "<ol>", "", "", {}},
    {"LastEntryRunsToTheEndOfThePage",
     "<ol>head<li>a<li>b<li>c</ol>tail",
     "<ol>",
     "<li>",
     "",
     {"a", "b", "c</ol>tail"}},
    {"LastEntryEndsAtTheResultEnd",
     "<ol>head<li>a<li>b<li>c</ol>tail",
     "<ol>",
     "<li>",
     "</ol>",
     {"a", "b", "c"}},
    {"AdjacentItemsGiveAnEmptyEntry", "<ol><li><li>b<li>", "<ol>", "<li>", "", {"", "b", ""}},
    {"MarkerCaseIgnoredPageCaseKept",
     "<OL><LI>One<Li>Two</Ol>x",
     "<ol>",
     "<li>",
     "</ol>",
     {"One", "Two"}},
    {"ResultStartAlsoTheItemStart", "x<li>a<li>b", "<li>", "<li>", "", {"a", "b"}},
    {"OccurrencesDoNotOverlap", "xaaab", "x", "aa", "", {"ab"}},
    {"SearchesUseTheUntrimmedMarkers", "<ol><li>a <li>b", "<ol>", " <li>", "", {"b"}},
    {"UntrimmedResultStartIsSearchedAsGiven", "<ol><li>a <ol> <li>b", " <ol> ", "<li>", "", {"b"}},
    {"BlankResultEndIsNotUsed", "<ol><li>a b", "<ol>", "<li>", " ", {"a b"}},
    {"OnlyAsciiLettersChangeCase", "<\xC9>a<\xE9>b", "<\xE9>", "<\xE9>", "", {"b"}},
};

INSTANTIATE_TEST_SUITE_P(Markers, ResultItemsTest, testing::ValuesIn(kItemsCases),
                         [](const testing::TestParamInfo<ItemsCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ResultItems, EmptiesTheListFirst) {
    Entries entries = {"old one", "old two"};
    ExtractResultItems("<ol><li>new", "<ol>", "<li>", "", entries);
    EXPECT_EQ(entries, Entries{"new"});
    ExtractResultItems("no markers here", "<ol>", "<li>", "", entries);
    EXPECT_TRUE(entries.empty());
}

TEST(ResultItems, RealisticPageGivesItsTenResults) {
    const std::string page = ReadFile(QM_FIXTURES_DIR "/result_page_10.html");
    Entries entries;
    ExtractResultItems(page, "<div id=\"res\">", "<div class=\"g\">", "", entries);
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[0].rfind("<h3><a href=\"http://www.quillmark.example/\">", 0), 0u);
    EXPECT_NE(entries[9].find("forum.example.com/t/quill-mark"), std::string::npos);
    // Without a result-end marker the last entry holds the rest of the page.
    EXPECT_NE(entries[9].find("<div id=\"foot\">"), std::string::npos);

    ExtractResultItems(page, "<div id=\"res\">", "<div class=\"g\">", "<div id=\"nav\">", entries);
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[9].find("Next"), std::string::npos);
}

TEST(ResultItems, UpperCasePageWithLowerCaseMarkers) {
    const std::string page = ReadFile(QM_FIXTURES_DIR "/legacy_page.html");
    Entries entries;
    ExtractResultItems(page, "<ol class=\"results\">", "<li class=\"result\">", "</ol>", entries);
    EXPECT_EQ(entries, (Entries{"<A HREF=\"http://one.example/\">One</A>\n",
                                "<A HREF=\"http://two.example/\">Two</A>\n",
                                "<A HREF=\"http://three.example/\">Three</A>\n"}));
}

} // namespace

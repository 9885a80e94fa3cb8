#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t npos = std::string_view::npos;

struct FindCase {
    const char* name;
    std::string haystack;
    std::string upperNeedle;
    std::size_t from;
    std::size_t expected;
};

void PrintTo(const FindCase& c, std::ostream* os) {
    *os << c.name;
}

class FindUpperCasedTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindUpperCasedTest, FindsTheFirstOccurrence) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindUpperCased(c.haystack, c.upperNeedle, c.from), c.expected);
}

const FindCase kFindCases[] = {
    {"NonLetterFirst", "x<Li>y", "<LI>", 0, 1},
    {"NonLetterFirstRepeatedBeforeTheMatch", "<<a<b<B>", "<B>", 0, 5},
    {"LetterFirstLowerCase", "x<next", "NEXT", 0, 2},
    {"LetterFirstUpperCase", "NEXT", "NEXT", 0, 0},
    {"MixedCase", "a nExT b", "NEXT", 0, 2},
    {"LowerCaseBeforeUpperCase", "next NEXT", "NEXT", 1, 5},
    {"UpperCaseBeforeLowerCase", "NEXT next", "NEXT", 1, 5},
    {"BothCasesFarApart", std::string(300, '.') + "n" + std::string(70000, '.') + "Next", "NEXT", 0,
     70301},
    {"OneCaseOnlyFarAway", std::string(200000, '.') + "next", "NEXT", 0, 200000},
    {"HighBytesDoNotFold", "\xE9t\xC9T\xE9T", "\xC9T", 0, 2},
    {"HighByteNeverMatchesALetter", "\xE1", "A", 0, npos},
    {"OnlyAToZFold", "{`[@", "[@", 0, 2},
    {"NeedleAtTheVeryEnd", "abc</ol>", "</OL>", 0, 3},
    {"NeedleCutOffByTheEnd", "abc</ol", "</OL>", 0, npos},
    {"OverlappingPrefixLetters", "aaab", "AAB", 0, 1},
    {"OverlappingPrefixNonLetters", "<<<a", "<<A", 0, 1},
    {"SingleByteNeedle", "ab>", ">", 0, 2},
    {"FromSkipsEarlierOccurrences", "<li><li>", "<LI>", 1, 4},
    {"FromAtTheMatch", "<li><li>", "<LI>", 4, 4},
    {"FromAtTheEnd", "<li>", "<LI>", 4, npos},
    {"FromPastTheEnd", "<li>", "<LI>", 5, npos},
    {"EmptyNeedle", "abc", "", 0, npos},
    {"EmptyHaystack", "", "A", 0, npos},
    {"NeedleLongerThanHaystack", "ab", "ABC", 0, npos},
};

INSTANTIATE_TEST_SUITE_P(Cases, FindUpperCasedTest, testing::ValuesIn(kFindCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every start position of a long text with letters of both cases, high bytes
// and markup, against a search in an upper-cased copy.
TEST(FindUpperCased, AgreesWithASearchInAnUpperCasedCopy) {
    const std::string alphabet = "aAbB<>\xE1\xC1 ";
    std::string text;
    unsigned state = 1;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        text += alphabet[(state >> 16) % alphabet.size()];
    }
    const std::string upperText = UpperCase(text);
    for (const std::string needle : {"A", "AB", "BAA", "<A",
                                     "\xC1"
                                     "A",
                                     "AAAA", "B>B"}) {
        for (std::size_t from = 0; from <= text.size() + 1; from += 7) {
            const std::size_t expected = from > text.size() ? npos : upperText.find(needle, from);
            ASSERT_EQ(FindUpperCased(text, needle, from), expected)
                << "needle " << needle << " from " << from;
        }
    }
}

} // namespace

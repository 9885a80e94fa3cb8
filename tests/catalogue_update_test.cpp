#include "main/catalogue_update.h"

#include <gtest/gtest.h>

namespace {

TEST(JoinLinesWithCrLf, EndsEveryLineWithCrLfWhateverItEndedWith) {
    const struct {
        std::string text;
        std::string joined;
    } cases[] = {
        {"", ""},
        {"a", "a\r\n"},
        {"a\r\n", "a\r\n"},
        {"\r\n", "\r\n"},
        {"a\n\rb", "a\r\n\r\nb\r\n"},   // LF then CR: two line ends
        {"a\r\r\nb", "a\r\n\r\nb\r\n"}, // lone CR, then CR LF
        {"a\r\n\nb\r", "a\r\n\r\nb\r\n"},
        {std::string("\0a\r\n", 4), ""},
        {std::string("a\r\0\nb", 5), "a\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JoinLinesWithCrLf(c.text), c.joined) << testing::PrintToString(c.text);
    }
}

} // namespace

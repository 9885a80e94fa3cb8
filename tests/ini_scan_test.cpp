#include "platform/byte_source.h"
#include "platform/ini_line_reader.h"
#include "platform/ini_scan.h"
#include "support/ini_feed.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// Each case is read in whole pieces and one byte a read into a one-byte
// buffer, so that lines and CR LF pairs cross reads and the buffer grows.
const IniFeed Feeds[] = {{65536, IniLineReader::DefaultCapacity}, {1, 1}};

struct ValueCase {
    std::string bytes;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniScanValue, EndsOfFileAndLinesAndNulBytes) {
    const std::string longValue(200000, 'v');
    const std::vector<ValueCase> cases = {
        {"[S]\nk=v", "S", "k", "v"},
        {"[S]\r\nk=v\r", "S", "k", "v"},
        {"[S]\r\nk=v\r\n", "S", "k", "v"},
        {"[A]\nk=1\n[S]", "S", "k", std::nullopt},
        {"[S]", "S", "k", std::nullopt},
        {"", "S", "k", std::nullopt},
        {"\n\n\n", "S", "k", std::nullopt},
        {"[S]\nk=a\0b\n"s, "S", "k", "a\0b"s},
        {"[S\0T]\nk=v\n"s, "S\0T"s, "k", "v"},
        {"[S]\n\0\nk\0=v\n"s, "S", "k\0"s, "v"},
        {"[S]\nk=" + longValue + "\nj=2", "S", "j", "2"},
        {"[S]\nk=" + longValue, "S", "k", longValue},
    };
    for (const IniFeed& feed : Feeds) {
        for (const ValueCase& c : cases) {
            EXPECT_EQ(FeedValue(c.bytes, feed, c.section, c.key), c.expected)
                << testing::PrintToString(c.bytes.substr(0, 40)) << " piece " << feed.piece;
        }
    }
}

TEST(IniScanListing, AHeaderWithoutALineEndAtTheVeryEnd) {
    for (const IniFeed& feed : Feeds) {
        EXPECT_EQ(FeedSectionNames("[A]\nk=1\n[B", feed), (std::vector<std::string>{"A", "B"}));
        EXPECT_EQ(FeedSectionNames("[A]\r\n[]\r\n[ B ]\r", feed),
                  (std::vector<std::string>{"A", "B"}));
        EXPECT_EQ(FeedKeyNames("[A]\nk=1\n[B", feed, "A"), std::vector<std::string>{"k"});
        EXPECT_TRUE(FeedKeyNames("[A]\nk=1\n[B", feed, "B").empty());
        EXPECT_EQ(FeedKeyNames("[A]\nk=1\nj=2", feed, "a"), (std::vector<std::string>{"k", "j"}));
    }
}

// Gives its bytes, then fails: a scan that reads past them fails.
class FailingAfter final : public ByteSource {
public:
    explicit FailingAfter(std::string bytes)
        : bytes_(std::move(bytes)) {}
    long Read(char* buffer, std::size_t size) override {
        if (given_) {
            return -1;
        }
        given_ = true;
        const std::size_t count = std::min(size, bytes_.size());
        std::copy_n(bytes_.data(), count, buffer);
        return static_cast<long>(count);
    }

private:
    std::string bytes_;
    bool given_ = false;
};

TEST(IniScanStops, ReadsNoFurtherThanTheAnswerNeeds) {
    {
        FailingAfter source("[A]\nk=1\n[S]\nk=2\n");
        IniLineReader lines(source);
        EXPECT_EQ(ScanIniValue(lines, "S", "k"), "2");
        EXPECT_FALSE(lines.Failed());
    }
    {
        FailingAfter source("[S]\nk=1\n[T]\n");
        IniLineReader lines(source);
        EXPECT_EQ(ScanIniValue(lines, "S", "j"), std::nullopt);
        EXPECT_FALSE(lines.Failed());
    }
    {
        FailingAfter source("[A]\n[B]\n");
        IniLineReader lines(source);
        int taken = 0;
        ScanIniSectionNames(lines, [&](std::string_view) { return ++taken < 2; });
        EXPECT_EQ(taken, 2);
        EXPECT_FALSE(lines.Failed());
    }
    {
        // The last line may go on in the next read: it must be asked for.
        FailingAfter source("[S]\nk=1");
        IniLineReader lines(source);
        EXPECT_EQ(ScanIniValue(lines, "S", "k"), std::nullopt);
        EXPECT_TRUE(lines.Failed());
    }
}

} // namespace

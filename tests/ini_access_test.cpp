#include "main/ini_access.h"
#include "platform/ini_file.h"
#include "platform/profile.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const std::string Catalogue = "[Description]\r\n"
                              "Free text about the catalogue.\r\n"
                              "Google=is listed first\r\n"
                              "\r\n"
                              "[Engines URL]\r\n"
                              "Google=http://www.google.com/\r\n"
                              "Yahoo=http://search.yahoo.com/\r\n"
                              "\r\n"
                              "[Search URL]\r\n"
                              "Google=http://www.google.com/search?q=\r\n"
                              "Yahoo=http://search.yahoo.com/search?p=\r\n";

NameList Sections(const std::string& file) {
    NameList names{"left over"};
    ReadIniSections(file, names);
    return names;
}

NameList Keys(const std::string& file, const std::string& section) {
    NameList names{"left over"};
    ReadIniSection(file, section, names);
    return names;
}

class IniAccessTest : public testing::Test {
protected:
    void SetUp() override { WriteFile(file_, Catalogue); }

    TempDir dir_;
    const std::string file_ = dir_.File("Engines.dat");
};

TEST_F(IniAccessTest, ListsInFileOrderReplacingWhatTheListHeld) {
    EXPECT_EQ(Sections(file_), (NameList{"Description", "Engines URL", "Search URL"}));
    EXPECT_EQ(Keys(file_, "engines url"), (NameList{"Google", "Yahoo"}));
    EXPECT_EQ(Keys(file_, "Description"), NameList{"Google"});
    EXPECT_EQ(Keys(file_, "Next Tag"), NameList{});
    EXPECT_EQ(Sections(dir_.File("none.dat")), NameList{});
}

TEST_F(IniAccessTest, MissingAndStoredErrorReadAlike) {
    WriteIniString(file_, "Search URL", "Lycos", "Error");
    EXPECT_EQ(ReadIniString(file_, "Search URL", "Lycos"), "Error");
    EXPECT_EQ(ReadIniString(file_, "Search URL", "AltaVista"), "Error");
    EXPECT_EQ(ReadIniString(file_, "List Tag", "Google"), "Error");
    EXPECT_EQ(ReadIniString(dir_.File("none.dat"), "Search URL", "Google"), "Error");
    EXPECT_EQ(ReadIniString(file_, "SEARCH url", "gOOGLE"), "http://www.google.com/search?q=");
}

TEST_F(IniAccessTest, WritesKeepPlacesAndAddAtTheEnds) {
    WriteIniString(file_, "Engines URL", "YAHOO", "http://yahoo/");
    WriteIniString(file_, "Engines URL", "Lycos", "http://lycos/");
    WriteIniString(file_, "Next Tag", "Google", "*<a*Next*</a>");
    EXPECT_EQ(Keys(file_, "Engines URL"), (NameList{"Google", "Yahoo", "Lycos"}));
    EXPECT_EQ(ReadIniString(file_, "Engines URL", "Yahoo"), "http://yahoo/");
    EXPECT_EQ(Sections(file_), (NameList{"Description", "Engines URL", "Search URL", "Next Tag"}));

    // A rename: the old key goes from every section, the new one comes last.
    DeleteIniKey(file_, "", "Google");
    WriteIniString(file_, "Engines URL", "Google2", "http://www.google.com/");
    EXPECT_EQ(Keys(file_, "Engines URL"), (NameList{"Yahoo", "Lycos", "Google2"}));
}

TEST_F(IniAccessTest, AnEmptyValueIsAValue) {
    WriteIniString(file_, "Search URL", "Google", "");
    EXPECT_EQ(ReadIniString(file_, "Search URL", "Google"), "");
    EXPECT_EQ(Keys(file_, "Search URL"), (NameList{"Google", "Yahoo"}));
}

TEST_F(IniAccessTest, DeletingFromEverySectionReachesFreeTextLinesWithTheKey) {
    DeleteIniKey(file_, "", "google");
    EXPECT_EQ(ReadFile(file_), "[Description]\r\n"
                               "Free text about the catalogue.\r\n"
                               "\r\n"
                               "[Engines URL]\r\n"
                               "Yahoo=http://search.yahoo.com/\r\n"
                               "\r\n"
                               "[Search URL]\r\n"
                               "Yahoo=http://search.yahoo.com/search?p=\r\n");
}

TEST_F(IniAccessTest, DeletingFromOneSectionLeavesTheOthersAndTheSectionLine) {
    DeleteIniKey(file_, "Engines URL", "Google");
    DeleteIniKey(file_, "Engines URL", "Yahoo");
    EXPECT_EQ(Keys(file_, "Engines URL"), NameList{});
    EXPECT_EQ(Sections(file_), (NameList{"Description", "Engines URL", "Search URL"}));
    EXPECT_EQ(ReadIniString(file_, "Search URL", "Google"), "http://www.google.com/search?q=");
}

TEST_F(IniAccessTest, DeletingFromAMissingFileMakesNothing) {
    DeleteIniKey(dir_.File("none.dat"), "", "Google");
    DeleteIniKey(dir_.File("none.dat"), "Engines URL", "Google");
    EXPECT_FALSE(fs::exists(dir_.File("none.dat")));
}

TEST_F(IniAccessTest, EveryCallSeesTheFileAsItIsNow) {
    EXPECT_EQ(ReadIniString(file_, "Engines URL", "Yahoo"), "http://search.yahoo.com/");
    WriteFile(file_, "[Engines URL]\nYahoo=changed\n");
    EXPECT_EQ(ReadIniString(file_, "Engines URL", "Yahoo"), "changed");
}

TEST_F(IniAccessTest, ARefusedWriteRaisesAndChangesNothing) {
    fs::permissions(file_, static_cast<fs::perms>(0444));
    try {
        WriteIniString(file_, "Engines URL", "Lycos", "http://lycos/");
        FAIL() << "no error";
    } catch (const EIniFileException& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + file_);
    }
    EXPECT_NO_THROW(DeleteIniKey(file_, "", "Google"));
    EXPECT_EQ(ReadFile(file_), Catalogue);

    const std::string elsewhere = dir_.File("no such folder/records.dat");
    try {
        WriteIniString(elsewhere, "1/2/2026 3:04:05 PM", "Google", "kw*url*No. 1* ");
        FAIL() << "no error";
    } catch (const EIniFileException& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + elsewhere);
    }
}

TEST_F(IniAccessTest, AValueComesBackWithAtMost2047Characters) {
    WriteIniString(file_, "List Tag", "Google", std::string(3000, 'm'));
    EXPECT_EQ(ReadIniString(file_, "List Tag", "Google"), std::string(2047, 'm'));
}

// A list of names is asked for in a buffer of 16,384 bytes first; each name
// takes its length and a zero byte, and the list one more zero at the end. A
// list that fills the buffer is asked for again with more room.
TEST(IniAccessNameLists, HoldEveryNameHoweverLong) {
    const struct {
        const char* what;
        int count;
        std::size_t lastLength;
    } cases[] = {
        {"one byte short of the first buffer", 163, 81},
        {"the first buffer exactly", 163, 82},
        {"one byte more", 163, 83},
        {"a hundred thousand names", 100000, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        std::string bytes;
        for (int i = 0; i < c.count; ++i) {
            const std::string name = std::to_string(1000 + i) + std::string(95, 'n');
            bytes += "[" + name + "]\n" + name + "=v\n";
        }
        const std::string last(c.lastLength, 'L');
        bytes += "[" + last + "]\n";
        for (int i = 0; i < c.count; ++i) {
            bytes += "Key" + std::to_string(i) + "=v\n";
        }
        bytes += last + "=v\n";
        WriteFile(dir.File("big.dat"), bytes);

        NameList sections = {"left over"};
        ReadIniSections(dir.File("big.dat"), sections);
        ASSERT_EQ(sections.size(), static_cast<std::size_t>(c.count) + 1);
        EXPECT_EQ(sections[static_cast<std::size_t>(c.count) - 1],
                  std::to_string(999 + c.count) + std::string(95, 'n'));
        EXPECT_EQ(sections.back(), last);

        NameList keys;
        ReadIniSection(dir.File("big.dat"), last, keys);
        ASSERT_EQ(keys.size(), static_cast<std::size_t>(c.count) + 1);
        EXPECT_EQ(keys.back(), last);
    }
}

TEST(IniAccessBareName, RecordsByTheirBareNameReachThePerUserFolder) {
    const TempHome home;
    const std::string folder = ProfileDirectory();
    WriteIniString("records.dat", "1/2/2026 3:04:05 PM", "Google", "kw*http://site/*No. 3* ");
    EXPECT_TRUE(fs::exists(folder + "records.dat"));
    NameList sections;
    ReadIniSections("records.dat", sections);
    EXPECT_EQ(sections, NameList{"1/2/2026 3:04:05 PM"});
    EXPECT_EQ(ReadIniString("records.dat", "1/2/2026 3:04:05 PM", "google"),
              "kw*http://site/*No. 3*");
    DeleteIniKey("records.dat", "1/2/2026 3:04:05 PM", "Google");
    EXPECT_EQ(ReadFile(folder + "records.dat"), "[1/2/2026 3:04:05 PM]\r\n");
}

} // namespace

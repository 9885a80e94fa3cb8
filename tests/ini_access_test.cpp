#include "main/ini_access.h"
#include "platform/ini_file.h"
#include "platform/profile.h"
#include "support/temp_dir.h"

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

// Names each take their length and a zero byte; the list holds 16,384 bytes
// with one more zero byte at the end.
TEST(IniAccessLimits, AListHoldsWhatFitsIn16384Bytes) {
    TempDir dir;
    const auto fill = [&](int count, std::size_t lastLength) {
        std::string bytes;
        for (int i = 0; i < count; ++i) {
            std::string name = std::to_string(1000 + i) + std::string(95, 'n'); // 99 bytes
            bytes += "[" + name + "]\n" + name + "=v\n";
        }
        bytes += "[" + std::string(lastLength, 'L') + "]\n" + std::string(lastLength, 'L') + "=v\n";
        WriteFile(dir.File("big.dat"), bytes);
    };
    // 163 names of 99 bytes take 16,300 bytes with their zeros; 82 more and
    // its zero make 16,383, and the final zero the 16,384th.
    fill(163, 82);
    NameList sections;
    ReadIniSections(dir.File("big.dat"), sections);
    ASSERT_EQ(sections.size(), 164u);
    EXPECT_EQ(sections.back(), std::string(82, 'L'));

    fill(163, 83);
    ReadIniSections(dir.File("big.dat"), sections);
    ASSERT_EQ(sections.size(), 164u);
    EXPECT_EQ(sections.back(), std::string(82, 'L'));

    fill(200, 5);
    ReadIniSections(dir.File("big.dat"), sections);
    ASSERT_EQ(sections.size(), 164u);
    EXPECT_EQ(sections[162], "1162" + std::string(95, 'n'));
    EXPECT_EQ(sections.back(), "1163" + std::string(78, 'n'));
}

TEST(IniAccessLimits, AKeyListingIsCutTheSameWay) {
    TempDir dir;
    std::string bytes = "[Engines URL]\n";
    for (int i = 0; i < 2000; ++i) {
        bytes += "Engine" + std::to_string(1000 + i) + "=http://e/\n"; // 10 bytes + zero
    }
    WriteFile(dir.File("big.dat"), bytes);
    NameList keys;
    ReadIniSection(dir.File("big.dat"), "Engines URL", keys);
    // 1,489 names take 16,379 bytes; the 1,490th fits 3 of its bytes.
    ASSERT_EQ(keys.size(), 1490u);
    EXPECT_EQ(keys[1488], "Engine2488");
    EXPECT_EQ(keys.back(), "Eng");
}

TEST(IniAccessBareName, RecordsByTheirBareNameReachThePerUserFolder) {
    const std::string folder = ProfileDirectory();
    fs::remove_all(folder);
    WriteIniString("records.dat", "1/2/2026 3:04:05 PM", "Google", "kw*http://site/*No. 3* ");
    EXPECT_TRUE(fs::exists(folder + "records.dat"));
    NameList sections;
    ReadIniSections("records.dat", sections);
    EXPECT_EQ(sections, NameList{"1/2/2026 3:04:05 PM"});
    EXPECT_EQ(ReadIniString("records.dat", "1/2/2026 3:04:05 PM", "google"),
              "kw*http://site/*No. 3*");
    DeleteIniKey("records.dat", "1/2/2026 3:04:05 PM", "Google");
    EXPECT_EQ(ReadFile(folder + "records.dat"), "[1/2/2026 3:04:05 PM]\r\n");
    fs::remove_all(folder);
}

} // namespace

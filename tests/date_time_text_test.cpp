#include "main/date_time_text.h"
#include "platform/regional_settings.h"
#include "support/local_time.h"
#include "support/temp_dir.h"

#include <cctype>
#include <cstdlib>
#include <gtest/gtest.h>

// glibc keeps the LOCPATH folder list of a locale it loaded from there for
// good; the leak checker is told so. The pattern matches the exported name
// "argz_add_sep" as well as the internal "__argz_add_sep" that only libc's
// debug symbols show.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:argz_add_sep\n";
}

namespace {

RegionalSettings German() {
    RegionalSettings settings;
    settings.ShortDateFormat = "%d.%m.%Y";
    return settings;
}

RegionalSettings DotsAndMarkerFirst() {
    RegionalSettings settings;
    settings.ShortDateFormat = "%Y/%m/%d";
    settings.TimeSeparator = ".";
    settings.LeadingZeroHour = false;
    settings.TwelveHourClock = true;
    settings.AmText = "am";
    settings.PmText = "pm";
    settings.MarkerFirst = true;
    return settings;
}

struct TextCase {
    const char* name;
    RegionalSettings settings;
    std::tm time;
    std::string expected;
};

class DateTimeTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(DateTimeTextTest, FollowsTheSettings) {
    const TextCase& c = GetParam();
    EXPECT_EQ(DateTimeText(c.time, c.settings), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DateTimeTextTest,
    testing::Values(
        TextCase{"us morning", UsEnglish(), LocalTime(2026, 12, 10, 8, 20, 44),
                 "12/10/2026 8:20:44 AM"},
        TextCase{"us afternoon", UsEnglish(), LocalTime(2026, 1, 5, 13, 5, 9),
                 "1/5/2026 1:05:09 PM"},
        TextCase{"us noon", UsEnglish(), LocalTime(2026, 1, 5, 12, 0, 0), "1/5/2026 12:00:00 PM"},
        TextCase{"us after midnight", UsEnglish(), LocalTime(2026, 1, 5, 0, 0, 1),
                 "1/5/2026 12:00:01 AM"},
        TextCase{"us midnight", UsEnglish(), LocalTime(2026, 1, 5, 0, 0, 0), "1/5/2026"},
        TextCase{"24h morning", German(), LocalTime(2026, 12, 10, 8, 20, 44),
                 "10.12.2026 08:20:44"},
        TextCase{"24h evening", German(), LocalTime(2026, 12, 10, 23, 59, 59),
                 "10.12.2026 23:59:59"},
        TextCase{"24h a minute past midnight", German(), LocalTime(2026, 12, 10, 0, 1, 0),
                 "10.12.2026 00:01:00"},
        TextCase{"24h midnight", German(), LocalTime(2026, 12, 10, 0, 0, 0), "10.12.2026"},
        TextCase{"marker first", DotsAndMarkerFirst(), LocalTime(2026, 12, 10, 8, 20, 44),
                 "2026/12/10 am 8.20.44"},
        TextCase{"marker first afternoon", DotsAndMarkerFirst(), LocalTime(2026, 12, 10, 21, 0, 5),
                 "2026/12/10 pm 9.00.05"},
        TextCase{"marker first midnight", DotsAndMarkerFirst(), LocalTime(2026, 12, 10, 0, 0, 0),
                 "2026/12/10"}),
    [](const testing::TestParamInfo<TextCase>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(DateTimeText, AnEmptyMarkerLeavesNoTrailingBlank) {
    RegionalSettings settings = UsEnglish();
    settings.AmText = "";
    EXPECT_EQ(DateTimeText(LocalTime(2026, 12, 10, 8, 20, 44), settings), "12/10/2026 8:20:44");
}

void ExpectCLocale(const RegionalSettings& settings) {
    EXPECT_EQ(settings.ShortDateFormat, "%m/%d/%y");
    EXPECT_EQ(settings.TimeSeparator, ":");
    EXPECT_TRUE(settings.LeadingZeroHour);
    EXPECT_FALSE(settings.TwelveHourClock);
    EXPECT_EQ(settings.AmText, "AM");
    EXPECT_EQ(settings.PmText, "PM");
    EXPECT_FALSE(settings.MarkerFirst);
}

TEST(RegionalSettings, TheCLocaleGivesATwoDigitYearAndTheTwentyFourHourClock) {
    for (const char* name : {"C", "POSIX", "C.UTF-8", "xx_NOWHERE.UTF-8"}) {
        SCOPED_TRACE(name);
        const RegionalSettings settings = RegionalSettingsOf(name);
        ExpectCLocale(settings);
        EXPECT_EQ(DateTimeText(LocalTime(2026, 12, 10, 8, 20, 44), settings), "12/10/26 08:20:44");
    }
}

// Builds en_US.UTF-8 from the system's locale sources into a folder of its
// own; the machine need not have it installed.
bool MakeUsEnglishLocale(const TempDir& dir) {
    const std::string command =
        "localedef -i en_US -f UTF-8 '" + dir.File("en_US.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        return false;
    }
    setenv("LOCPATH", dir.Path().c_str(), 1);
    return true;
}

constexpr const char* kNoLocaleSources =
    "localedef cannot build en_US.UTF-8: is the locales package installed (scripts/setup.sh)?";

// LC_ALL comes before LC_TIME, and LC_TIME before LANG; an empty variable
// counts as unset.
TEST(RegionalSettings, TheEnvironmentNamesTheLocale) {
    TempDir dir;
    ASSERT_TRUE(MakeUsEnglishLocale(dir)) << kNoLocaleSources;
    struct Case {
        const char* all;
        const char* time;
        const char* lang;
        bool unitedStates;
    };
    const Case cases[] = {
        {"", "", "en_US.UTF-8", true},
        {"", "en_US.UTF-8", "C", true},
        {"", "C", "en_US.UTF-8", false},
        {"en_US.UTF-8", "C", "C", true},
        {"C", "en_US.UTF-8", "en_US.UTF-8", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.all) + "/" + c.time + "/" + c.lang);
        setenv("LC_ALL", c.all, 1);
        setenv("LC_TIME", c.time, 1);
        setenv("LANG", c.lang, 1);
        const RegionalSettings settings = ReadRegionalSettings();
        if (c.unitedStates) {
            EXPECT_EQ(settings.ShortDateFormat, "%m/%d/%Y");
            EXPECT_TRUE(settings.TwelveHourClock);
        } else {
            ExpectCLocale(settings);
        }
    }
}

TEST(RegionalSettings, UnitedStatesEnglish) {
    TempDir dir;
    ASSERT_TRUE(MakeUsEnglishLocale(dir)) << kNoLocaleSources;
    setenv("LC_ALL", "en_US.UTF-8", 1);
    const RegionalSettings settings = ReadRegionalSettings();
    EXPECT_EQ(settings.ShortDateFormat, "%m/%d/%Y");
    EXPECT_EQ(settings.TimeSeparator, ":");
    EXPECT_FALSE(settings.LeadingZeroHour);
    EXPECT_TRUE(settings.TwelveHourClock);
    EXPECT_EQ(settings.AmText, "AM");
    EXPECT_EQ(settings.PmText, "PM");
    EXPECT_FALSE(settings.MarkerFirst);
    EXPECT_EQ(DateTimeText(LocalTime(2026, 12, 10, 8, 20, 44), settings), "12/10/2026 8:20:44 AM");
    EXPECT_EQ(DateTimeText(LocalTime(2026, 12, 10, 20, 20, 44), settings), "12/10/2026 8:20:44 PM");
    EXPECT_EQ(DateTimeText(LocalTime(2026, 12, 10, 0, 0, 0), settings), "12/10/2026");
}

TEST(LocalTimeNow, GivesTheLocalTime) {
    const std::time_t before = std::time(nullptr);
    std::tm now = LocalTimeNow();
    const std::time_t after = std::time(nullptr);
    const std::time_t read = std::mktime(&now);
    EXPECT_LE(before, read);
    EXPECT_LE(read, after);
}

} // namespace

#pragma once

#include <string>

// The user's regional settings for dates and times, as far as the date-time
// text of a record needs them.
struct RegionalSettings {
    // The short date, in strftime notation ("%m/%d/%Y").
    std::string ShortDateFormat = "%m/%d/%y";
    std::string TimeSeparator = ":";
    bool LeadingZeroHour = true;
    bool TwelveHourClock = false;
    std::string AmText = "AM";
    std::string PmText = "PM";
    // The morning or afternoon marker stands before the time.
    bool MarkerFirst = false;
};

// The settings of the locale named by the environment for LC_TIME (LC_ALL,
// then LC_TIME, then LANG).
RegionalSettings ReadRegionalSettings();

// The settings of a named locale ("en_US.UTF-8", "C"). The short date is the
// C library's date format of that locale (nl_langinfo D_FMT), which gives the
// year in four digits where the usual desktop settings do; the time rules and
// the markers come from Qt's locale data for that name (its long time
// format), which keeps the hour unpadded where those settings do (glibc's
// en_US pads it). A locale that is not installed gives the C locale's settings.
//
// The C (and POSIX) locale gives "%m/%d/%y", ":", a leading zero, the 24-hour
// clock and "AM"/"PM": a date-time text such as "12/10/26 08:20:44".
RegionalSettings RegionalSettingsOf(const std::string& localeName);

#include "support/local_time.h"

std::tm LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

RegionalSettings UsEnglish() {
    RegionalSettings settings;
    settings.ShortDateFormat = "%-m/%-d/%Y";
    settings.LeadingZeroHour = false;
    settings.TwelveHourClock = true;
    return settings;
}

#include "main/date_time_text.h"

#include <array>
#include <cstdio>

namespace {

std::string ShortDate(const std::tm& time, const std::string& format) {
    std::array<char, 256> buffer{};
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), format.c_str(), &time);
    return std::string(buffer.data(), length);
}

std::string TwoDigits(int value) {
    std::array<char, 8> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%02d", value);
    return buffer.data();
}

std::string TimeText(const std::tm& time, const RegionalSettings& settings) {
    int hour = time.tm_hour;
    if (settings.TwelveHourClock) {
        hour = hour % 12 == 0 ? 12 : hour % 12;
    }
    std::string text = settings.LeadingZeroHour ? TwoDigits(hour) : std::to_string(hour);
    text += settings.TimeSeparator + TwoDigits(time.tm_min) + settings.TimeSeparator +
            TwoDigits(time.tm_sec);
    if (!settings.TwelveHourClock) {
        return text;
    }
    const std::string& marker = time.tm_hour < 12 ? settings.AmText : settings.PmText;
    if (marker.empty()) {
        return text;
    }
    return settings.MarkerFirst ? marker + " " + text : text + " " + marker;
}

} // namespace

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string DateTimeText(const std::tm& time, const RegionalSettings& settings) {
    const std::string date = ShortDate(time, settings.ShortDateFormat);
    if (time.tm_hour == 0 && time.tm_min == 0 && time.tm_sec == 0) {
        return date;
    }
    return date + " " + TimeText(time, settings);
}

#pragma once

#include "platform/regional_settings.h"

#include <ctime>
#include <functional>
#include <string>

// Gives the current local date and time, broken down. Tests pin it.
using LocalClock = std::function<std::tm()>;

// The system's local time.
std::tm LocalTimeNow();

// The date-time text of a record: the short date, a blank and the time as
// hours, minutes and seconds joined by the time separator, with the morning
// or afternoon marker on the 12-hour clock; the date alone at exactly
// 00:00:00.
std::string DateTimeText(const std::tm& time, const RegionalSettings& settings);

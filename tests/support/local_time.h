#pragma once

#include "platform/regional_settings.h"

#include <ctime>

// A local time for pinned clocks.
std::tm LocalTime(int year, int month, int day, int hour, int minute, int second);

// The regional settings of United States English: month/day/year, the hour
// without a leading zero, the 12-hour clock with "AM" and "PM".
RegionalSettings UsEnglish();

#pragma once

#include <string>

// The catalogue values that the engine settings dialog writes for one engine,
// built from the texts of its boxes.

// The home URL derived from a search URL: "http://" followed by the trimmed
// search URL's characters after its first seven, up to and including the
// first "/"; "http://" alone when no "/" follows the first seven characters.
std::string HomeUrlOf(const std::string& searchUrl);

// The result-entry markers: result start, "*", item start, "**", each trimmed.
std::string ListTagValue(const std::string& resultStart, const std::string& itemStart);

// The next-page markers: "*", next start, "*", next keyword, "*", next end,
// each trimmed.
std::string NextTagValue(const std::string& nextStart, const std::string& nextKeyword,
                         const std::string& nextEnd);

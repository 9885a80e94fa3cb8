#pragma once

#include <string>

// Finds the link to the next result page with an engine's markers; empty when
// the page has none. A pure function of its arguments, safe on several
// threads at once.
std::string ExtractNextPageUrl(const std::string& pageText, const std::string& resultStart,
                               const std::string& itemStart, const std::string& nextStart,
                               const std::string& nextKeyword, const std::string& nextEnd);

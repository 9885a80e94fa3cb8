#pragma once

#include <string>
#include <vector>

// Cuts a result page into its result entries with an engine's result-entry
// markers. The list is emptied first; entries keep the page's letter case.
// A pure function of its arguments, safe on several threads at once.
void ExtractResultItems(const std::string& pageText, const std::string& resultStart,
                        const std::string& itemStart, const std::string& resultEnd,
                        std::vector<std::string>& entries);

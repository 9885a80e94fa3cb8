#pragma once

#include <optional>
#include <string>

// A help request's path "<help file>::/<topic>", split into its two names.
// "\" and "/" both separate folders, and a run of separators counts as one.
struct HelpPath {
    std::string File;  // with "/" separators
    std::string Topic; // "/" + the topic's path inside the file, "#" part included
};

// The two names, or nothing when the path names no topic.
std::optional<HelpPath> SplitHelpPath(const std::string& path);

// "\" turned into "/", and each run of separators into one "/".
std::string NormalSeparators(const std::string& path);

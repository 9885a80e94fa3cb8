#include "hhctrl/help_path.h"

std::string NormalSeparators(const std::string& path) {
    std::string normal;
    normal.reserve(path.size());
    for (const char c : path) {
        const bool separator = c == '/' || c == '\\';
        if (!separator) {
            normal += c;
        } else if (normal.empty() || normal.back() != '/') {
            normal += '/';
        }
    }
    return normal;
}

std::optional<HelpPath> SplitHelpPath(const std::string& path) {
    const std::size_t mark = path.find("::");
    if (mark == std::string::npos) {
        return std::nullopt;
    }
    // The topic always starts at the root; appending, not "/" + text, keeps
    // GCC 12 at -O3 from a false overlap warning.
    std::string topic = "/";
    topic.append(path, mark + 2);
    HelpPath split{NormalSeparators(path.substr(0, mark)), NormalSeparators(topic)};
    if (split.File.empty() || split.Topic == "/") {
        return std::nullopt;
    }
    return split;
}

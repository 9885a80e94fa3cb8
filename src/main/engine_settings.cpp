#include "main/engine_settings.h"

#include "platform/text.h"

namespace {

// The scheme part that is skipped, whatever it holds.
constexpr std::size_t SkippedPrefix = 7;

} // namespace

std::string HomeUrlOf(const std::string& searchUrl) {
    const std::string url = Trim(searchUrl);
    std::string host;
    if (url.size() > SkippedPrefix) {
        const std::string rest = url.substr(SkippedPrefix);
        const std::size_t slash = rest.find('/');
        if (slash != std::string::npos) {
            host = rest.substr(0, slash + 1);
        }
    }
    return "http://" + host;
}

std::string ListTagValue(const std::string& resultStart, const std::string& itemStart) {
    return Trim(resultStart) + "*" + Trim(itemStart) + "**";
}

std::string NextTagValue(const std::string& nextStart, const std::string& nextKeyword,
                         const std::string& nextEnd) {
    return "*" + Trim(nextStart) + "*" + Trim(nextKeyword) + "*" + Trim(nextEnd);
}

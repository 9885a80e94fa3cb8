#include "main/engine_settings.h"

#include "platform/text.h"

namespace {

// The scheme part that is skipped, whatever it holds.
constexpr std::size_t SkippedPrefix = 7;

} // namespace

// Texts are appended to one string rather than joined with "+": GCC 12
// warns falsely about overlapping copies in `"*" + text` when optimising.
std::string HomeUrlOf(const std::string& searchUrl) {
    const std::string url = Trim(searchUrl);
    std::string home = "http://";
    if (url.size() > SkippedPrefix) {
        const std::size_t slash = url.find('/', SkippedPrefix);
        if (slash != std::string::npos) {
            home.append(url, SkippedPrefix, slash + 1 - SkippedPrefix);
        }
    }
    return home;
}

std::string ListTagValue(const std::string& resultStart, const std::string& itemStart) {
    std::string value = Trim(resultStart);
    value.append("*").append(Trim(itemStart)).append("**");
    return value;
}

std::string NextTagValue(const std::string& nextStart, const std::string& nextKeyword,
                         const std::string& nextEnd) {
    std::string value = "*";
    value.append(Trim(nextStart)).append("*").append(Trim(nextKeyword)).append("*");
    value.append(Trim(nextEnd));
    return value;
}

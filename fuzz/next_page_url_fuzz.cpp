// Input: result-start, item-start, next-start, keyword and next-end marker,
// each ended by a NUL byte, then the page. The link is checked against a
// plain reading of the search rules that copies the working text each round.
#include "fuzz_input.h"
#include "main/next_page_url.h"
#include "platform/text.h"

#include <cstdlib>

namespace {

std::string TakeAddress(const std::string& candidate) {
    const std::string upper = UpperCase(candidate);
    std::string rest;
    if (const std::size_t quoted = upper.find("HREF=\""); quoted != std::string::npos) {
        rest = candidate.substr(quoted + 6);
    } else if (const std::size_t bare = upper.find("HREF="); bare != std::string::npos) {
        rest = candidate.substr(bare + 5);
    } else {
        return std::string();
    }
    std::string link;
    if (const std::size_t quoteEnd = rest.find("\">"); quoteEnd != std::string::npos) {
        link = rest.substr(0, quoteEnd);
    } else if (const std::size_t tagEnd = rest.find('>');
               tagEnd != std::string::npos && tagEnd >= 2) {
        link = rest.substr(0, tagEnd - 1);
    }
    if (!link.empty() && link[0] == '/') {
        link.erase(0, 1);
    }
    return link;
}

std::string Reference(const std::string& page, const std::string& resultStart,
                      const std::string& itemStart, const std::string& nextStart,
                      const std::string& keyword, const std::string& nextEnd) {
    const std::string start = IsBlank(resultStart) ? itemStart : resultStart;
    if (IsBlank(start) || IsBlank(nextStart) || IsBlank(keyword) || nextEnd.empty()) {
        return std::string();
    }
    const std::string upperNextStart = UpperCase(Trim(nextStart) + " ");
    std::string work = page;
    if (const std::size_t begin = UpperCase(work).find(UpperCase(start));
        begin != std::string::npos) {
        work = work.substr(begin);
    }
    for (;;) {
        const std::string upperWork = UpperCase(work);
        const std::size_t s = upperWork.find(upperNextStart);
        const std::size_t e = upperWork.find(UpperCase(nextEnd));
        if (s == std::string::npos || e == std::string::npos) {
            return std::string();
        }
        const std::string candidate = e > s ? work.substr(s, e - s) : std::string();
        const std::size_t tagEnd = candidate.find('>');
        const std::string visible =
            tagEnd == std::string::npos ? candidate : candidate.substr(tagEnd);
        if (UpperCase(visible).find(UpperCase(keyword)) != std::string::npos) {
            return TakeAddress(candidate);
        }
        work = work.substr(e + nextEnd.size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::vector<std::string> p = SplitFuzzInput(data, size, 5);
    const std::string link = ExtractNextPageUrl(p[5], p[0], p[1], p[2], p[3], p[4]);
    if (link != Reference(p[5], p[0], p[1], p[2], p[3], p[4])) {
        std::abort();
    }
    return 0;
}

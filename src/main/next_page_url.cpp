#include "main/next_page_url.h"

#include "platform/text.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Searches of one call, all on the page as fetched. The working text always
// runs to the end of the page, so it is held as the offset at which it starts.
class LinkSearch final {
public:
    LinkSearch(std::string_view page, std::string nextStart, std::string keyword,
               std::string nextEnd)
        : page_(page)
        , nextStart_(std::move(nextStart))
        , keyword_(std::move(keyword))
        , nextEnd_(std::move(nextEnd)) {}

    // Offsets [begin, end) of the first candidate whose visible part holds
    // the keyword, or begin == npos.
    std::pair<std::size_t, std::size_t> FindCandidate(std::size_t workStart);

private:
    std::size_t NextStartFrom(std::size_t workStart);
    bool VisiblePartHoldsKeyword(std::size_t begin, std::size_t end) const;

    std::string_view page_;
    std::string nextStart_;
    std::string keyword_;
    std::string nextEnd_;
    // The working text only moves forward, so an occurrence of the
    // next-start marker stays the first one until the working text passes it.
    std::size_t cachedStart_ = npos;
    bool startSearched_ = false;
};

std::size_t LinkSearch::NextStartFrom(std::size_t workStart) {
    if (!startSearched_ || (cachedStart_ != npos && cachedStart_ < workStart)) {
        cachedStart_ = FindUpperCased(page_, nextStart_, workStart);
        startSearched_ = true;
    }
    return cachedStart_;
}

bool LinkSearch::VisiblePartHoldsKeyword(std::size_t begin, std::size_t end) const {
    const std::string_view candidate = page_.substr(begin, end - begin);
    const std::size_t tagEnd = candidate.find('>');
    const std::string_view visible = tagEnd == npos ? candidate : candidate.substr(tagEnd);
    return FindUpperCased(visible, keyword_) != npos;
}

std::pair<std::size_t, std::size_t> LinkSearch::FindCandidate(std::size_t workStart) {
    for (;;) {
        const std::size_t start = NextStartFrom(workStart);
        if (start == npos) {
            return {npos, npos};
        }
        const std::size_t end = FindUpperCased(page_, nextEnd_, workStart);
        if (end == npos) {
            return {npos, npos};
        }
        // A next-end marker at or before the next-start marker gives an empty
        // candidate, which never holds the keyword.
        if (end > start && VisiblePartHoldsKeyword(start, end)) {
            return {start, end};
        }
        workStart = end + nextEnd_.size();
    }
}

// Takes the address out of an accepted candidate: after HREF=" or HREF=, up
// to "> or to the first > less the character before it, less one leading /.
std::string TakeAddress(std::string_view candidate) {
    std::size_t rest = FindUpperCased(candidate, "HREF=\"");
    if (rest != npos) {
        rest += 6;
    } else {
        rest = FindUpperCased(candidate, "HREF=");
        if (rest == npos) {
            return std::string();
        }
        rest += 5;
    }
    const std::string_view restText = candidate.substr(rest);
    std::string_view link;
    const std::size_t quoteEnd = restText.find("\">");
    if (quoteEnd != npos) {
        link = restText.substr(0, quoteEnd);
    } else {
        const std::size_t tagEnd = restText.find('>');
        if (tagEnd != npos && tagEnd >= 2) {
            link = restText.substr(0, tagEnd - 1);
        }
    }
    if (!link.empty() && link.front() == '/') {
        link.remove_prefix(1);
    }
    return std::string(link);
}

} // namespace

std::string ExtractNextPageUrl(const std::string& pageText, const std::string& resultStart,
                               const std::string& itemStart, const std::string& nextStart,
                               const std::string& nextKeyword, const std::string& nextEnd) {
    const std::string& start = IsBlank(resultStart) ? itemStart : resultStart;
    if (IsBlank(start) || IsBlank(nextStart) || IsBlank(nextKeyword)) {
        return std::string();
    }
    std::size_t workStart = FindUpperCased(pageText, UpperCase(start));
    if (workStart == npos) {
        workStart = 0;
    }
    LinkSearch search(pageText, UpperCase(Trim(nextStart) + " "), UpperCase(nextKeyword),
                      UpperCase(nextEnd));
    const auto [begin, end] = search.FindCandidate(workStart);
    if (begin == npos) {
        return std::string();
    }
    return TakeAddress(std::string_view(pageText).substr(begin, end - begin));
}

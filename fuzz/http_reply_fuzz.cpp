// Feeds arbitrary reply heads, split at their line ends, to the reader of
// status lines and Location headers.
#include "platform/reply_head.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool IsTrimmed(std::string_view text) {
    return text.empty() || (static_cast<unsigned char>(text.front()) > 32 &&
                            static_cast<unsigned char>(text.back()) > 32);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    ReplyHead head;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::size_t length = end == std::string_view::npos ? rest.size() : end + 1;
        ReadReplyHeadLine(head, rest.substr(0, length));
        rest.remove_prefix(length);
        Check(head.status == 0 || (head.status >= 100 && head.status <= 999));
        Check(head.hasLocation || head.location.empty());
        Check(IsTrimmed(head.location));
        Check(!IndyAcceptsReply(head) || (head.status / 100 == 2 && !head.hasLocation));
        Check(!FastNetFollowsReply(head) || !head.location.empty());
    }
    return 0;
}

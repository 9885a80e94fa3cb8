#include "platform/reply_head.h"

#include "platform/text.h"

namespace {

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "HTTP/" and a version, one blank, a code of 100 to 999, then the end or a
// blank.
bool ReadStatusLine(std::string_view line, int& status) {
    if (!line.starts_with("HTTP/")) {
        return false;
    }
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || line.size() < blank + 4) {
        return false;
    }
    const std::string_view code = line.substr(blank + 1, 3);
    if (code[0] < '1' || code[0] > '9' || !IsDigit(code[1]) || !IsDigit(code[2])) {
        return false;
    }
    if (line.size() > blank + 4 && line[blank + 4] != ' ') {
        return false;
    }
    status = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
    return true;
}

} // namespace

void ReadReplyHeadLine(ReplyHead& head, std::string_view line) {
    line = WithoutLineEnd(line);
    int status = 0;
    if (ReadStatusLine(line, status)) {
        head = ReplyHead{};
        head.status = status;
        return;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || head.hasLocation) {
        return;
    }
    if (UpperCase(line.substr(0, colon)) == "LOCATION") {
        head.hasLocation = true;
        head.location = Trim(line.substr(colon + 1));
    }
}

bool IndyAcceptsReply(const ReplyHead& head) {
    return head.status >= 200 && head.status <= 299 && !head.hasLocation;
}

bool FastNetFollowsReply(const ReplyHead& head) {
    return head.status >= 300 && head.status <= 302 && !head.location.empty();
}

#include "platform/request_target.h"

#include "platform/http_error.h"

bool IsSendableAddress(std::string_view url) {
    for (char c : url) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= 32 || code == 127) {
            return false;
        }
    }
    return true;
}

const std::string& RequireSendableAddress(const std::string& url) {
    if (!IsSendableAddress(url)) {
        throw EHttpError("Address holds characters a request cannot carry");
    }
    return url;
}

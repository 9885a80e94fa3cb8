#include "platform/fastnet_http.h"

#include "platform/curl_get.h"
#include "platform/http_error.h"
#include "platform/request_target.h"
#include "platform/url_split.h"

#include <algorithm>
#include <memory>

namespace {

constexpr std::size_t MaxTargetLength = 256;
constexpr int MaxRedirects = 20;

std::vector<std::string> FastNetHeaders(const HttpUrl& url) {
    return {
        "Host: " + url.authority,
        "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff",
        "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript",
        "Content-type: application/x-www-form-urlencoded",
    };
}

// libcurl percent-encodes bytes from 128 up in a relative Location, and
// only those. Every "%" of ours is written as "%25" before, so that after it
// each "%xx" stands for one byte and the address comes back as it was sent.
std::string EscapePercent(const std::string& address) {
    std::string escaped;
    for (char c : address) {
        escaped += c == '%' ? std::string("%25") : std::string(1, c);
    }
    return escaped;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string DecodePercent(const std::string& address) {
    std::string decoded;
    for (std::size_t i = 0; i < address.size(); ++i) {
        if (address[i] == '%' && i + 2 < address.size() && HexValue(address[i + 1]) >= 0 &&
            HexValue(address[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(address[i + 1]) * 16 + HexValue(address[i + 2]));
            i += 2;
        } else {
            decoded += address[i];
        }
    }
    return decoded;
}

// A reply's Location, resolved against the address that gave the reply; its
// bytes stay as the server sent them.
std::string ResolveLocation(const HttpUrl& base, const std::string& location) {
    RequireSendableAddress(location);
    std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> handle(curl_url(), &curl_url_cleanup);
    const std::string baseAddress = EscapePercent("http://" + base.authority + base.target);
    const std::string escapedLocation = EscapePercent(location);
    char* resolved = nullptr;
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, baseAddress.c_str(), 0) != CURLUE_OK ||
        curl_url_set(handle.get(), CURLUPART_URL, escapedLocation.c_str(), 0) != CURLUE_OK ||
        curl_url_get(handle.get(), CURLUPART_URL, &resolved, 0) != CURLUE_OK) {
        throw EHttpError("The reply's Location cannot be followed");
    }
    std::string result = DecodePercent(resolved);
    curl_free(resolved);
    return result;
}

} // namespace

void TNMHTTP::Get(const std::string& url) {
    CurlHandle handle;
    std::string address = url;
    for (int hop = 0;; ++hop) {
        const HttpUrl parts = SplitHttpUrl(RequireSendableAddress(address));
        // This client sends all that follows the host, the "#" part included.
        HttpUrl sent = parts;
        sent.target += parts.fragment;
        sent.target.resize(std::min(sent.target.size(), MaxTargetLength));
        HttpReply reply = CurlGet(handle, sent, HttpVersion::Http10, FastNetHeaders(parts), false);
        if (!FastNetFollowsReply(reply.head)) {
            Body = std::move(reply.body);
            return;
        }
        if (hop == MaxRedirects) {
            throw EHttpError("Too many redirects");
        }
        address = ResolveLocation(parts, reply.head.location);
    }
}

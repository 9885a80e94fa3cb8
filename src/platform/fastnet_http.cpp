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

// A reply's Location, resolved against the address that gave the reply.
std::string ResolveLocation(const HttpUrl& base, const std::string& location) {
    RequireSendableAddress(location);
    std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> handle(curl_url(), &curl_url_cleanup);
    const std::string baseAddress = "http://" + base.authority + base.target;
    char* resolved = nullptr;
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, baseAddress.c_str(), 0) != CURLUE_OK ||
        curl_url_set(handle.get(), CURLUPART_URL, location.c_str(), 0) != CURLUE_OK ||
        curl_url_get(handle.get(), CURLUPART_URL, &resolved, 0) != CURLUE_OK) {
        throw EHttpError("The reply's Location cannot be followed");
    }
    std::string result(resolved);
    curl_free(resolved);
    return result;
}

} // namespace

void TNMHTTP::Get(const std::string& url) {
    CurlHandle handle;
    std::string address = url;
    for (int hop = 0;; ++hop) {
        const HttpUrl parts = SplitHttpUrl(RequireSendableAddress(address));
        HttpUrl sent = parts;
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

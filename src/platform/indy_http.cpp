#include "platform/indy_http.h"

#include "platform/curl_get.h"
#include "platform/http_error.h"
#include "platform/request_target.h"
#include "platform/url_split.h"

struct TIdHTTP::Connection {
    CurlHandle handle; // its connection serves the next Get
};

TIdHTTP::TIdHTTP()
    : connection_(std::make_unique<Connection>()) {}

TIdHTTP::~TIdHTTP() = default;

std::string TIdHTTP::Get(const std::string& url) {
    const HttpUrl parts = SplitHttpUrl(RequireSendableAddress(url));
    const std::vector<std::string> headers = {
        "Host: " + parts.authority,
        "Accept: text/html, */*",
        "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
    };
    HttpReply reply = CurlGet(connection_->handle, parts, HttpVersion::Http11, headers, true);
    if (!IndyAcceptsReply(reply.head)) {
        throw EHttpError("HTTP/1.1 " + std::to_string(reply.head.status) +
                         (reply.head.hasLocation ? " with Location" : ""));
    }
    return std::move(reply.body);
}

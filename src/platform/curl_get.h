#pragma once

#include "platform/reply_head.h"
#include "platform/url_split.h"

#include <cstddef>
#include <curl/curl.h>
#include <string>
#include <vector>

// The longest body a fetch takes; a longer one fails the fetch instead of
// filling the memory.
inline constexpr std::size_t MaxBodyBytes = std::size_t{64} << 20;

struct HttpReply {
    ReplyHead head;
    std::string body;
};

enum class HttpVersion { Http10, Http11 };

// Sets libcurl up once for the whole program, whichever thread comes first.
void SetUpCurl();

// One libcurl easy handle, used by one thread; it keeps its connections for
// the next request made on it.
class CurlHandle final {
public:
    CurlHandle();
    ~CurlHandle();
    CurlHandle(const CurlHandle&) = delete;
    CurlHandle& operator=(const CurlHandle&) = delete;

    CURL* Get() const { return handle_; }

private:
    CURL* handle_;
};

// Sends "GET " + the URL's target + " HTTP/1.x" to the URL's host and port,
// followed by exactly the given header lines, and reads the reply without
// following a redirect, within the time-outs of http_timeouts.h. With
// keepConnection false the connection is a fresh one and is closed afterwards.
// Throws EHttpError when the exchange fails, the reply has no status line or
// its body passes MaxBodyBytes.
HttpReply CurlGet(CurlHandle& handle, const HttpUrl& url, HttpVersion version,
                  const std::vector<std::string>& headerLines, bool keepConnection);

#pragma once

#include <memory>
#include <string>

// Our stand-in for the Indy HTTP client: HTTP/1.1 GET of the path and query
// (a "#" part is not sent) with the Host, Accept
// "text/html, */*" and User-Agent "Mozilla/3.0 (compatible; Indy Library)"
// lines, its connection kept for the next request, no redirects followed.
// Any status but 2xx, or a Location header, throws EHttpError; so does an
// "https" URL. One object serves one thread.
class TIdHTTP final {
public:
    TIdHTTP();
    ~TIdHTTP();
    TIdHTTP(const TIdHTTP&) = delete;
    TIdHTTP& operator=(const TIdHTTP&) = delete;

    // The response body, as the bytes sent.
    std::string Get(const std::string& url);

private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};

#pragma once

#include <string>

// Our stand-in for the FastNet HTTP client: one object per page, HTTP/1.0 GET
// with the request target (all that follows the host, a "#" part included)
// cut to 256 characters, its two Accept lines and a
// Content-type line; follows 300 to 302 to their Location; a status of 400 or
// more is no failure. An "https" URL or a failed connection throws EHttpError.
class TNMHTTP final {
public:
    TNMHTTP() = default;
    TNMHTTP(const TNMHTTP&) = delete;
    TNMHTTP& operator=(const TNMHTTP&) = delete;

    // Fetches the URL; the response body goes into Body.
    void Get(const std::string& url);

    std::string Body;
};

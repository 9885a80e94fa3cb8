#pragma once

#include <string>

// The parts of an "http" address that a request needs.
struct HttpUrl {
    std::string host;      // as written; an IPv6 literal keeps its brackets
    int port = 80;         // 80 unless the address names one
    std::string authority; // host, with ":" and the port when the address names one
    std::string target;    // from the first "/" after the host, query included,
                           // fragment left out; "/" when the address has no path
    std::string fragment;  // "#" and what follows it; empty when there is none
};

// Splits an address; one without a scheme is taken as "http". Throws
// EHttpError for any other scheme (so "https" too), user information, an
// empty or malformed host, or a port that is not 1 to 65535.
HttpUrl SplitHttpUrl(const std::string& url);

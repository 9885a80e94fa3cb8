#include "platform/url_split.h"

#include "platform/http_error.h"
#include "platform/text.h"

#include <string_view>
#include <utility>

namespace {

bool IsAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSchemeName(std::string_view name) {
    if (name.empty() || !IsAlpha(name[0])) {
        return false;
    }
    for (char c : name) {
        if (!IsAlpha(c) && !IsDigit(c) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

// What follows "http://", or the whole address when it names no scheme.
std::string_view SkipScheme(std::string_view url) {
    const std::size_t mark = url.find("://");
    if (mark == std::string_view::npos || !IsSchemeName(url.substr(0, mark))) {
        return url;
    }
    if (UpperCase(url.substr(0, mark)) != "HTTP") {
        throw EHttpError("Only http addresses can be fetched");
    }
    return url.substr(mark + 3);
}

bool IsHostName(std::string_view host) {
    for (char c : host) {
        if (!IsAlpha(c) && !IsDigit(c) && c != '-' && c != '.' && c != '_') {
            return false;
        }
    }
    return !host.empty();
}

bool IsBracketedAddress(std::string_view host) {
    if (host.size() < 3 || host.front() != '[' || host.back() != ']') {
        return false;
    }
    for (char c : host.substr(1, host.size() - 2)) {
        if (!IsDigit(c) && !IsAlpha(c) && c != ':' && c != '.') {
            return false;
        }
    }
    return true;
}

int ReadPort(std::string_view digits) {
    if (digits.empty() || digits.size() > 5) {
        throw EHttpError("Malformed port in address");
    }
    int port = 0;
    for (char c : digits) {
        if (!IsDigit(c)) {
            throw EHttpError("Malformed port in address");
        }
        port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) {
        throw EHttpError("Malformed port in address");
    }
    return port;
}

void ReadAuthority(std::string_view authority, HttpUrl& parts) {
    const std::size_t bracketEnd = authority.find(']');
    const std::size_t colon =
        authority.find(':', bracketEnd == std::string_view::npos ? 0 : bracketEnd);
    const std::string_view host = authority.substr(0, colon);
    if (!IsHostName(host) && !IsBracketedAddress(host)) {
        throw EHttpError("Malformed host in address");
    }
    parts.host = std::string(host);
    if (colon != std::string_view::npos) {
        parts.port = ReadPort(authority.substr(colon + 1));
    }
    parts.authority = std::string(authority);
}

} // namespace

HttpUrl SplitHttpUrl(const std::string& url) {
    const std::string_view rest = SkipScheme(url);
    const std::size_t authorityEnd = rest.find_first_of("/?#");
    HttpUrl parts;
    ReadAuthority(rest.substr(0, authorityEnd), parts);
    std::string_view target;
    if (authorityEnd != std::string_view::npos) {
        target = rest.substr(authorityEnd);
    }
    const std::size_t hash = target.find('#');
    if (hash != std::string_view::npos) {
        parts.fragment = std::string(target.substr(hash));
        target = target.substr(0, hash);
    }
    // Built by appending: GCC 12 at -O3 sees an overlap that is not there in
    // "/" + std::string(target) and in assigning "/".
    std::string path;
    path.reserve(target.size() + 1);
    if (target.empty() || target.front() != '/') {
        path.push_back('/');
    }
    path.append(target);
    parts.target = std::move(path);
    return parts;
}

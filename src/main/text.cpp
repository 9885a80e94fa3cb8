#include "main/text.h"

#include <cstring>

namespace {

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string UpperCase(std::string_view text) {
    std::string result(text);
    // Branch-free, so that the compiler works on many bytes at once: result
    // pages are upper-cased whole for every search in them.
    for (char& c : result) {
        const auto letter = static_cast<unsigned char>(c - 'a');
        c = static_cast<char>(c - (letter < 26 ? 'a' - 'A' : 0));
    }
    return result;
}

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsControlOrBlank(text[first])) {
        ++first;
    }
    while (last > first && IsControlOrBlank(text[last - 1])) {
        --last;
    }
    return std::string(text.substr(first, last - first));
}

bool IsBlank(std::string_view text) {
    for (char c : text) {
        if (!IsControlOrBlank(c)) {
            return false;
        }
    }
    return true;
}

std::size_t FindText(std::string_view upperHaystack, std::string_view upperNeedle,
                     std::size_t from) {
    const std::size_t length = upperNeedle.size();
    if (length == 0 || from > upperHaystack.size() || upperHaystack.size() - from < length) {
        return std::string_view::npos;
    }
    // Markers mostly begin with '<', which HTML holds every few bytes: the
    // needle's last byte is checked before the whole needle is compared.
    const char* const data = upperHaystack.data();
    const char* const stop = data + (upperHaystack.size() - length) + 1;
    const char first = upperNeedle.front();
    const char last = upperNeedle.back();
    for (const char* p = data + from; p < stop; ++p) {
        p = static_cast<const char*>(std::memchr(p, first, static_cast<std::size_t>(stop - p)));
        if (p == nullptr) {
            break;
        }
        if (p[length - 1] == last && std::memcmp(p, upperNeedle.data(), length) == 0) {
            return static_cast<std::size_t>(p - data);
        }
    }
    return std::string_view::npos;
}

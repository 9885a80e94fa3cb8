#include "platform/text.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Branch-free, so that the compiler works on many bytes at once.
char FoldToUpper(char c) {
    const auto letter = static_cast<unsigned char>(c - 'a');
    return static_cast<char>(c - (letter < 26 ? 'a' - 'A' : 0));
}

bool IsUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

// Whether the bytes at p, folded, equal the needle; the first byte is known
// to match already. Markers mostly begin with '<', which HTML holds every few
// bytes, so the last byte is checked first.
bool RestMatches(const char* p, std::string_view upperNeedle) {
    const std::size_t last = upperNeedle.size() - 1;
    if (FoldToUpper(p[last]) != upperNeedle[last]) {
        return false;
    }
    for (std::size_t i = 1; i < last; ++i) {
        if (FoldToUpper(p[i]) != upperNeedle[i]) {
            return false;
        }
    }
    return true;
}

// First position of c in [p, stop), or stop.
const char* FindByte(const char* p, const char* stop, char c) {
    const void* hit = std::memchr(p, c, static_cast<std::size_t>(stop - p));
    return hit == nullptr ? stop : static_cast<const char*>(hit);
}

// First position in [p, stop) of an upper-case letter in either case, or
// stop. Both cases are looked for window by window, the window growing, so
// that a call costs about the distance to the hit even where one of the two
// cases never occurs.
const char* FindLetter(const char* p, const char* stop, char upper) {
    constexpr std::size_t kFirstWindow = 64;
    constexpr std::size_t kLargestWindow = std::size_t{1} << 16;
    const char lower = static_cast<char>(upper + ('a' - 'A'));
    std::size_t window = kFirstWindow;
    while (p < stop) {
        const char* const end = p + std::min(window, static_cast<std::size_t>(stop - p));
        const char* const upperHit = FindByte(p, end, upper);
        const char* const hit = FindByte(p, upperHit, lower);
        if (hit < end) {
            return hit;
        }
        p = end;
        window = std::min(window * 2, kLargestWindow);
    }
    return stop;
}

} // namespace

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = FoldToUpper(c);
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

std::size_t FindUpperCased(std::string_view haystack, std::string_view upperNeedle,
                           std::size_t from) {
    const std::size_t length = upperNeedle.size();
    if (length == 0 || from > haystack.size() || haystack.size() - from < length) {
        return std::string_view::npos;
    }
    const char* const data = haystack.data();
    const char* const stop = data + (haystack.size() - length) + 1;
    const char first = upperNeedle.front();
    const bool letter = IsUpperLetter(first);
    const auto next = [&](const char* p) {
        return letter ? FindLetter(p, stop, first) : FindByte(p, stop, first);
    };
    for (const char* p = next(data + from); p < stop; p = next(p + 1)) {
        if (RestMatches(p, upperNeedle)) {
            return static_cast<std::size_t>(p - data);
        }
    }
    return std::string_view::npos;
}

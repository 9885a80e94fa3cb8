#include "main/text.h"

namespace {

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
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
    if (upperNeedle.empty() || from > upperHaystack.size()) {
        return std::string_view::npos;
    }
    return upperHaystack.find(upperNeedle, from);
}

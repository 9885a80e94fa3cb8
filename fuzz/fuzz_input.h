#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Splits a fuzz input into `markers` texts separated by NUL bytes and the
// page, which is the rest (it may hold NUL bytes itself). Missing texts are
// empty.
inline std::vector<std::string> SplitFuzzInput(const uint8_t* data, std::size_t size,
                                               std::size_t markers) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (parts.size() < markers) {
        const std::size_t end = input.find('\0', from);
        if (end == std::string::npos) {
            parts.push_back(from < input.size() ? input.substr(from) : std::string());
            from = input.size();
            continue;
        }
        parts.push_back(input.substr(from, end - from));
        from = end + 1;
    }
    parts.push_back(input.substr(from));
    return parts;
}

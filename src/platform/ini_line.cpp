#include "platform/ini_line.h"

#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t FirstNonBlank(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    return at;
}

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

IniLineSpan FirstIniLine(std::string_view bytes) {
    const void* newline = std::memchr(bytes.data(), '\n', bytes.size());
    if (newline == nullptr) {
        return {bytes.size(), IniLineEnd::None};
    }
    const auto at = static_cast<std::size_t>(static_cast<const char*>(newline) - bytes.data());
    if (at > 0 && bytes[at - 1] == '\r') {
        return {at - 1, IniLineEnd::CrLf};
    }
    return {at, IniLineEnd::Lf};
}

std::string_view TrimIniBlanks(std::string_view text) {
    text.remove_prefix(FirstNonBlank(text));
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool OpensIniSection(std::string_view line) {
    const std::size_t first = FirstNonBlank(line);
    return first < line.size() && line[first] == '[';
}

IniLine ClassifyIniLine(std::string_view line) {
    const char* const text = line.data();
    const std::size_t first = FirstNonBlank(line);
    if (first < line.size() && text[first] == '[') {
        // The name runs from after the "[" to the last "]", or to the line end.
        const std::size_t close = line.rfind(']');
        const std::size_t end = close == std::string_view::npos ? line.size() : close;
        return {IniLineKind::Section, TrimIniBlanks({text + first + 1, end - first - 1}), {}};
    }
    if (first == line.size()) {
        return {};
    }
    const void* equals = std::memchr(text + first, '=', line.size() - first);
    if (equals == nullptr) {
        return {};
    }
    const auto at = static_cast<std::size_t>(static_cast<const char*>(equals) - text);
    const std::string_view key = TrimIniBlanks({text + first, at - first});
    if (key.empty()) {
        return {};
    }
    return {IniLineKind::Key, key, TrimIniBlanks({text + at + 1, line.size() - at - 1})};
}

bool SameIniName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view UnquoteIniValue(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

#include "platform/ini_document.h"

#include <tuple>
#include <utility>

namespace {

constexpr std::string_view LineEnd = "\r\n";

bool IsBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The start and length of text[begin, end) without its surrounding blanks.
std::pair<std::size_t, std::size_t> TrimSpan(std::string_view text, std::size_t begin,
                                             std::size_t end) {
    while (begin < end && IsBlankByte(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlankByte(text[end - 1])) {
        --end;
    }
    return {begin, end - begin};
}

std::string_view TrimBlanks(std::string_view text) {
    const auto [begin, length] = TrimSpan(text, 0, text.size());
    return text.substr(begin, length);
}

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
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

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

IniDocument::Line IniDocument::MakeLine(std::string text, std::string end) {
    Line line{std::move(text), std::move(end)};
    const std::string_view t = line.text;
    const auto [first, rest] = TrimSpan(t, 0, t.size());
    if (rest > 0 && t[first] == '[') {
        const std::size_t close = t.rfind(']');
        const std::size_t nameEnd = close == std::string_view::npos ? t.size() : close;
        line.kind = Kind::Section;
        std::tie(line.nameBegin, line.nameLength) = TrimSpan(t, first + 1, nameEnd);
        return line;
    }
    const std::size_t equals = t.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    const auto [keyBegin, keyLength] = TrimSpan(t, 0, equals);
    if (keyLength == 0) {
        return line;
    }
    line.kind = Kind::Key;
    line.nameBegin = keyBegin;
    line.nameLength = keyLength;
    std::tie(line.valueBegin, line.valueLength) = TrimSpan(t, equals + 1, t.size());
    return line;
}

std::string_view IniDocument::Name(const Line& line) {
    return std::string_view(line.text).substr(line.nameBegin, line.nameLength);
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument document;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        if (newline == std::string_view::npos) {
            document.lines_.push_back(MakeLine(std::string(bytes.substr(start)), ""));
            break;
        }
        std::size_t textEnd = newline;
        if (textEnd > start && bytes[textEnd - 1] == '\r') {
            --textEnd;
        }
        document.lines_.push_back(
            MakeLine(std::string(bytes.substr(start, textEnd - start)),
                     std::string(bytes.substr(textEnd, newline + 1 - textEnd))));
        start = newline + 1;
    }
    return document;
}

std::string IniDocument::Serialize() const {
    std::size_t size = 0;
    for (const Line& line : lines_) {
        size += line.text.size() + line.end.size();
    }
    std::string bytes;
    bytes.reserve(size);
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Section && line.nameLength > 0) {
            names.emplace_back(Name(line));
        }
    }
    return names;
}

std::optional<IniDocument::SectionSpan> IniDocument::FindSection(std::string_view name) const {
    name = TrimBlanks(name);
    if (name.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && SameName(Name(lines_[i]), name)) {
            std::size_t end = i + 1;
            while (end < lines_.size() && lines_[end].kind != Kind::Section) {
                ++end;
            }
            return SectionSpan{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const SectionSpan& span,
                                                std::string_view key) const {
    key = TrimBlanks(key);
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind == Kind::Key && SameName(Name(lines_[i]), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const auto span = FindSection(section);
    if (!span) {
        return names;
    }
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (lines_[i].kind == Kind::Key) {
            names.emplace_back(Name(lines_[i]));
        }
    }
    return names;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto span = FindSection(section);
    if (!span) {
        return std::nullopt;
    }
    const auto at = FindKey(*span, key);
    if (!at) {
        return std::nullopt;
    }
    const Line& line = lines_[*at];
    return std::string(
        Unquote(std::string_view(line.text).substr(line.valueBegin, line.valueLength)));
}

bool IniDocument::CanStore(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view name = TrimBlanks(section);
    const std::string_view keyName = TrimBlanks(key);
    return !name.empty() && !keyName.empty() && !HasLineBreakOrNul(section) &&
           !HasLineBreakOrNul(key) && !HasLineBreakOrNul(value) &&
           keyName.find('=') == std::string_view::npos && keyName.front() != '[';
}

void IniDocument::Insert(std::size_t at, Line line) {
    // Only a last line can lack its end; one that gets a successor needs one.
    if (at > 0 && lines_[at - 1].end.empty()) {
        lines_[at - 1].end = LineEnd;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!CanStore(section, key, value)) {
        return false;
    }
    const std::string keyName(TrimBlanks(key));
    const auto span = FindSection(section);
    if (!span) {
        Insert(lines_.size(),
               MakeLine("[" + std::string(TrimBlanks(section)) + "]", std::string(LineEnd)));
        Insert(lines_.size(), MakeLine(keyName + "=" + std::string(value), std::string(LineEnd)));
        return true;
    }
    if (const auto at = FindKey(*span, key)) {
        const std::string stored(Name(lines_[*at]));
        lines_[*at] = MakeLine(stored + "=" + std::string(value), std::string(LineEnd));
        return true;
    }
    std::size_t after = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (lines_[i].kind == Kind::Key) {
            after = i;
        }
    }
    Insert(after + 1, MakeLine(keyName + "=" + std::string(value), std::string(LineEnd)));
    return true;
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    const auto span = FindSection(section);
    if (!span) {
        return false;
    }
    const auto at = FindKey(*span, key);
    if (!at) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
}

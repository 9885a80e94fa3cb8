#include "platform/ini_document.h"

#include <algorithm>
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

std::string Joined(std::string_view a, std::string_view b, std::string_view c) {
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

IniDocument::Line IniDocument::Classify(std::size_t begin, std::size_t length, End end) const {
    Line line{begin, length, end};
    const std::string_view text = std::string_view(bytes_).substr(begin, length);
    const auto [first, rest] = TrimSpan(text, 0, text.size());
    if (rest > 0 && text[first] == '[') {
        const std::size_t close = text.rfind(']');
        const std::size_t nameEnd = close == std::string_view::npos ? text.size() : close;
        const auto [nameBegin, nameLength] = TrimSpan(text, first + 1, nameEnd);
        line.kind = Kind::Section;
        line.nameBegin = begin + nameBegin;
        line.nameLength = nameLength;
        return line;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    const auto [keyBegin, keyLength] = TrimSpan(text, 0, equals);
    if (keyLength == 0) {
        return line;
    }
    const auto [valueBegin, valueLength] = TrimSpan(text, equals + 1, text.size());
    line.kind = Kind::Key;
    line.nameBegin = begin + keyBegin;
    line.nameLength = keyLength;
    line.valueBegin = begin + valueBegin;
    line.valueLength = valueLength;
    return line;
}

IniDocument::Line IniDocument::AddLine(std::string_view text) {
    const std::size_t begin = bytes_.size();
    bytes_.append(text);
    return Classify(begin, text.size(), End::CrLf);
}

std::string_view IniDocument::Name(const Line& line) const {
    return std::string_view(bytes_).substr(line.nameBegin, line.nameLength);
}

IniDocument IniDocument::Parse(std::string fileBytes) {
    IniDocument document;
    document.bytes_ = std::move(fileBytes);
    const std::string_view bytes = document.bytes_;
    document.lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
                            1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        if (newline == std::string_view::npos) {
            document.lines_.push_back(document.Classify(start, bytes.size() - start, End::None));
            break;
        }
        const bool crlf = newline > start && bytes[newline - 1] == '\r';
        const std::size_t length = newline - start - (crlf ? 1 : 0);
        document.lines_.push_back(document.Classify(start, length, crlf ? End::CrLf : End::Lf));
        start = newline + 1;
    }
    return document;
}

std::string IniDocument::Serialize() const {
    std::string bytes;
    bytes.reserve(bytes_.size() + 2 * lines_.size());
    for (const Line& line : lines_) {
        bytes.append(bytes_, line.begin, line.length);
        if (line.end == End::CrLf) {
            bytes += LineEnd;
        } else if (line.end == End::Lf) {
            bytes += '\n';
        }
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
    return std::string(Unquote(std::string_view(bytes_).substr(line.valueBegin, line.valueLength)));
}

bool IniDocument::CanStore(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view name = TrimBlanks(section);
    const std::string_view keyName = TrimBlanks(key);
    return !name.empty() && !keyName.empty() && !HasLineBreakOrNul(section) &&
           !HasLineBreakOrNul(key) && !HasLineBreakOrNul(value) &&
           keyName.find('=') == std::string_view::npos && keyName.front() != '[';
}

void IniDocument::Insert(std::size_t at, const Line& line) {
    // Only a last line can lack its end; one that gets a successor needs one.
    if (at > 0 && lines_[at - 1].end == End::None) {
        lines_[at - 1].end = End::CrLf;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!CanStore(section, key, value)) {
        return false;
    }
    const auto span = FindSection(section);
    if (!span) {
        Insert(lines_.size(), AddLine(Joined("[", TrimBlanks(section), "]")));
        Insert(lines_.size(), AddLine(Joined(TrimBlanks(key), "=", value)));
        return true;
    }
    if (const auto at = FindKey(*span, key)) {
        // Windows keeps the spelling of the stored name.
        const std::string stored(Name(lines_[*at]));
        lines_[*at] = AddLine(Joined(stored, "=", value));
        return true;
    }
    std::size_t after = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (lines_[i].kind == Kind::Key) {
            after = i;
        }
    }
    Insert(after + 1, AddLine(Joined(TrimBlanks(key), "=", value)));
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

#include "support/reference_ini_document.h"

#include "platform/ini_document.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::string_view LineEnd = "\r\n";

std::string Joined(std::string_view a, std::string_view b, std::string_view c) {
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

} // namespace

ReferenceIniDocument::Line ReferenceIniDocument::Classify(std::size_t begin, std::size_t length,
                                                          End end) const {
    Line line{begin, length, end};
    const std::string_view text = std::string_view(bytes_).substr(begin, length);
    const IniLine read = ClassifyIniLine(text);
    line.kind = read.kind;
    if (line.kind == Kind::Other) {
        return line;
    }
    line.nameBegin = begin + static_cast<std::size_t>(read.name.data() - text.data());
    line.nameLength = read.name.size();
    if (line.kind == Kind::Key) {
        line.valueBegin = begin + static_cast<std::size_t>(read.value.data() - text.data());
        line.valueLength = read.value.size();
    }
    return line;
}

ReferenceIniDocument::Line ReferenceIniDocument::AddLine(std::string_view text) {
    const std::size_t begin = bytes_.size();
    bytes_.append(text);
    return Classify(begin, text.size(), End::CrLf);
}

std::string_view ReferenceIniDocument::Name(const Line& line) const {
    return std::string_view(bytes_).substr(line.nameBegin, line.nameLength);
}

ReferenceIniDocument ReferenceIniDocument::Parse(std::string fileBytes) {
    ReferenceIniDocument document;
    document.bytes_ = std::move(fileBytes);
    const std::string_view bytes = document.bytes_;
    document.lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
                            1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const IniLineSpan span = FirstIniLine(bytes.substr(start));
        document.lines_.push_back(document.Classify(start, span.length, span.end));
        start += span.length + (span.end == End::CrLf ? 2 : span.end == End::Lf ? 1 : 0);
    }
    return document;
}

std::string ReferenceIniDocument::Serialize() const {
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

std::vector<std::string> ReferenceIniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Section && line.nameLength > 0) {
            names.emplace_back(Name(line));
        }
    }
    return names;
}

std::optional<ReferenceIniDocument::SectionSpan>
ReferenceIniDocument::FindSection(std::string_view name) const {
    name = TrimIniBlanks(name);
    if (name.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && SameIniName(Name(lines_[i]), name)) {
            std::size_t end = i + 1;
            while (end < lines_.size() && lines_[end].kind != Kind::Section) {
                ++end;
            }
            return SectionSpan{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ReferenceIniDocument::FindKey(const SectionSpan& span,
                                                         std::string_view key) const {
    key = TrimIniBlanks(key);
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind == Kind::Key && SameIniName(Name(lines_[i]), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> ReferenceIniDocument::KeyNames(std::string_view section) const {
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

std::optional<std::string> ReferenceIniDocument::Value(std::string_view section,
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
        UnquoteIniValue(std::string_view(bytes_).substr(line.valueBegin, line.valueLength)));
}

void ReferenceIniDocument::Insert(std::size_t at, const Line& line) {
    // Only a last line can lack its end; one that gets a successor needs one.
    if (at > 0 && lines_[at - 1].end == End::None) {
        lines_[at - 1].end = End::CrLf;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

bool ReferenceIniDocument::SetValue(std::string_view section, std::string_view key,
                                    std::string_view value) {
    if (!IniDocument::CanStore(section, key, value)) {
        return false;
    }
    const auto span = FindSection(section);
    if (!span) {
        Insert(lines_.size(), AddLine(Joined("[", TrimIniBlanks(section), "]")));
        Insert(lines_.size(), AddLine(Joined(TrimIniBlanks(key), "=", value)));
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
    Insert(after + 1, AddLine(Joined(TrimIniBlanks(key), "=", value)));
    return true;
}

bool ReferenceIniDocument::RemoveKey(std::string_view section, std::string_view key) {
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

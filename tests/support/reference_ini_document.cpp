#include "support/reference_ini_document.h"

#include "platform/ini_document.h"

namespace {

// Appended rather than joined with "+": GCC 12 warns falsely about
// overlapping copies in `"[" + text` when optimising.
std::string Joined(std::string_view a, std::string_view b, std::string_view c) {
    std::string text(a);
    text.append(b).append(c);
    return text;
}

bool IsSection(const std::string& line) {
    return ClassifyIniLine(line).kind == IniLineKind::Section;
}

} // namespace

ReferenceIniDocument ReferenceIniDocument::Parse(std::string_view bytes) {
    ReferenceIniDocument document;
    while (!bytes.empty()) {
        const IniLineSpan line = FirstIniLine(bytes);
        document.lines_.push_back({std::string(bytes.substr(0, line.length)), line.end});
        const std::size_t endLength = line.end == IniLineEnd::CrLf ? 2
                                      : line.end == IniLineEnd::Lf ? 1
                                                                   : 0;
        bytes.remove_prefix(line.length + endLength);
    }
    return document;
}

std::string ReferenceIniDocument::Serialize() const {
    std::string bytes;
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.end == IniLineEnd::CrLf ? "\r\n" : line.end == IniLineEnd::Lf ? "\n" : "";
    }
    return bytes;
}

std::vector<std::string> ReferenceIniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        const IniLine read = ClassifyIniLine(line.text);
        if (read.kind == IniLineKind::Section && !read.name.empty()) {
            names.emplace_back(read.name);
        }
    }
    return names;
}

std::optional<ReferenceIniDocument::Span>
ReferenceIniDocument::Find(std::string_view section) const {
    section = TrimIniBlanks(section);
    for (std::size_t i = 0; i < lines_.size() && !section.empty(); ++i) {
        const IniLine read = ClassifyIniLine(lines_[i].text);
        if (read.kind == IniLineKind::Section && SameIniName(read.name, section)) {
            std::size_t end = i + 1;
            while (end < lines_.size() && !IsSection(lines_[end].text)) {
                ++end;
            }
            return Span{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ReferenceIniDocument::FindKey(const Span& span,
                                                         std::string_view key) const {
    key = TrimIniBlanks(key);
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const IniLine read = ClassifyIniLine(lines_[i].text);
        if (read.kind == IniLineKind::Key && SameIniName(read.name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> ReferenceIniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const auto span = Find(section)) {
        for (std::size_t i = span->header + 1; i < span->end; ++i) {
            const IniLine read = ClassifyIniLine(lines_[i].text);
            if (read.kind == IniLineKind::Key) {
                names.emplace_back(read.name);
            }
        }
    }
    return names;
}

std::optional<std::string> ReferenceIniDocument::Value(std::string_view section,
                                                       std::string_view key) const {
    const auto span = Find(section);
    const auto at = span ? FindKey(*span, key) : std::nullopt;
    if (!at) {
        return std::nullopt;
    }
    return std::string(UnquoteIniValue(ClassifyIniLine(lines_[*at].text).value));
}

// A line that gets a successor needs an end of its own.
void ReferenceIniDocument::Insert(std::size_t at, std::string text) {
    if (at > 0 && lines_[at - 1].end == IniLineEnd::None) {
        lines_[at - 1].end = IniLineEnd::CrLf;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  Line{std::move(text), IniLineEnd::CrLf});
}

bool ReferenceIniDocument::SetValue(std::string_view section, std::string_view key,
                                    std::string_view value) {
    if (!IniDocument::CanStore(section, key, value)) {
        return false;
    }
    const std::string line = Joined(TrimIniBlanks(key), "=", value);
    const auto span = Find(section);
    if (!span) {
        Insert(lines_.size(), Joined("[", TrimIniBlanks(section), "]"));
        Insert(lines_.size(), line);
        return true;
    }
    if (const auto at = FindKey(*span, key)) {
        const std::string stored(ClassifyIniLine(lines_[*at].text).name);
        lines_[*at] = {Joined(stored, "=", value), IniLineEnd::CrLf};
        return true;
    }
    std::size_t after = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (ClassifyIniLine(lines_[i].text).kind == IniLineKind::Key) {
            after = i;
        }
    }
    Insert(after + 1, line);
    return true;
}

bool ReferenceIniDocument::RemoveKey(std::string_view section, std::string_view key) {
    const auto span = Find(section);
    const auto at = span ? FindKey(*span, key) : std::nullopt;
    if (!at) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
}

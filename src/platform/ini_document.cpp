#include "platform/ini_document.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace {

constexpr std::string_view LineEnd = "\r\n";

// Sections with fewer lines are searched line by line.
constexpr std::size_t IndexedSectionLines = 16;

std::string Joined(std::string_view a, std::string_view b, std::string_view c) {
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsLiveKey(const auto& line) {
    return line.kind == IniLineKind::Key && !line.removed;
}

// Only the file's last line can lack its end; a line that gets a successor
// needs one. A removed line writes no end, and the line before it has one.
void GiveLineEnd(auto* line) {
    if (line != nullptr && !line->removed && line->end == IniLineEnd::None) {
        line->end = IniLineEnd::CrLf;
    }
}

std::size_t EndLength(IniLineEnd end) {
    return end == IniLineEnd::CrLf ? 2 : end == IniLineEnd::Lf ? 1 : 0;
}

// The number of lines of each section, those before the first section line
// first, so that the parse sizes every vector once.
std::vector<std::size_t> CountSectionLines(std::string_view bytes) {
    std::vector<std::size_t> counts(1, 0);
    while (!bytes.empty()) {
        const IniLineSpan span = FirstIniLine(bytes);
        if (OpensIniSection(bytes.substr(0, span.length))) {
            counts.push_back(0);
        } else {
            ++counts.back();
        }
        bytes.remove_prefix(span.length + EndLength(span.end));
    }
    return counts;
}

} // namespace

std::size_t IniDocument::NameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (char c : name) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

IniDocument::Line IniDocument::Classify(std::size_t begin, std::size_t length, End end) const {
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

IniDocument::Line IniDocument::AddLine(std::string_view text) {
    const std::size_t begin = bytes_.size();
    bytes_.append(text);
    return Classify(begin, text.size(), End::CrLf);
}

std::string_view IniDocument::Name(const Line& line) const {
    return std::string_view(bytes_).substr(line.nameBegin, line.nameLength);
}

void IniDocument::OpenSection(const Line& header) {
    // So that the growing list of sections moves them rather than copying
    // every line of each.
    static_assert(std::is_nothrow_move_constructible_v<Section>);
    sections_.push_back(Section{header, {}, 0, std::nullopt, false, {}});
    if (header.nameLength > 0) {
        sections_.back().first =
            firstSection_.try_emplace(std::string(Name(header)), sections_.size() - 1).second;
    }
}

void IniDocument::Append(const Line& line) {
    if (line.kind == Kind::Section) {
        OpenSection(line);
        return;
    }
    Section& section = sections_.back();
    section.body.push_back(line);
    if (line.kind == Kind::Key) {
        section.keysEnd = section.body.size();
    }
}

void IniDocument::IndexKeys(Section& section) const {
    NameMap<KeyLines>& keys = section.keys.emplace();
    keys.reserve(section.keysEnd);
    for (std::size_t i = 0; i < section.keysEnd; ++i) {
        if (IsLiveKey(section.body[i])) {
            const auto [entry, added] =
                keys.try_emplace(std::string(Name(section.body[i])), KeyLines{i, {}});
            if (!added) {
                entry->second.later.push_back(i);
            }
            section.body[i].repeated = !added;
        }
    }
    for (auto& entry : keys) {
        std::reverse(entry.second.later.begin(), entry.second.later.end());
    }
}

// For a section too short for an index: each key line against those before it.
void IniDocument::MarkRepeatedKeys(Section& section) const {
    for (std::size_t i = 0; i < section.keysEnd; ++i) {
        for (std::size_t j = 0; j < i && section.body[i].kind == Kind::Key; ++j) {
            if (section.body[j].kind == Kind::Key &&
                SameIniName(Name(section.body[j]), Name(section.body[i]))) {
                section.body[i].repeated = true;
                break;
            }
        }
    }
}

IniDocument IniDocument::Parse(std::string fileBytes) {
    IniDocument document;
    document.bytes_ = std::move(fileBytes);
    const std::string_view bytes = document.bytes_;
    const std::vector<std::size_t> counts = CountSectionLines(bytes);
    document.sections_.reserve(counts.size());
    document.firstSection_.reserve(counts.size());
    document.sections_.emplace_back();
    document.sections_.back().body.reserve(counts[0]);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const IniLineSpan span = FirstIniLine(bytes.substr(start));
        const Line line = document.Classify(start, span.length, span.end);
        document.Append(line);
        if (line.kind == Kind::Section) {
            document.sections_.back().body.reserve(counts[document.sections_.size() - 1]);
        }
        start += span.length + EndLength(span.end);
    }
    for (Section& section : document.sections_) {
        if (section.body.size() >= IndexedSectionLines) {
            document.IndexKeys(section);
        } else {
            document.MarkRepeatedKeys(section);
        }
    }
    return document;
}

std::string IniDocument::Serialize() const {
    std::string bytes;
    bytes.reserve(bytes_.size());
    const auto write = [&](const Line& line) {
        if (line.removed) {
            return;
        }
        bytes.append(bytes_, line.begin, line.length);
        if (line.end == End::CrLf) {
            bytes += LineEnd;
        } else if (line.end == End::Lf) {
            bytes += '\n';
        }
    };
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (i > 0) {
            write(sections_[i].header);
        }
        std::for_each(sections_[i].body.begin(), sections_[i].body.end(), write);
    }
    return bytes;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    VisitSectionNames([&](std::string_view name) {
        names.emplace_back(name);
        return true;
    });
    return names;
}

// The section found last, or the one after it, when it is the first of that
// name.
std::optional<std::size_t> IniDocument::HintedSection(std::string_view name) const {
    const std::size_t last = lastSection_.Get();
    for (const std::size_t at : {last, last + 1}) {
        if (at < sections_.size() && sections_[at].first &&
            SameIniName(Name(sections_[at].header), name)) {
            return at;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view name) const {
    name = TrimIniBlanks(name);
    if (name.empty()) {
        return std::nullopt;
    }
    std::optional<std::size_t> at = HintedSection(name);
    if (!at) {
        const auto found = firstSection_.find(name);
        if (found == firstSection_.end()) {
            return std::nullopt;
        }
        at = found->second;
    }
    lastSection_.Set(*at);
    return at;
}

// The key found last in the section, or the line after it, when no key line
// before it has ever had its name: it is then the first that has it.
std::optional<std::size_t> IniDocument::HintedKey(const Section& section,
                                                  std::string_view key) const {
    const std::size_t next = section.nextKey.Get();
    for (const std::size_t at : {next - 1, next}) {
        if (at < section.keysEnd && IsLiveKey(section.body[at]) && !section.body[at].repeated &&
            SameIniName(Name(section.body[at]), key)) {
            return at;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Section& section,
                                                std::string_view key) const {
    key = TrimIniBlanks(key);
    std::optional<std::size_t> at = HintedKey(section, key);
    if (!at && section.keys) {
        const auto found = section.keys->find(key);
        if (found != section.keys->end()) {
            at = found->second.first;
        }
    } else if (!at) {
        for (std::size_t i = 0; i < section.keysEnd && !at; ++i) {
            if (IsLiveKey(section.body[i]) && SameIniName(Name(section.body[i]), key)) {
                at = i;
            }
        }
    }
    if (at) {
        section.nextKey.Set(*at + 1);
    }
    return at;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    VisitKeyNames(section, [&](std::string_view name) {
        names.emplace_back(name);
        return true;
    });
    return names;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto found = FindSection(section);
    if (!found) {
        return std::nullopt;
    }
    const Section& lines = sections_[*found];
    const auto at = FindKey(lines, key);
    if (!at) {
        return std::nullopt;
    }
    const Line& line = lines.body[*at];
    return std::string(
        UnquoteIniValue(std::string_view(bytes_).substr(line.valueBegin, line.valueLength)));
}

bool IniDocument::CanStore(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view name = TrimIniBlanks(section);
    const std::string_view keyName = TrimIniBlanks(key);
    return !name.empty() && !keyName.empty() && !HasLineBreakOrNul(section) &&
           !HasLineBreakOrNul(key) && !HasLineBreakOrNul(value) &&
           keyName.find('=') == std::string_view::npos && keyName.front() != '[';
}

// The document's last line as written, removed or not; none in an empty one.
IniDocument::Line* IniDocument::LastLine() {
    Section& last = sections_.back();
    if (!last.body.empty()) {
        return &last.body.back();
    }
    return sections_.size() > 1 ? &last.header : nullptr;
}

void IniDocument::AddSection(std::string_view name, std::string_view key, std::string_view value) {
    GiveLineEnd(LastLine());
    OpenSection(AddLine(Joined("[", TrimIniBlanks(name), "]")));
    const Line line = AddLine(Joined(TrimIniBlanks(key), "=", value));
    sections_.back().body.push_back(line);
    sections_.back().keysEnd = 1;
}

// Puts a new key line after the section's last key, before its free text.
// Every key line that is still there stands before it, so no line that the
// key index names moves.
void IniDocument::InsertKey(Section& section, const Line& line) {
    const std::size_t at = section.keysEnd;
    GiveLineEnd(at == 0 ? &section.header : &section.body[at - 1]);
    section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(at), line);
    section.keysEnd = at + 1;
    if (section.keys) {
        section.keys->insert_or_assign(std::string(Name(line)), KeyLines{at, {}});
    } else if (section.body.size() >= IndexedSectionLines) {
        IndexKeys(section);
    }
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!CanStore(section, key, value)) {
        return false;
    }
    const auto found = FindSection(section);
    if (!found) {
        AddSection(section, key, value);
        return true;
    }
    Section& lines = sections_[*found];
    if (const auto at = FindKey(lines, key)) {
        // Windows keeps the spelling of the stored name.
        const std::string stored(Name(lines.body[*at]));
        lines.body[*at] = AddLine(Joined(stored, "=", value));
        return true;
    }
    InsertKey(lines, AddLine(Joined(TrimIniBlanks(key), "=", value)));
    return true;
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    const auto found = FindSection(section);
    if (!found) {
        return false;
    }
    Section& lines = sections_[*found];
    const auto at = FindKey(lines, key);
    if (!at) {
        return false;
    }
    lines.body[*at].removed = true;
    if (lines.keys) {
        const auto found = lines.keys->find(Name(lines.body[*at]));
        if (found->second.later.empty()) {
            lines.keys->erase(found);
        } else {
            found->second.first = found->second.later.back();
            found->second.later.pop_back();
        }
    }
    if (*at + 1 == lines.keysEnd) {
        std::size_t end = *at;
        while (end > 0 && !IsLiveKey(lines.body[end - 1])) {
            --end;
        }
        lines.keysEnd = end;
    }
    return true;
}

#pragma once

#include "platform/ini_line.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One INI-format file as lines of bytes, parsed without any decoding.
//
// Reading rules (those of the Windows profile functions where they are known):
// - A line whose first non-blank byte is "[" opens a section; its name runs to
//   the last "]" of the line (to the line end when there is none).
// - Any other line with an "=" is a key line: the key is the text before the
//   first "=", the value the text after it. A line whose key is empty and a
//   line without "=" are no keys: they are neither listed nor read, and are
//   kept as they stand (free text, comments, blank lines).
// - Blanks (space, tab, CR, VT, FF) around section names, keys and values are
//   not part of them. One pair of matching single or double quotes around the
//   whole value is removed.
// - Names match without regard to the case of a to z. Lookups take the first
//   matching section and, in it, the first matching key. Listings give every
//   section line and every key line (repeats and case variants included), in
//   file order; a section with an empty name is never listed or matched.
// - Lines end with LF or CR LF; lines we write end with CR LF. Lines that no
//   change touches are written back byte for byte.
//
// Sections are found through an index of their names, and the keys of a long
// section through one of its own, so that reading or changing one entry
// costs the same in a file of a hundred thousand as in a file of ten.
class IniDocument final {
public:
    static IniDocument Parse(std::string bytes);
    std::string Serialize() const;

    std::vector<std::string> SectionNames() const;
    // Empty when the section is missing.
    std::vector<std::string> KeyNames(std::string_view section) const;
    // Hand the same names in turn to `take` until it returns false; the
    // names are valid while the document is unchanged.
    template <typename Take> void VisitSectionNames(Take take) const;
    template <typename Take> void VisitKeyNames(std::string_view section, Take take) const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Whether a write of these texts would read back as written: names not
    // blank, no line breaks or NUL bytes, a key with no "=" that does not
    // begin with "[".
    static bool CanStore(std::string_view section, std::string_view key, std::string_view value);
    // Sets the first matching key in place (keeping its stored name), or adds
    // it after the section's last key, or adds the section at the end of the
    // file. False, with nothing changed, when CanStore says no.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first matching key line; the section line stays. False when
    // there was nothing to remove.
    bool RemoveKey(std::string_view section, std::string_view key);

private:
    using Kind = IniLineKind;
    using End = IniLineEnd;
    // A line is a piece of bytes_; the name and value offsets count from the
    // start of bytes_. A removed line stays in place and writes nothing.
    struct Line {
        std::size_t begin = 0;
        std::size_t length = 0;
        End end = End::None;
        Kind kind = Kind::Other;
        bool removed = false;
        // A key line with an earlier key line of the same name in its section
        // (one that may since have been removed).
        bool repeated = false;
        std::size_t nameBegin = 0;
        std::size_t nameLength = 0;
        std::size_t valueBegin = 0;
        std::size_t valueLength = 0;
    };

    // Hashing and equality of names with a to z folded to capitals.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const { return SameIniName(a, b); }
    };
    template <typename Value>
    using NameMap = std::unordered_map<std::string, Value, NameHash, NameEqual>;

    // The body lines that hold one key name and are still there: the first,
    // and those after it, the nearest at the back.
    struct KeyLines {
        std::size_t first = 0;
        std::vector<std::size_t> later;
    };
    // A section line and the lines up to the next one. The first section of
    // a document holds the lines before any section line and has no header.
    // Where the next lookup most likely finds its answer: reads go through a
    // file in its own order, entry after entry. Lookups of one document may
    // run side by side; a hint is only ever a place to look first.
    class Hint {
    public:
        Hint() = default;
        Hint(const Hint& other) noexcept
            : at_(other.Get()) {}
        Hint& operator=(const Hint& other) noexcept {
            Set(other.Get());
            return *this;
        }
        std::size_t Get() const { return at_.load(std::memory_order_relaxed); }
        void Set(std::size_t at) const { at_.store(at, std::memory_order_relaxed); }

    private:
        mutable std::atomic<std::size_t> at_{0};
    };

    struct Section {
        Line header;
        std::vector<Line> body;
        std::size_t keysEnd = 0;               // one past the last key line that is not removed
        std::optional<NameMap<KeyLines>> keys; // for long sections only
        bool first = false;                    // the first section with its name
        Hint nextKey;                          // the body line after the key found last
    };

    Line Classify(std::size_t begin, std::size_t length, End end) const;
    Line AddLine(std::string_view text);
    std::string_view Name(const Line& line) const;
    void Append(const Line& line);
    void OpenSection(const Line& header);
    void IndexKeys(Section& section) const;
    void MarkRepeatedKeys(Section& section) const;
    std::optional<std::size_t> HintedSection(std::string_view name) const;
    std::optional<std::size_t> HintedKey(const Section& section, std::string_view key) const;
    std::optional<std::size_t> FindSection(std::string_view name) const;
    std::optional<std::size_t> FindKey(const Section& section, std::string_view key) const;
    Line* LastLine();
    void AddSection(std::string_view name, std::string_view key, std::string_view value);
    void InsertKey(Section& section, const Line& line);

    // The file's bytes, followed by the text of every line written since:
    // lines are never copied one by one.
    std::string bytes_;
    std::vector<Section> sections_;
    NameMap<std::size_t> firstSection_; // by name, the first section that has it
    Hint lastSection_;
};

template <typename Take> void IniDocument::VisitSectionNames(Take take) const {
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        if (sections_[i].header.nameLength > 0 && !take(Name(sections_[i].header))) {
            return;
        }
    }
}

template <typename Take>
void IniDocument::VisitKeyNames(std::string_view section, Take take) const {
    const auto found = FindSection(section);
    if (!found) {
        return;
    }
    const Section& lines = sections_[*found];
    for (std::size_t i = 0; i < lines.keysEnd; ++i) {
        const Line& line = lines.body[i];
        if (line.kind == Kind::Key && !line.removed && !take(Name(line))) {
            return;
        }
    }
}

#pragma once

#include "platform/ini_line.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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
class IniDocument final {
public:
    static IniDocument Parse(std::string bytes);
    std::string Serialize() const;

    std::vector<std::string> SectionNames() const;
    // Empty when the section is missing.
    std::vector<std::string> KeyNames(std::string_view section) const;
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
    // start of bytes_.
    struct Line {
        std::size_t begin = 0;
        std::size_t length = 0;
        End end = End::None;
        Kind kind = Kind::Other;
        std::size_t nameBegin = 0;
        std::size_t nameLength = 0;
        std::size_t valueBegin = 0;
        std::size_t valueLength = 0;
    };
    struct SectionSpan {
        std::size_t header;
        std::size_t end; // one past its last line
    };

    Line Classify(std::size_t begin, std::size_t length, End end) const;
    Line AddLine(std::string_view text);
    std::string_view Name(const Line& line) const;
    std::optional<SectionSpan> FindSection(std::string_view name) const;
    std::optional<std::size_t> FindKey(const SectionSpan& span, std::string_view key) const;
    void Insert(std::size_t at, const Line& line);

    // The file's bytes, followed by the text of every line written since:
    // lines are never copied one by one.
    std::string bytes_;
    std::vector<Line> lines_;
};

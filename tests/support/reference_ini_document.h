#pragma once

#include "platform/ini_line.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The plain model of an INI-format file that IniDocument must read and change
// alike: every lookup walks the lines, and a removed line leaves the vector.
// Tests and the fuzz target compare the two byte for byte.
class ReferenceIniDocument final {
public:
    static ReferenceIniDocument Parse(std::string bytes);
    std::string Serialize() const;

    std::vector<std::string> SectionNames() const;
    // Empty when the section is missing.
    std::vector<std::string> KeyNames(std::string_view section) const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // False, with nothing changed, when IniDocument::CanStore says no.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
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

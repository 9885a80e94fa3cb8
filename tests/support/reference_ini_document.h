#pragma once

#include "platform/ini_line.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The plain model of an INI-format file that IniDocument must read and change
// alike: a vector of lines, each classified anew whenever it is looked at,
// every lookup a walk from the first line, a removed line erased. Tests and
// the fuzz target compare the two byte for byte.
class ReferenceIniDocument final {
public:
    static ReferenceIniDocument Parse(std::string_view bytes);
    std::string Serialize() const;

    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // False, with nothing changed, when IniDocument::CanStore says no.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    bool RemoveKey(std::string_view section, std::string_view key);

private:
    struct Line {
        std::string text;
        IniLineEnd end = IniLineEnd::None;
    };
    // The first section line of that name and one past the last line of its
    // section.
    struct Span {
        std::size_t header;
        std::size_t end;
    };

    std::optional<Span> Find(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Span& span, std::string_view key) const;
    void Insert(std::size_t at, std::string text);

    std::vector<Line> lines_;
};

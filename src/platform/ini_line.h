#pragma once

#include <cstddef>
#include <string_view>

// How one line of an INI-format file reads; the rules themselves are told in
// ini_document.h. Both the document and the line-by-line reader use these.

enum class IniLineEnd : unsigned char { None, Lf, CrLf };

// The first line of bytes: its length without the line end, and that end
// (None when the bytes hold no LF: the line runs to their end).
struct IniLineSpan {
    std::size_t length = 0;
    IniLineEnd end = IniLineEnd::None;
};
IniLineSpan FirstIniLine(std::string_view bytes);

enum class IniLineKind : unsigned char { Other, Section, Key };

// A line's kind with its name (section or key) and, for a key, its value
// before unquoting; both point into the line's text.
struct IniLine {
    IniLineKind kind = IniLineKind::Other;
    std::string_view name;
    std::string_view value;
};

// Whether the line's first non-blank byte is "[": such a line opens a section.
bool OpensIniSection(std::string_view line);
IniLine ClassifyIniLine(std::string_view line);

// Without the blanks (space, tab, CR, VT, FF) at either end.
std::string_view TrimIniBlanks(std::string_view text);
// Equal names, with a to z matched without regard to case.
bool SameIniName(std::string_view a, std::string_view b);
// Removes one pair of matching single or double quotes around the whole value.
std::string_view UnquoteIniValue(std::string_view value);

#pragma once

#include "platform/ini_line_reader.h"

#include <functional>
#include <optional>
#include <string_view>

// Single forward scans over the lines of an INI-format file that give what
// IniDocument's SectionNames, KeyNames and Value give for the same bytes,
// each stopping as soon as its answer is known. A scan uses up its reader.

using IniNameSink = std::function<bool(std::string_view name)>;

// Hands each section name in file order to `take` until it returns false.
void ScanIniSectionNames(IniLineReader& lines, const IniNameSink& take);
// The same for the keys of the first matching section.
void ScanIniKeyNames(IniLineReader& lines, std::string_view section, const IniNameSink& take);
// The unquoted value of the first matching key of the first matching
// section, valid until the reader is used again.
std::optional<std::string_view> ScanIniValue(IniLineReader& lines, std::string_view section,
                                             std::string_view key);

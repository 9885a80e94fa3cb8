#include "platform/ini_scan.h"

#include "platform/ini_line.h"

namespace {

// Reads up to and including the first section line with that name. Only
// lines that open a section are looked at further.
bool SkipToSection(IniLineReader& lines, std::string_view section) {
    const std::string_view name = TrimIniBlanks(section);
    if (name.empty()) {
        return false;
    }
    while (const auto line = lines.Next()) {
        if (OpensIniSection(*line) && SameIniName(ClassifyIniLine(*line).name, name)) {
            return true;
        }
    }
    return false;
}

// The next key line of the current section; none at the next section line.
std::optional<IniLine> NextKey(IniLineReader& lines) {
    while (const auto line = lines.Next()) {
        const IniLine read = ClassifyIniLine(*line);
        if (read.kind == IniLineKind::Section) {
            return std::nullopt;
        }
        if (read.kind == IniLineKind::Key) {
            return read;
        }
    }
    return std::nullopt;
}

} // namespace

void ScanIniSectionNames(IniLineReader& lines, const IniNameSink& take) {
    while (const auto line = lines.Next()) {
        if (!OpensIniSection(*line)) {
            continue;
        }
        const std::string_view name = ClassifyIniLine(*line).name;
        if (!name.empty() && !take(name)) {
            return;
        }
    }
}

void ScanIniKeyNames(IniLineReader& lines, std::string_view section, const IniNameSink& take) {
    if (!SkipToSection(lines, section)) {
        return;
    }
    while (const auto key = NextKey(lines)) {
        if (!take(key->name)) {
            return;
        }
    }
}

std::optional<std::string_view> ScanIniValue(IniLineReader& lines, std::string_view section,
                                             std::string_view key) {
    if (!SkipToSection(lines, section)) {
        return std::nullopt;
    }
    const std::string_view name = TrimIniBlanks(key);
    while (const auto line = NextKey(lines)) {
        if (SameIniName(line->name, name)) {
            return UnquoteIniValue(line->value);
        }
    }
    return std::nullopt;
}

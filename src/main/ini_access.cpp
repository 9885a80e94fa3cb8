#include "main/ini_access.h"

#include "platform/ini_file.h"

namespace {

const std::string MissingValue = "Error";

} // namespace

void ReadIniSections(const std::string& fileName, NameList& names) {
    const TIniFile file(fileName);
    file.ReadSections(names);
}

void ReadIniSection(const std::string& fileName, const std::string& section, NameList& names) {
    const TIniFile file(fileName);
    file.ReadSection(section, names);
}

std::string ReadIniString(const std::string& fileName, const std::string& section,
                          const std::string& key) {
    const TIniFile file(fileName);
    return file.ReadString(section, key, MissingValue);
}

void WriteIniString(const std::string& fileName, const std::string& section, const std::string& key,
                    const std::string& value) {
    TIniFile file(fileName);
    file.WriteString(section, key, value);
}

void DeleteIniKey(const std::string& fileName, const std::string& section, const std::string& key) {
    TIniFile file(fileName);
    if (section.empty()) {
        file.DeleteKeys({{"", key, std::nullopt}});
    } else {
        file.DeleteKey(section, key);
    }
}

void WriteIniEdits(const std::string& fileName, const IniEdits& edits) {
    TIniFile file(fileName);
    file.WriteEdits(edits);
}

void WriteReadableIniEdits(const std::string& fileName, const IniEdits& edits) {
    TIniFile file(fileName);
    file.WriteReadableEdits(edits);
}

void DeleteIniKeys(const std::string& fileName, const IniEdits& removals) {
    TIniFile file(fileName);
    file.DeleteKeys(removals);
}

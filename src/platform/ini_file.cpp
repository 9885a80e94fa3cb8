#include "platform/ini_file.h"

namespace {

constexpr unsigned NameListSize = 16384;
constexpr unsigned ValueSize = 2048;

} // namespace

TIniFile::TIniFile(std::string fileName)
    : fileName_(std::move(fileName)) {}

TIniFile::~TIniFile() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_);
}

void TIniFile::ReadNames(const char* section, std::vector<std::string>& names) const {
    std::vector<char> buffer(NameListSize);
    names.clear();
    if (GetPrivateProfileStringA(section, nullptr, nullptr, buffer.data(), NameListSize,
                                 fileName_) == 0) {
        return;
    }
    // The list ends at the first empty name.
    for (const char* name = buffer.data(); *name != '\0'; name += names.back().size() + 1) {
        names.emplace_back(name);
    }
}

void TIniFile::ReadSections(std::vector<std::string>& names) const {
    ReadNames(nullptr, names);
}

void TIniFile::ReadSection(const std::string& section, std::vector<std::string>& names) const {
    ReadNames(section.c_str(), names);
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    std::vector<char> buffer(ValueSize);
    const unsigned length = GetPrivateProfileStringA(
        section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(), ValueSize, fileName_);
    return std::string(buffer.data(), length);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_)) {
        throw EIniFileException("Unable to write to " + fileName_);
    }
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, fileName_);
}

void TIniFile::WriteEdits(const std::vector<ProfileEdit>& edits) {
    if (!WritePrivateProfileEdits(edits, {ValueSize, NameListSize}, fileName_)) {
        throw EIniFileException("Unable to write to " + fileName_);
    }
}

#include "platform/ini_file.h"

#include <memory>

namespace {

// The first buffer for a list of names; it doubles until every name fits.
constexpr unsigned NameListSize = 16384;
constexpr unsigned LargestNameList = 1u << 30;
constexpr unsigned ValueSize = 2048;

} // namespace

TIniFile::TIniFile(std::string fileName)
    : fileName_(std::move(fileName)) {}

TIniFile::~TIniFile() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_);
}

// A list that filled the buffer (size - 2) may have been cut short, so it is
// asked for again with twice the room.
void TIniFile::ReadNames(const char* section, std::vector<std::string>& names) const {
    std::unique_ptr<char[]> buffer;
    unsigned size = NameListSize;
    for (;;) {
        buffer = std::make_unique_for_overwrite<char[]>(size);
        const unsigned length =
            GetPrivateProfileStringA(section, nullptr, nullptr, buffer.get(), size, fileName_);
        if (length < size - 2 || size >= LargestNameList) {
            break;
        }
        size *= 2;
    }
    names.clear();
    // The list ends at the first empty name.
    for (const char* name = buffer.get(); *name != '\0'; name += names.back().size() + 1) {
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
    char buffer[ValueSize];
    const unsigned length = GetPrivateProfileStringA(
        section.c_str(), key.c_str(), defaultValue.c_str(), buffer, ValueSize, fileName_);
    return std::string(buffer, length);
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
    if (!WritePrivateProfileEdits(edits, fileName_)) {
        throw EIniFileException("Unable to write to " + fileName_);
    }
}

void TIniFile::WriteReadableEdits(const std::vector<ProfileEdit>& edits) {
    if (!WritePrivateProfileEdits(edits, fileName_, ValueSize)) {
        throw EIniFileException("Unable to write to " + fileName_);
    }
}

void TIniFile::DeleteKeys(const std::vector<ProfileEdit>& removals) {
    WritePrivateProfileEdits(removals, fileName_);
}

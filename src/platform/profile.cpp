#include "platform/profile.h"

#include "platform/atomic_file.h"
#include "platform/ini_document.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool IsBareName(const std::string& fileName) {
    return fileName.find('/') == std::string::npos;
}

std::string ResolvePath(const std::string& fileName) {
    return IsBareName(fileName) ? ProfileDirectory() + fileName : fileName;
}

IniDocument LoadDocument(const std::string& path) {
    const FileContents contents = ReadWholeFile(path);
    return IniDocument::Parse(contents.bytes);
}

unsigned CopyText(const std::string& text, char* buffer, unsigned size) {
    const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<unsigned>(length);
}

// Each name and its zero byte, then one more zero; a list that does not fit
// ends at size - 2 with the last name cut there.
unsigned CopyNameList(const std::vector<std::string>& names, char* buffer, unsigned size) {
    if (size < 2) {
        if (size == 1) {
            buffer[0] = '\0';
        }
        return 0;
    }
    std::size_t used = 0;
    for (const std::string& name : names) {
        if (used + name.size() + 1 > size - 1) {
            const std::size_t room = size - 2 - used;
            std::memcpy(buffer + used, name.data(), room);
            buffer[size - 2] = '\0';
            buffer[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(buffer + used, name.data(), name.size());
        used += name.size();
        buffer[used++] = '\0';
    }
    buffer[used] = '\0';
    return static_cast<unsigned>(used);
}

// Reads the file for a change. False when an existing file cannot be read:
// writing it back from nothing would lose it.
bool LoadForChange(const std::string& path, IniDocument& document, bool& exists) {
    const FileContents contents = ReadWholeFile(path);
    if (contents.state == FileState::Unreadable) {
        return false;
    }
    exists = contents.state == FileState::Read;
    document = IniDocument::Parse(contents.bytes);
    return true;
}

bool SetValue(const std::string& fileName, const char* section, const char* key,
              const char* value) {
    if (!IniDocument::CanStore(section, key, value)) {
        return false;
    }
    if (IsBareName(fileName) && !QDir().mkpath(QString::fromLocal8Bit(ProfileDirectory()))) {
        return false;
    }
    const std::string path = ResolvePath(fileName);
    IniDocument document;
    bool exists = false;
    if (!LoadForChange(path, document, exists)) {
        return false;
    }
    document.SetValue(section, key, value);
    return ReplaceFileAtomically(path, document.Serialize());
}

bool RemoveKey(const std::string& fileName, const char* section, const char* key) {
    const std::string path = ResolvePath(fileName);
    IniDocument document;
    bool exists = false;
    if (!LoadForChange(path, document, exists)) {
        return false;
    }
    if (!exists || !document.RemoveKey(section, key)) {
        return true;
    }
    return ReplaceFileAtomically(path, document.Serialize());
}

} // namespace

std::string ProfileDirectory() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.toLocal8Bit().toStdString() + "/Quillmark/";
}

unsigned GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, unsigned size, const std::string& fileName) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const IniDocument document = LoadDocument(ResolvePath(fileName));
    if (section == nullptr) {
        return CopyNameList(document.SectionNames(), buffer, size);
    }
    if (key == nullptr) {
        return CopyNameList(document.KeyNames(section), buffer, size);
    }
    const std::optional<std::string> value = document.Value(section, key);
    return CopyText(value ? *value : std::string(defaultValue ? defaultValue : ""), buffer, size);
}

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const std::string& fileName) {
    if (section == nullptr && key == nullptr && value == nullptr) {
        return true;
    }
    if (section == nullptr || key == nullptr) {
        return false;
    }
    if (value == nullptr) {
        return RemoveKey(fileName, section, key);
    }
    return SetValue(fileName, section, key, value);
}

#include "platform/profile.h"

#include "platform/atomic_file.h"
#include "platform/byte_source.h"
#include "platform/ini_document.h"
#include "platform/ini_line_reader.h"
#include "platform/ini_scan.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

bool IsBareName(const std::string& fileName) {
    return fileName.find('/') == std::string::npos;
}

std::string ResolvePath(const std::string& fileName) {
    return IsBareName(fileName) ? ProfileDirectory() + fileName : fileName;
}

unsigned CopyText(std::string_view text, char* buffer, unsigned size) {
    const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<unsigned>(length);
}

// Writes a name list into the caller's buffer: each name and its zero byte,
// then one more zero; a list that does not fit ends at size - 2 with the
// last name cut there.
class NameListCopy final {
public:
    NameListCopy(char* buffer, unsigned size)
        : buffer_(buffer)
        , size_(size)
        , full_(size < 2) {}

    // False once the list is full: later names cannot go in.
    bool Add(std::string_view name) {
        if (full_) {
            return false;
        }
        if (used_ + name.size() + 1 > size_ - 1) {
            // The last zero byte of the list may already stand at size - 2.
            const std::size_t room = used_ < size_ - 2 ? size_ - 2 - used_ : 0;
            std::memcpy(buffer_ + used_, name.data(), room);
            used_ = size_ - 2;
            buffer_[used_] = '\0';
            buffer_[used_ + 1] = '\0';
            full_ = true;
            return false;
        }
        std::memcpy(buffer_ + used_, name.data(), name.size());
        used_ += name.size();
        buffer_[used_++] = '\0';
        return true;
    }
    void Clear() {
        used_ = 0;
        full_ = size_ < 2;
    }
    unsigned Finish() {
        if (size_ > 0) {
            buffer_[used_] = '\0';
        }
        return static_cast<unsigned>(used_);
    }

private:
    char* buffer_;
    std::size_t size_;
    std::size_t used_ = 0;
    bool full_;
};

unsigned ListSectionNames(IniLineReader& lines, char* buffer, unsigned size) {
    NameListCopy list(buffer, size);
    ScanIniSectionNames(lines, [&](std::string_view name) { return list.Add(name); });
    if (lines.Failed()) {
        list.Clear();
    }
    return list.Finish();
}

unsigned ListKeyNames(IniLineReader& lines, const char* section, char* buffer, unsigned size) {
    NameListCopy list(buffer, size);
    ScanIniKeyNames(lines, section, [&](std::string_view name) { return list.Add(name); });
    if (lines.Failed()) {
        list.Clear();
    }
    return list.Finish();
}

// Reads the file for a change. False when an existing file cannot be read:
// writing it back from nothing would lose it.
bool LoadForChange(const std::string& path, IniDocument& document, bool& exists) {
    FileContents contents = ReadWholeFile(path);
    if (contents.state == FileState::Unreadable) {
        return false;
    }
    exists = contents.state == FileState::Read;
    document = IniDocument::Parse(std::move(contents.bytes));
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
    FileSource file(ResolvePath(fileName));
    IniLineReader lines(file);
    if (section == nullptr) {
        return ListSectionNames(lines, buffer, size);
    }
    if (key == nullptr) {
        return ListKeyNames(lines, section, buffer, size);
    }
    const std::optional<std::string_view> value = ScanIniValue(lines, section, key);
    return CopyText(value ? *value : std::string_view(defaultValue ? defaultValue : ""), buffer,
                    size);
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

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
#include <functional>
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

// What a change made of a file's contents.
enum class Change { Unchanged, Changed, Refused };

// Reads the file, lets `change` alter its contents in memory and replaces the
// file when they changed. A change that `writes` makes a missing file (and
// the per-user folder for a bare name); one that only removes leaves a
// missing file missing. An existing file that cannot be read is never
// written: writing it back from nothing would lose it.
bool ChangeFile(const std::string& fileName, bool writes,
                const std::function<Change(IniDocument&)>& change) {
    if (writes && IsBareName(fileName) &&
        !QDir().mkpath(QString::fromLocal8Bit(ProfileDirectory()))) {
        return false;
    }
    const std::string path = ResolvePath(fileName);
    FileContents contents = ReadWholeFile(path);
    if (contents.state == FileState::Unreadable) {
        return false;
    }
    if (contents.state == FileState::Missing && !writes) {
        return true;
    }
    IniDocument document = IniDocument::Parse(std::move(contents.bytes));
    switch (change(document)) {
    case Change::Unchanged:
        return true;
    case Change::Refused:
        return false;
    case Change::Changed:
        break;
    }
    return ReplaceFileAtomically(path, document.Serialize());
}

// Whether a name list holds every name: each with its zero byte, and one
// more zero at the end.
bool NameListFits(const std::vector<std::string>& names, unsigned size) {
    std::size_t used = 1;
    for (const std::string& name : names) {
        used += name.size() + 1;
    }
    return used <= size;
}

bool Writes(const std::vector<ProfileEdit>& edits) {
    return std::any_of(edits.begin(), edits.end(),
                       [](const ProfileEdit& edit) { return edit.value.has_value(); });
}

bool AllStorable(const std::vector<ProfileEdit>& edits) {
    return std::all_of(edits.begin(), edits.end(), [](const ProfileEdit& edit) {
        return !edit.value || IniDocument::CanStore(edit.section, edit.key, *edit.value);
    });
}

// Whether the reader gets back every value written and every key of the
// sections written to.
bool ReadableBack(const IniDocument& document, const std::vector<ProfileEdit>& edits,
                  const ProfileReadLimits& limits) {
    return std::all_of(edits.begin(), edits.end(), [&](const ProfileEdit& edit) {
        return !edit.value || (edit.value->size() < limits.valueSize &&
                               NameListFits(document.KeyNames(edit.section), limits.nameListSize));
    });
}

// Removes the key from every section the document has now, in file order.
bool RemoveFromEverySection(IniDocument& document, const std::string& key) {
    bool removed = false;
    for (const std::string& section : document.SectionNames()) {
        removed = document.RemoveKey(section, key) || removed;
    }
    return removed;
}

bool Apply(IniDocument& document, const ProfileEdit& edit) {
    if (edit.value) {
        return document.SetValue(edit.section, edit.key, *edit.value);
    }
    if (edit.section.empty()) {
        return RemoveFromEverySection(document, edit.key);
    }
    return document.RemoveKey(edit.section, edit.key);
}

bool SetValue(const std::string& fileName, const char* section, const char* key,
              const char* value) {
    if (!IniDocument::CanStore(section, key, value)) {
        return false;
    }
    return ChangeFile(fileName, true, [&](IniDocument& document) {
        document.SetValue(section, key, value);
        return Change::Changed;
    });
}

bool RemoveKey(const std::string& fileName, const char* section, const char* key) {
    return ChangeFile(fileName, false, [&](IniDocument& document) {
        return document.RemoveKey(section, key) ? Change::Changed : Change::Unchanged;
    });
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

bool WritePrivateProfileEdits(const std::vector<ProfileEdit>& edits,
                              const ProfileReadLimits& limits, const std::string& fileName) {
    if (!AllStorable(edits)) {
        return false;
    }
    return ChangeFile(fileName, Writes(edits), [&](IniDocument& document) {
        bool changed = false;
        for (const ProfileEdit& edit : edits) {
            changed = Apply(document, edit) || changed;
        }
        if (!ReadableBack(document, edits, limits)) {
            return Change::Refused;
        }
        return changed ? Change::Changed : Change::Unchanged;
    });
}

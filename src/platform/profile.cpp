#include "platform/profile.h"

#include "platform/atomic_file.h"
#include "platform/ini_document.h"
#include "platform/profile_cache.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
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

// The section names with no section, else the keys of the section.
unsigned CopyNames(const IniDocument* document, const char* section, char* buffer, unsigned size) {
    NameListCopy list(buffer, size);
    const auto add = [&](std::string_view name) { return list.Add(name); };
    if (document != nullptr && section == nullptr) {
        document->VisitSectionNames(add);
    } else if (document != nullptr) {
        document->VisitKeyNames(section, add);
    }
    return list.Finish();
}

// Reads the file, lets `change` alter its contents in memory and replaces the
// file when it says they changed; the copy kept for reads is then dropped. A
// change that `writes` makes a missing file (and the per-user folder for a
// bare name); one that only removes leaves a missing file missing. An
// existing file that cannot be read is never written: writing it back from
// nothing would lose it.
bool ChangeFile(const std::string& fileName, bool writes,
                const std::function<bool(IniDocument&)>& change) {
    if (writes && IsBareName(fileName) &&
        !QDir().mkpath(QString::fromLocal8Bit(ProfileDirectory()))) {
        return false;
    }
    const std::string path = ResolvePath(fileName);
    const ParsedProfile file = ReadProfile(path);
    if (file.state == FileState::Unreadable) {
        return false;
    }
    if (file.state == FileState::Missing && !writes) {
        return true;
    }
    IniDocument document = file.document ? *file.document : IniDocument::Parse({});
    if (!change(document)) {
        return true;
    }
    const bool replaced = ReplaceFileAtomically(path, document.Serialize());
    ForgetProfile(path);
    return replaced;
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

bool AllShorterThan(const std::vector<ProfileEdit>& edits, std::size_t valueLimit) {
    return std::all_of(edits.begin(), edits.end(), [&](const ProfileEdit& edit) {
        return !edit.value || edit.value->size() < valueLimit;
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
        return true;
    });
}

bool RemoveKey(const std::string& fileName, const char* section, const char* key) {
    return ChangeFile(fileName, false,
                      [&](IniDocument& document) { return document.RemoveKey(section, key); });
}

} // namespace

// Asked of Qt once for each setting of the variables that decide it: every
// read of a file named without a directory comes here.
std::string ProfileDirectory() {
    struct Answer {
        bool testMode = false;
        std::optional<std::string> dataHome;
        std::optional<std::string> home;
        std::string directory;
    };
    const auto variable = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    Answer asked{
        QStandardPaths::isTestModeEnabled(), variable("XDG_DATA_HOME"), variable("HOME"), {}};
    thread_local std::optional<Answer> last;
    if (!last || last->testMode != asked.testMode || last->dataHome != asked.dataHome ||
        last->home != asked.home) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        asked.directory = data.toLocal8Bit().toStdString() + "/Quillmark/";
        last = std::move(asked);
    }
    return last->directory;
}

unsigned GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, unsigned size, const std::string& fileName) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const ParsedProfile file = ReadProfile(ResolvePath(fileName));
    if (section == nullptr || key == nullptr) {
        return CopyNames(file.document.get(), section, buffer, size);
    }
    const std::optional<std::string> value =
        file.document ? file.document->Value(section, key) : std::nullopt;
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

bool WritePrivateProfileEdits(const std::vector<ProfileEdit>& edits, const std::string& fileName,
                              std::size_t valueLimit) {
    if (!AllStorable(edits) || (valueLimit > 0 && !AllShorterThan(edits, valueLimit))) {
        return false;
    }
    return ChangeFile(fileName, Writes(edits), [&](IniDocument& document) {
        bool changed = false;
        for (const ProfileEdit& edit : edits) {
            changed = Apply(document, edit) || changed;
        }
        return changed;
    });
}

#include "hhctrl/chm_file.h"

#include "hhctrl/help_path.h"

#include <algorithm>
#include <chm_lib.h>

namespace {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return text;
}

int CollectEntry(chmFile*, chmUnitInfo* unit, void* context) {
    auto* entries = static_cast<std::map<std::string, std::string>*>(context);
    entries->emplace(LowerCase(unit->path), unit->path);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

std::unique_ptr<ChmFile> ChmFile::Open(const std::string& path) {
    chmFile* file = chm_open(path.c_str());
    if (file == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<ChmFile>(new ChmFile(file));
}

ChmFile::ChmFile(chmFile* file)
    : file_(file) {
    chm_enumerate(file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, CollectEntry, &entries_);
}

ChmFile::~ChmFile() {
    chm_close(file_);
}

std::optional<std::string> ChmFile::StoredName(const std::string& entryPath) const {
    const auto entry = entries_.find(LowerCase(NormalSeparators("/" + entryPath)));
    if (entry == entries_.end()) {
        return std::nullopt;
    }
    return entry->second;
}

bool ChmFile::Holds(const std::string& entryPath) const {
    return StoredName(entryPath).has_value();
}

std::optional<QByteArray> ChmFile::Read(const std::string& entryPath) const {
    const std::optional<std::string> name = StoredName(entryPath);
    chmUnitInfo unit{};
    if (!name || chm_resolve_object(file_, name->c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    QByteArray bytes(static_cast<qsizetype>(unit.length), '\0');
    const LONGINT64 read = chm_retrieve_object(
        file_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, unit.length);
    if (read < 0 || static_cast<LONGUINT64>(read) != unit.length) {
        return std::nullopt;
    }
    return bytes;
}

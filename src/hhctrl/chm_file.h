#pragma once

#include <QByteArray>
#include <map>
#include <memory>
#include <optional>
#include <string>

struct chmFile;

// A compiled help file open for reading. Its entries are found whatever the
// case of their paths, as the file system they come from would.
class ChmFile final {
public:
    // The file, or nullptr when it cannot be opened.
    static std::unique_ptr<ChmFile> Open(const std::string& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // The bytes of the entry at `entryPath` ("/folder/page.htm"), or nothing.
    std::optional<QByteArray> Read(const std::string& entryPath) const;
    bool Holds(const std::string& entryPath) const;

private:
    explicit ChmFile(chmFile* file);
    std::optional<std::string> StoredName(const std::string& entryPath) const;

    chmFile* file_;
    // Lower-cased entry path -> the path as stored.
    std::map<std::string, std::string> entries_;
};

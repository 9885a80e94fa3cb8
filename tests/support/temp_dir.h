#pragma once

#include <string>
#include <vector>

// A fresh directory for one test, removed with everything in it at the end.
class TempDir final {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, ending with "/".
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Whole-file helpers for fixtures.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// The names of the entries of a directory, sorted.
std::vector<std::string> EntriesOf(const std::string& directory);

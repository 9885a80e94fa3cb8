#pragma once

#include "platform/profile.h"

#include <stdexcept>
#include <string>
#include <vector>

// A refused write to an INI-format file.
class EIniFileException final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The INI-file object: one file name, exactly as given, passed with every
// request to the profile functions. It holds nothing else.
class TIniFile final {
public:
    explicit TIniFile(std::string fileName);
    // Asks the profile functions to write out what they still hold for the file.
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    // Both empty the list, then add every name in file order, however many.
    void ReadSections(std::vector<std::string>& names) const;
    void ReadSection(const std::string& section, std::vector<std::string>& names) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Throws EIniFileException "Unable to write to <file name>" when refused.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // A refused removal is ignored.
    void DeleteKey(const std::string& section, const std::string& key);
    // Writes the edits as one change, all of it or nothing (but for a file
    // overwritten in place, see atomic_file.h). Throws
    // EIniFileException "Unable to write to <file name>" when refused.
    void WriteEdits(const std::vector<ProfileEdit>& edits);
    // The same, also refusing a value that ReadString could not give back whole.
    void WriteReadableEdits(const std::vector<ProfileEdit>& edits);
    // Makes removals (edits without values) as one change; refused, it is ignored.
    void DeleteKeys(const std::vector<ProfileEdit>& removals);

private:
    void ReadNames(const char* section, std::vector<std::string>& names) const;

    std::string fileName_;
};

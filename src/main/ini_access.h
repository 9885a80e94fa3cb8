#pragma once

#include "platform/profile.h"

#include <string>
#include <vector>

// The program's only access to its INI-format files (the two catalogues and
// the records file). Each call makes its own INI-file object, does one thing
// and frees the object; every call sees the file as the last write left it.

using NameList = std::vector<std::string>;

// Empties the list, then adds every section name of the file in file order.
void ReadIniSections(const std::string& fileName, NameList& names);
// Empties the list, then adds every key of the section in file order.
void ReadIniSection(const std::string& fileName, const std::string& section, NameList& names);
// The key's value, or "Error" when the file, the section or the key is missing.
std::string ReadIniString(const std::string& fileName, const std::string& section,
                          const std::string& key);
// Sets the key, making the file, section and key where missing. Throws
// EIniFileException "Unable to write to <file name>" when the write is refused.
void WriteIniString(const std::string& fileName, const std::string& section, const std::string& key,
                    const std::string& value);
// Removes the key from the section, or from every section when the section
// is empty, as one change of the file. A refused removal is ignored.
void DeleteIniKey(const std::string& fileName, const std::string& section, const std::string& key);

// The steps of one change of a file: a step with a value writes it, one
// without removes the key, from every section where the section is empty.
using IniEdits = std::vector<ProfileEdit>;
// Makes the change as WriteIniString and DeleteIniKey would make its steps
// one after another, but writes the file once: all of the change or none of
// it, except where the file's folder takes no new file and the file is
// overwritten in place (see platform/atomic_file.h). Throws EIniFileException
// "Unable to write to <file name>" when any step is refused.
void WriteIniEdits(const std::string& fileName, const IniEdits& edits);
// The same, also refusing a value that ReadIniString could not give back
// whole (2,048 bytes or more).
void WriteReadableIniEdits(const std::string& fileName, const IniEdits& edits);
// Makes the removals (steps without values) as DeleteIniKey would one after
// another, as one change of the file. A refused change is ignored.
void DeleteIniKeys(const std::string& fileName, const IniEdits& removals);

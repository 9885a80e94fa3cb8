#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Our stand-ins for the Windows profile functions, over INI-format files of
// bytes (see ini_document.h for how lines are read).
//
// A file name without a directory names a file in ProfileDirectory(); any
// other name is used as it stands. Every call sees the file as it stands on
// disk: reads answer from the copy parsed last while the file is unchanged
// (see profile_cache.h). Every change replaces the file whole and atomically
// (a temporary file beside it, written, flushed to disk, renamed over it),
// keeping the old file's permission bits. A file that may be written in a
// folder that may not is overwritten in place instead, which a writer killed
// in the middle can leave part old, part new (see atomic_file.h). A write
// that cannot be done leaves the file as it was and returns false.

// The per-user folder of files named without a directory, ending with "/".
// It is made by the first write that needs it.
std::string ProfileDirectory();

// With a section and a key: copies the key's value, or the default when the
// file, the section or the key is missing, cut to size - 1 bytes and ended
// by a zero byte; returns the number of bytes copied before that zero.
// With no key: lists the keys of the section; with no section: lists the
// section names. A listing puts each name with a zero byte after it and one
// more zero byte at the end; names that do not fit are left out and the last
// one is cut short so that the list still ends with two zero bytes, and the
// result is then size - 2, and a caller that wants every name asks again with
// a larger buffer. Otherwise the result counts every byte but the final zero.
unsigned GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, unsigned size, const std::string& fileName);

// Sets the key in the section to the value, making the file, the section and
// the key where missing. With no value: removes the key's line (the section
// line stays); removing what is not there succeeds without touching the
// file. With nothing given: nothing is held back, so there is nothing to
// write out. A section given with no key is refused: the program never asks
// for the removal of a whole section. Returns false when the write is
// refused or fails.
bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const std::string& fileName);

// One step of a change that is written as a whole.
struct ProfileEdit {
    std::string section; // empty: every section the file has at this step
    std::string key;
    std::optional<std::string> value; // none: the key's line is removed
};

// Applies the edits in order to the file's contents, as the same requests of
// WritePrivateProfileStringA would one after another, and replaces the file
// once, so that all of the change is written or none of it (but for a file
// overwritten in place, above). Refused, with the file left as it was, when
// one of its writes would be refused on its own, or when a value written is
// valueLimit bytes or longer (0: no limit). A change that alters nothing
// writes nothing.
bool WritePrivateProfileEdits(const std::vector<ProfileEdit>& edits, const std::string& fileName,
                              std::size_t valueLimit = 0);

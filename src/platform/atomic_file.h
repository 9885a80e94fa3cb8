#pragma once

#include "platform/file_stamp.h"

#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and atomic whole-file replacement for the profile files.

enum class FileState { Missing, Read, Unreadable };

struct FileContents {
    FileState state = FileState::Missing;
    std::string bytes;
    FileStamp stamp; // of the file read, taken before its bytes
};

// A path that is not there, or names something other than a regular file
// (a directory, a path through a regular file), reads as Missing.
FileContents ReadWholeFile(const std::string& path);

// Replaces the file with the bytes, or makes it: a temporary file in the same
// directory is written, flushed to disk and renamed over the old one, so the
// path always holds either the old or the new contents. The temporary file
// has no name until the rename where the file system allows it; one left by
// a writer that was killed is removed by the next replace. An existing file
// keeps its permission bits and owner; a symbolic link is followed and the
// file it points at is replaced. An existing file that may be written in a
// directory that may not is overwritten in place instead and flushed to disk,
// which is not atomic: a writer killed during that write can leave the file
// part old, part new, as the platform's own profile functions can. Refused,
// with nothing changed, when the file is read-only (not writable by us, or
// with no write permission bit at all, which even the superuser honours
// here), or when it is missing and its directory cannot be written.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

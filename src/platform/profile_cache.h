#pragma once

#include "platform/atomic_file.h"
#include "platform/ini_document.h"

#include <ctime>
#include <memory>
#include <string>

// The profile functions' copy of the file they parsed last, so that reading
// a file entry by entry costs one parse of it rather than one per entry.
//
// Every read looks at the file on disk first: the copy answers only while
// the file is the same file, of the same size, with the same times of
// change. A copy taken within moments of the file's last change is not
// trusted, since a second change within the same tick of the file system's
// clock would leave the times alike; such a file is read again until its
// last change lies clearly before the read.

struct ParsedProfile {
    FileState state = FileState::Missing;
    std::shared_ptr<const IniDocument> document; // set when the file was read
};

// The file at this path as it stands on disk now.
ParsedProfile ReadProfile(const std::string& path);

// Whether a copy read from a file from readStart on may answer later reads:
// a further change of the file would show in its change time.
bool ChangeIsSettled(const struct timespec& changed, const struct timespec& readStart);

// Drops the copy of the file at this path; a change calls it once it has
// written the file (or tried to).
void ForgetProfile(const std::string& path);

#pragma once

#include <sys/stat.h>
#include <sys/types.h>

// What tells one version of a file from another without reading it: which
// file it is, its size and the times of its last change.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified {};
    struct timespec changed {};

    static FileStamp Of(const struct stat& info);
    friend bool operator==(const FileStamp& a, const FileStamp& b);
};

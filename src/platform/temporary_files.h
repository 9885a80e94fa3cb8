#pragma once

#include <functional>
#include <string>

// The temporary files that an atomic replace leaves beside its target while
// it writes: "." + the target's name + ".tmp" + the writer's process id +
// "-" + a number.

// A fresh temporary name beside the target, for this process.
std::string TemporaryNameFor(const std::string& target);

// Removes the target's temporary files whose writing process has ended (one
// killed in the middle of a write). Those of running processes stay.
void RemoveStaleTemporaries(const std::string& target);

// The steps of a replace at which a test may stop the writer.
enum class ReplaceStage {
    Written, // the new contents are on disk, in a file without a name if possible
    Named,   // the new contents carry their temporary name, not yet renamed
};

// A seam for tests: runs at each stage of every later replace.
void SetReplaceStageHook(std::function<void(ReplaceStage)> hook);
void RunReplaceStageHook(ReplaceStage stage);

#pragma once

#include "platform/temporary_files.h"

#include <functional>

// Makes the change in a child process that kills itself at the given stage
// of its `replace`-th file replacement; the change is made whole where it
// replaces fewer files. Whether the child was killed.
bool ChangeInAProcessKilledAt(const std::function<void()>& change, int replace, ReplaceStage stage);

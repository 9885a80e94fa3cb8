#pragma once

#include "support/temp_dir.h"

#include <optional>
#include <string>

// Points HOME at a fresh directory for its lifetime, so that the per-user
// folders (which the tests' Qt test mode puts under HOME) belong to one test
// alone, even when tests run side by side.
class TempHome final {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& Path() const { return dir_.Path(); }

private:
    TempDir dir_;
    std::optional<std::string> oldHome_;
};

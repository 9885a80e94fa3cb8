#pragma once

#include "support/engine_window.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

// A test of the engine list and its settings dialog, over catalogues of the
// test's own that it may write anew.
class EngineWindowTest : public testing::Test {
protected:
    // Opens a new window, in a new folder, over the catalogues' bytes.
    void Reopen(const std::string& standard, const std::string& custom) {
        engines_.reset();
        engines_ = std::make_unique<EngineWindow>();
        engines_->Open(standard, custom);
    }
    EngineWindow& engines() { return *engines_; }

private:
    std::unique_ptr<EngineWindow> engines_;
};

#pragma once

#include "platform/shell_execute.h"

#include <vector>

// Takes the program's shell calls for a test and records them, opening
// nothing. Installed for its lifetime.
class FakeShell final : public ShellBackend {
public:
    FakeShell();
    ~FakeShell() override;
    FakeShell(const FakeShell&) = delete;
    FakeShell& operator=(const FakeShell&) = delete;

    const std::vector<ShellExecuteRequest>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

    HINSTANCE Execute(const ShellExecuteRequest& request) override;

private:
    std::vector<ShellExecuteRequest> calls_;
};

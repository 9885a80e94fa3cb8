#include "support/fake_shell.h"

FakeShell::FakeShell() {
    SetShellBackend(this);
}

FakeShell::~FakeShell() {
    SetShellBackend(nullptr);
}

HINSTANCE FakeShell::Execute(const ShellExecuteRequest& request) {
    calls_.push_back(request);
    return 42;
}

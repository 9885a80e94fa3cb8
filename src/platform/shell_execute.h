#pragma once

#include "platform/window_handle.h"

#include <cstdint>
#include <string>

// Our stand-in for the shell's ShellExecuteA: the verb "open" hands a web
// address or a "mailto:" target to the program the user has registered for
// it. Other verbs and parameters are refused; a working directory does not
// matter to an address and is ignored.

// What the call returns: a value above 32 when the shell took the target.
using HINSTANCE = std::uintptr_t;

constexpr int SW_SHOWNORMAL = 1;
constexpr HINSTANCE SE_ERR_NOASSOC = 31;

struct ShellExecuteRequest {
    HWND Window = 0;
    std::string Verb;
    std::string File;
    std::string Parameters;
    std::string Directory;
    int ShowCommand = 0;
};

class ShellBackend {
public:
    virtual ~ShellBackend() = default;
    virtual HINSTANCE Execute(const ShellExecuteRequest& request) = 0;
};

// Installs the backend (not owned); nullptr restores the default, which opens
// the target through the desktop's registered programs.
void SetShellBackend(ShellBackend* backend);

// Null texts count as empty.
HINSTANCE ShellExecuteA(HWND window, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCommand);

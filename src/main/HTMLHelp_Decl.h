#pragma once

#include "platform/dynamic_library.h"
#include "platform/window_handle.h"

#include <cstdint>
#include <string>

// The binding to the HTML help control HHCTRL.OCX, loaded on the first
// request and kept for the rest of the run.

constexpr unsigned HH_DISPLAY_TOPIC = 0;
constexpr unsigned HH_INITIALIZE = 28;

// The control's entry point.
using HtmlHelpProc = HWND (*)(HWND caller, const char* file, unsigned command, std::uintptr_t data);

// The binding's state: the module, its entry point and the cookie the control
// writes when it is initialised. The program keeps one for the whole run;
// the module, once loaded, is never unloaded nor uninitialised.
class HtmlHelpBinding final {
public:
    HtmlHelpBinding() = default;
    HtmlHelpBinding(const HtmlHelpBinding&) = delete;
    HtmlHelpBinding& operator=(const HtmlHelpBinding&) = delete;

    // Binds the control if needed, then hands the request to its HtmlHelpA
    // and returns what that returns. Throws when the control cannot be bound.
    HWND Call(HWND caller, const std::string& path, unsigned command, std::uint32_t data);

private:
    void Load();
    void FindEntryPoint();

    HMODULE module_ = nullptr;
    HtmlHelpProc htmlHelp_ = nullptr;
    std::uint32_t cookie_ = 0;
};

// The run's binding: see HtmlHelpBinding::Call.
HWND CallHtmlHelp(HWND caller, const std::string& path, unsigned command, std::uint32_t data);

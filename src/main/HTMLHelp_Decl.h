#pragma once

#include "platform/window_handle.h"

#include <cstdint>
#include <string>

// The binding to the HTML help control HHCTRL.OCX, loaded on the first
// request and kept for the rest of the run.

constexpr unsigned HH_DISPLAY_TOPIC = 0;
constexpr unsigned HH_INITIALIZE = 28;

// Binds the control if needed, then hands the request to its HtmlHelpA and
// returns what that returns. Throws when the control cannot be bound.
HWND CallHtmlHelp(HWND caller, const std::string& path, unsigned command, std::uint32_t data);

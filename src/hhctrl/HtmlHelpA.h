#pragma once

#include <cstdint>

// The control's one entry point, as the program looks it up by name.
//   HH_INITIALIZE (28): writes a cookie to the 32-bit value whose address is
//     `data`; returns 0.
//   HH_DISPLAY_TOPIC (0): `file` is "<help file>::/<topic>"; shows the topic in
//     the help window and returns the window's handle, or 0 when the file or
//     the topic cannot be opened.
// Other commands do nothing and return 0.
extern "C" std::uintptr_t HtmlHelpA(std::uintptr_t caller, const char* file, unsigned command,
                                    std::uintptr_t data);

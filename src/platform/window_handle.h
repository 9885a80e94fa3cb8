#pragma once

#include <cstdint>

// A window as the system's functions take it: an opaque handle, 0 for none.
using HWND = std::uintptr_t;

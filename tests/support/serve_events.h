#pragma once

#include <functional>

// Serves the window thread's events until the condition holds; false when it
// still does not after the time-out.
bool ServeEventsUntil(const std::function<bool()>& condition, int timeoutMs = 20000);

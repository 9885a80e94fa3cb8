#pragma once

#include <chrono>

// How long both HTTP clients wait: the defaults of a real client. A connect
// that takes longer than `connect` fails, and so does a transfer that
// receives less than `lowSpeedBytes` a second for `lowSpeedTime` in a row;
// a slow but steady server is never cut off.
struct HttpTimeouts {
    std::chrono::milliseconds connect{30000};
    long lowSpeedBytes = 1;
    std::chrono::seconds lowSpeedTime{60};
};

// The time-outs every fetch uses from now on.
HttpTimeouts CurrentHttpTimeouts();

// A seam for tests, which cannot wait a minute: replaces the time-outs for
// every later fetch.
void SetHttpTimeouts(const HttpTimeouts& timeouts);

#include "platform/http_timeouts.h"

#include <mutex>

namespace {

std::mutex timeoutsMutex;
HttpTimeouts current;

} // namespace

HttpTimeouts CurrentHttpTimeouts() {
    std::lock_guard lock(timeoutsMutex);
    return current;
}

void SetHttpTimeouts(const HttpTimeouts& timeouts) {
    std::lock_guard lock(timeoutsMutex);
    current = timeouts;
}

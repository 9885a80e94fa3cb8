#pragma once

#include "platform/application.h"

#include <functional>
#include <utility>

// Wraps a window handler (taking no arguments; Qt drops a signal's
// arguments for it) so that no exception runs into Qt's event loop: an
// error that leaves the handler is shown in the application's error box
// (TApplication::RunHandler), and the program goes on.
//     connect(button, &QToolButton::clicked, this, Guarded([this] { Sbt_GoClick(); }));
template <typename Handler> auto Guarded(Handler handler) {
    return [handler = std::move(handler)]() mutable { Application->RunHandler(std::ref(handler)); };
}

#pragma once

#include "platform/application.h"

#include <exception>
#include <stdexcept>
#include <utility>

// Wraps a window handler (taking no arguments; Qt drops a signal's
// arguments for it) so that no exception runs into Qt's event loop: an
// error that leaves the handler is shown in the application's error box, and
// the program goes on, as the class library's message loop does.
//     connect(button, &QToolButton::clicked, this, Guarded([this] { Sbt_GoClick(); }));
template <typename Handler> auto Guarded(Handler handler) {
    return [handler = std::move(handler)]() mutable {
        try {
            handler();
        } catch (const std::exception& error) {
            Application->ShowException(error);
        } catch (...) {
            Application->ShowException(std::runtime_error("Unknown error"));
        }
    };
}

#pragma once

#include "platform/window_handle.h"

#include <exception>
#include <functional>
#include <string>

// The application object: its title, the request to end, and the top-level
// box for an error that leaves a window handler.
class TApplication final {
public:
    TApplication() = default;
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The application's hidden window, which owns the main window: an opaque
    // handle, the same for the whole run and never 0.
    HWND Handle() const { return reinterpret_cast<HWND>(this); }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Queues the request to end: the message loop ends when it takes it up,
    // and a loop that has not started yet ends as soon as it starts.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Runs the message loop unless the end was already requested.
    void Run();
    // Forgets an earlier request to end (for a new run in the same process).
    void Reset() { terminated_ = false; }

    // Shows the error's text in a box captioned with the title, with an
    // error icon and OK; a full stop is added when the last character's code
    // is greater than that of ".".
    void ShowException(const std::exception& error);
    // Runs a call from the event loop (a window handler, a worker's report):
    // an error that leaves it is shown by ShowException, and the loop goes on.
    void RunHandler(const std::function<void()>& handler);

private:
    std::string title_;
    bool terminated_ = false;
};

extern TApplication* const Application;

// The text the error box shows for a message.
std::string ErrorBoxText(const std::string& message);

#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_set>

class QSocketNotifier;

// The road from worker threads to the window thread. Calls posted through one
// bridge run on the window thread in the order they were posted. Closing the
// bridge drops every call still waiting and every later one, so no worker
// reaches window state after the windows are gone.
//
// The calls wait in a queue of our own under a mutex; a worker wakes the
// window thread's event loop through an event descriptor that a socket
// notifier watches. No object crosses threads inside a Qt event, so every
// hand-over is one that the thread sanitizer sees.
class WindowBridge final : public std::enable_shared_from_this<WindowBridge> {
public:
    ~WindowBridge();
    WindowBridge(const WindowBridge&) = delete;
    WindowBridge& operator=(const WindowBridge&) = delete;

    // Opens a new bridge to the calling (window) thread; needs a
    // QCoreApplication. Threads created from now on use it.
    static std::shared_ptr<WindowBridge> Open();
    // The bridge that new threads take; a closed one when none was opened.
    static std::shared_ptr<WindowBridge> Current();
    // Closes the current bridge; on the window thread.
    static void CloseCurrent();

    bool IsOpen() const;
    void Close();

    // Runs the call on the window thread later. False when the bridge is
    // closed: the call is dropped.
    bool Queue(std::function<void()> call);
    // Runs the call on the window thread and waits for it. False when the
    // bridge is closed before the call ran: then it never runs. An error
    // that the call raises is raised again here, on the calling thread.
    bool Synchronize(const std::function<void()>& call);

    // A seam for tests: runs on a worker's thread right after each call that
    // it has queued, so a test can hold a worker between two hand-overs.
    static void SetAfterQueueHook(std::function<void()> hook);

private:
    WindowBridge() = default;
    void Drain();
    void PostDrain();
    void Wake();
    bool OnWindowThread() const { return std::this_thread::get_id() == windowThread_; }

    struct WaitingCall {
        std::condition_variable signal;
        bool done = false;
        std::exception_ptr error;
    };

    mutable std::mutex mutex_;
    std::unordered_set<WaitingCall*> waiting_; // workers inside Synchronize
    std::deque<std::function<void()>> calls_;
    bool open_ = false;
    bool drainPosted_ = false;
    std::thread::id windowThread_;
    int wakeDescriptor_ = -1;                 // eventfd; written under the mutex
    QSocketNotifier* wakeNotifier_ = nullptr; // lives on the window thread
};

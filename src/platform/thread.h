#pragma once

#include "platform/window_bridge.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// The seven priorities a TThread runs at, lowest first.
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// Our thread object, on std::thread and the window bridge: created suspended,
// started once, asked to stop through a flag that its body polls. A thread
// marked free-on-terminate is handed to the window thread when its body has
// returned: OnTerminate runs there and the object is deleted there. Any
// other thread runs OnTerminate on the window thread and waits for it, and
// its owner deletes it after WaitFor().
class TThread {
public:
    // Only suspended creation is offered: a derived object is not complete
    // until its constructor has run, so the body must not start before.
    explicit TThread(bool CreateSuspended = true);
    virtual ~TThread() = default;
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();
    void Terminate() { terminated_.store(true); }
    bool Terminated() const { return terminated_.load(); }

    void SetPriority(TThreadPriority priority) { priority_.store(priority); }
    TThreadPriority Priority() const { return priority_.load(); }
    void SetFreeOnTerminate(bool value) { freeOnTerminate_.store(value); }
    bool FreeOnTerminate() const { return freeOnTerminate_.load(); }

    // Waits until a thread that is not free-on-terminate has ended.
    void WaitFor();

    // How many thread bodies have started and not yet finished, across the
    // process; nobody waits on it but tests that must outlast their workers.
    static int RunningCount() { return running_.load(); }

    // Runs on the window thread after the body has returned.
    std::function<void(TThread*)> OnTerminate;

protected:
    virtual void Execute() = 0;
    // Runs the call on the window thread and waits; false when the windows
    // are gone and the call did not run. An error that the call raises is
    // raised again here, in this thread, and never reaches the window.
    bool Synchronize(const std::function<void()>& call) { return bridge_->Synchronize(call); }
    // Runs the call on the window thread later, in order; dropped when the
    // windows are gone.
    void Queue(std::function<void()> call) { bridge_->Queue(std::move(call)); }

private:
    void Run();
    void HandOverEnd();
    void SignalEnd();

    static inline std::atomic<int> running_{0};

    std::shared_ptr<WindowBridge> bridge_;
    bool started_ = false;
    std::mutex endMutex_;
    std::condition_variable endSignal_;
    bool ended_ = false;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> freeOnTerminate_{false};
    std::atomic<TThreadPriority> priority_{tpNormal};
};

#include "platform/thread.h"

#include <stdexcept>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {

// Nice values for the priorities; raising a thread above normal needs rights
// the program does not have, so those stay at normal.
int NiceValue(TThreadPriority priority) {
    switch (priority) {
    case tpIdle:
        return 19;
    case tpLowest:
        return 10;
    case tpLower:
        return 5;
    default:
        return 0;
    }
}

// Deletes a free-on-terminate thread whose end could not be handed to the
// window thread, or whose hand-over was dropped unrun.
struct EndHandOver {
    TThread* thread = nullptr;
    bool handled = false;
    ~EndHandOver() {
        if (!handled && thread->FreeOnTerminate()) {
            delete thread;
        }
    }
};

} // namespace

TThread::TThread(bool CreateSuspended)
    : bridge_(WindowBridge::Current()) {
    if (!CreateSuspended) {
        throw std::logic_error("TThread must be created suspended");
    }
}

void TThread::Start() {
    if (started_) {
        throw std::logic_error("thread already started");
    }
    ++running_;
    try {
        std::thread([this] {
            Run();
            --running_;
        }).detach();
    } catch (...) {
        --running_;
        throw;
    }
    started_ = true;
}

void TThread::WaitFor() {
    std::unique_lock lock(endMutex_);
    endSignal_.wait(lock, [this] { return ended_; });
}

void TThread::Run() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), NiceValue(Priority()));
    try {
        Execute();
    } catch (...) {
        // A thread body that lets an error out ends like one that returns.
    }
    if (FreeOnTerminate()) {
        HandOverEnd();
    } else {
        SignalEnd();
    }
    // The object may be gone from here on.
}

void TThread::SignalEnd() {
    if (OnTerminate) {
        try {
            bridge_->Synchronize([this] { OnTerminate(this); });
        } catch (...) {
            // The end is signalled all the same.
        }
    }
    // Notified under the lock: the owner may delete this object as soon as
    // it gets the lock back.
    std::lock_guard lock(endMutex_);
    ended_ = true;
    endSignal_.notify_all();
}

void TThread::HandOverEnd() {
    // A copy, since the window thread may delete this object, and with it
    // bridge_, as soon as the call is queued.
    std::shared_ptr<WindowBridge> bridge = bridge_;
    auto end = std::make_shared<EndHandOver>();
    end->thread = this;
    bridge->Queue([end] {
        end->handled = true;
        TThread* thread = end->thread;
        if (thread->OnTerminate) {
            thread->OnTerminate(thread);
        }
        if (thread->FreeOnTerminate()) {
            delete thread;
        }
    });
}

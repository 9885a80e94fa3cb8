#include "platform/thread.h"

#include <stdexcept>
#include <sys/resource.h>
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

TThread::~TThread() {
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id()) {
            thread_.detach();
        } else {
            thread_.join();
        }
    }
}

void TThread::Start() {
    if (thread_.joinable()) {
        throw std::logic_error("thread already started");
    }
    thread_ = std::thread([this] { Run(); });
    if (FreeOnTerminate()) {
        thread_.detach();
    }
}

void TThread::WaitFor() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TThread::Run() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), NiceValue(Priority()));
    try {
        Execute();
    } catch (...) {
        // A thread body that lets an error out ends like one that returns.
    }
    HandOverEnd();
    // The object may be gone from here on.
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

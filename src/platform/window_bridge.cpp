#include "platform/window_bridge.h"

#include "platform/application.h"

#include <QSocketNotifier>
#include <cstdint>
#include <stdexcept>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

std::mutex currentMutex;
std::shared_ptr<WindowBridge> current;

std::mutex hookMutex;
std::function<void()> afterQueueHook;

void RunAfterQueueHook() {
    std::function<void()> hook;
    {
        std::lock_guard lock(hookMutex);
        hook = afterQueueHook;
    }
    if (hook) {
        hook();
    }
}

// An error must not run into the event loop: it goes to the application's
// error box, as an error in any window handler does.
void RunOnWindowThread(const std::function<void()>& call) {
    Application->RunHandler(call);
}

} // namespace

std::shared_ptr<WindowBridge> WindowBridge::Open() {
    std::shared_ptr<WindowBridge> bridge(new WindowBridge);
    bridge->open_ = true;
    bridge->windowThread_ = std::this_thread::get_id();
    bridge->wakeDescriptor_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (bridge->wakeDescriptor_ < 0) {
        throw std::runtime_error("cannot make the window thread's wake-up descriptor");
    }
    bridge->wakeNotifier_ = new QSocketNotifier(bridge->wakeDescriptor_, QSocketNotifier::Read);
    std::weak_ptr<WindowBridge> self = bridge;
    QObject::connect(bridge->wakeNotifier_, &QSocketNotifier::activated, [self] {
        if (auto open = self.lock()) {
            open->Drain();
        }
    });
    std::lock_guard lock(currentMutex);
    if (current) {
        current->Close();
    }
    current = bridge;
    return bridge;
}

std::shared_ptr<WindowBridge> WindowBridge::Current() {
    std::lock_guard lock(currentMutex);
    if (!current) {
        current.reset(new WindowBridge); // never opened: drops every call
    }
    return current;
}

void WindowBridge::CloseCurrent() {
    Current()->Close();
}

bool WindowBridge::IsOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

WindowBridge::~WindowBridge() {
    if (wakeNotifier_ != nullptr) {
        wakeNotifier_->deleteLater(); // on its own thread
    }
    if (wakeDescriptor_ >= 0) {
        ::close(wakeDescriptor_);
    }
}

// On the window thread.
void WindowBridge::Close() {
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard lock(mutex_);
        open_ = false;
        dropped.swap(calls_);
        for (WaitingCall* waiting : waiting_) {
            waiting->signal.notify_one();
        }
    }
    delete wakeNotifier_;
    wakeNotifier_ = nullptr;
    // The dropped calls are destroyed here, outside the lock.
}

void WindowBridge::SetAfterQueueHook(std::function<void()> hook) {
    std::lock_guard lock(hookMutex);
    afterQueueHook = std::move(hook);
}

bool WindowBridge::Queue(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        if (!open_) {
            return false;
        }
        calls_.push_back(std::move(call));
        if (!drainPosted_) {
            PostDrain();
        }
    }
    if (!OnWindowThread()) {
        RunAfterQueueHook();
    }
    return true;
}

// Called under the lock, so no wake-up is written once Close() has run.
void WindowBridge::PostDrain() {
    drainPosted_ = true;
    Wake();
}

void WindowBridge::Wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeDescriptor_, &one, sizeof one);
}

bool WindowBridge::Synchronize(const std::function<void()>& call) {
    if (OnWindowThread()) {
        if (!IsOpen()) {
            return false;
        }
        call();
        return true;
    }
    // Each waiting worker has a signal of its own, so that finishing one call
    // wakes one worker, not all of them.
    // The waiting worker is released whatever the call does: an error it
    // raises goes back to the worker instead of into the window's loop.
    auto waiting = std::make_shared<WaitingCall>();
    const bool queued = Queue([this, &call, waiting] {
        std::exception_ptr error;
        try {
            call();
        } catch (...) {
            error = std::current_exception();
        }
        std::lock_guard lock(mutex_);
        waiting->error = std::move(error);
        waiting->done = true;
        waiting->signal.notify_one();
    });
    if (!queued) {
        return false;
    }
    std::unique_lock lock(mutex_);
    waiting_.insert(waiting.get());
    waiting->signal.wait(lock, [&] { return waiting->done || !open_; });
    waiting_.erase(waiting.get());
    // The error leaves the shared state here, so that this thread alone holds
    // it and frees it: the reference count of an exception lives in the C++
    // runtime, where the thread sanitizer cannot see that it orders the two
    // threads' uses.
    const std::exception_ptr error = std::move(waiting->error);
    if (error) {
        std::rethrow_exception(error);
    }
    return waiting->done;
}

void WindowBridge::Drain() {
    // One batch per turn of the event loop, so that busy workers cannot
    // starve the window's own events.
    std::size_t budget = 0;
    {
        std::lock_guard lock(mutex_);
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t read = ::read(wakeDescriptor_, &count, sizeof count);
        budget = calls_.size();
    }
    for (; budget > 0; --budget) {
        std::function<void()> call;
        {
            std::lock_guard lock(mutex_);
            if (!open_ || calls_.empty()) {
                break;
            }
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        RunOnWindowThread(call);
    }
    std::lock_guard lock(mutex_);
    drainPosted_ = false;
    if (open_ && !calls_.empty()) {
        PostDrain();
    }
}

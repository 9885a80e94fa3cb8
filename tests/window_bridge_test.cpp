#include "platform/thread.h"
#include "platform/window_bridge.h"
#include "support/fake_message_box.h"
#include "support/serve_events.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

class Worker final : public TThread {
public:
    explicit Worker(std::function<void(Worker&)> body)
        : body_(std::move(body)) {}
    void Execute() override { body_(*this); }
    using TThread::Queue;
    using TThread::Synchronize;

private:
    std::function<void(Worker&)> body_;
};

TEST(WindowBridge, QueuedCallsRunOnTheWindowThreadInOrder) {
    std::vector<int> seen;
    std::vector<std::thread::id> threads;
    bool ended = false;
    auto* worker = new Worker([&](Worker& self) {
        for (int i = 0; i < 100; ++i) {
            self.Queue([&, i] {
                seen.push_back(i);
                threads.push_back(std::this_thread::get_id());
            });
        }
    });
    worker->SetFreeOnTerminate(true);
    worker->OnTerminate = [&](TThread*) { ended = true; };
    worker->Start();
    ASSERT_TRUE(ServeEventsUntil([&] { return ended; }));
    ASSERT_EQ(seen.size(), 100u);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(seen[static_cast<std::size_t>(i)], i);
        EXPECT_EQ(threads[static_cast<std::size_t>(i)], std::this_thread::get_id());
    }
}

TEST(WindowBridge, SynchronizeGivesTheWindowStateOfThatMoment) {
    int windowValue = 7;
    std::atomic<int> read{0};
    bool ended = false;
    auto* worker = new Worker([&](Worker& self) {
        int value = 0;
        self.Synchronize([&] { value = windowValue; });
        read = value;
    });
    worker->SetFreeOnTerminate(true);
    worker->OnTerminate = [&](TThread*) { ended = true; };
    worker->Start();
    ASSERT_TRUE(ServeEventsUntil([&] { return ended; }));
    EXPECT_EQ(read.load(), 7);
}

TEST(WindowBridge, AnErrorInACallGoesToTheErrorBoxAndLaterCallsStillRun) {
    FakeMessageBox boxes;
    bool later = false;
    bool ended = false;
    auto* worker = new Worker([&](Worker& self) {
        self.Queue([] { throw std::runtime_error("Unable to write to records.dat"); });
        self.Queue([&] { later = true; });
    });
    worker->SetFreeOnTerminate(true);
    worker->OnTerminate = [&](TThread*) { ended = true; };
    worker->Start();
    ASSERT_TRUE(ServeEventsUntil([&] { return ended; }));
    EXPECT_TRUE(later);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, "Unable to write to records.dat.");
    EXPECT_EQ(boxes.Shown()[0].Flags, MB_OK | MB_ICONERROR);
}

TEST(WindowBridge, AnErrorOfASynchronizedCallGoesBackToTheWaitingWorker) {
    FakeMessageBox boxes;
    std::string caught;
    bool after = false;
    bool ended = false;
    auto* worker = new Worker([&](Worker& self) {
        try {
            self.Synchronize([] { throw std::runtime_error("the box is gone"); });
        } catch (const std::runtime_error& error) {
            caught = error.what();
        }
        self.Queue([&] { after = true; });
    });
    worker->SetFreeOnTerminate(true);
    worker->OnTerminate = [&](TThread*) { ended = true; };
    worker->Start();
    ASSERT_TRUE(ServeEventsUntil([&] { return ended; }, 5000));
    EXPECT_EQ(caught, "the box is gone");
    EXPECT_TRUE(after);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(WindowBridge, AClosedBridgeDropsCallsAndReleasesWaitingWorkers) {
    auto bridge = WindowBridge::Open();
    std::atomic<bool> waiting{false};
    std::atomic<bool> synchronized{true};
    bool windowTouched = false;
    auto* worker = new Worker([&](Worker& self) {
        waiting = true;
        synchronized = self.Synchronize([&] { windowTouched = true; });
        self.Queue([&] { windowTouched = true; });
    });
    worker->Start();
    while (!waiting) {
        std::this_thread::yield();
    }
    bridge->Close(); // without serving a single event
    worker->WaitFor();
    delete worker;
    QCoreApplication::processEvents();
    EXPECT_FALSE(synchronized.load());
    EXPECT_FALSE(windowTouched);
    WindowBridge::Open();
}

TEST(Thread, StopFlagIsSeenByTheRunningBody) {
    std::atomic<bool> started{false};
    auto* worker = new Worker([&](Worker& self) {
        started = true;
        while (!self.Terminated()) {
            std::this_thread::yield();
        }
    });
    worker->Start();
    while (!started) {
        std::this_thread::yield();
    }
    worker->Terminate();
    worker->WaitFor();
    EXPECT_TRUE(worker->Terminated());
    delete worker;
}

TEST(Thread, AThreadMustBeCreatedSuspended) {
    struct Immediate final : TThread {
        Immediate()
            : TThread(false) {}
        void Execute() override {}
    };
    EXPECT_THROW(Immediate{}, std::logic_error);
}

} // namespace

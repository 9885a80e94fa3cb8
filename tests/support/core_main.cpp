// Entry point of the tests that need an event loop but no display: a
// QCoreApplication on the test thread, with the bridge to it open.
#include "platform/window_bridge.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    WindowBridge::Open();
    const int result = RUN_ALL_TESTS();
    WindowBridge::CloseCurrent();
    return result;
}

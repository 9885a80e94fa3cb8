// Entry point of the widget tests: a QApplication on the offscreen platform
// (no display needed) with the program's fonts, and the bridge to the window
// thread open.
#include "gui/fonts.h"
#include "platform/application.h"
#include "platform/window_bridge.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    UseProgramFonts();
    Application->SetTitle("Tavrello");
    testing::InitGoogleTest(&argc, argv);
    WindowBridge::Open();
    const int result = RUN_ALL_TESTS();
    WindowBridge::CloseCurrent();
    return result;
}

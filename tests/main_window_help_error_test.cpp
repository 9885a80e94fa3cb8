#include "gui/main_window.h"
#include "main/catalogues.h"
#include "platform/dynamic_library.h"
#include "platform/message_box.h"
#include "support/fake_message_box.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Without its help module the program says so each time help is asked
// for, in the application's error box, and goes on.
TEST(MainWindowHelpErrorTest, AMissingHelpModuleIsReportedEachTimeInTheErrorBox) {
    TempHome home;
    TempDir dir;
    WriteFile(EnginesFileIn(dir.Path()), "[Description]\r\nNone\r\n");
    WriteFile(CustomEnginesFileIn(dir.Path()), "[Description]\r\nNone\r\n");
    SetSystemDirectory(dir.Path()); // holds no HHCTRL.OCX
    FakeMessageBox boxes;
    TFm_Main window(dir.Path());
    window.show();

    QTest::keyClick(&window, Qt::Key_F1);
    window.findChild<QToolButton*>("SpeedButton13")->click();

    ASSERT_EQ(boxes.Shown().size(), 2u);
    for (const MessageBoxRequest& box : boxes.Shown()) {
        EXPECT_EQ(box.Text, "HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
        EXPECT_EQ(box.Caption, "Tavrello");
        EXPECT_EQ(box.Flags, MB_OK | MB_ICONERROR);
    }
    EXPECT_TRUE(window.isVisible());
    SetSystemDirectory("");
}

} // namespace

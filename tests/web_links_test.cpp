#include "gui/main_window.h"
#include "main/catalogues.h"
#include "platform/application.h"
#include "support/fake_message_box.h"
#include "support/fake_shell.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(WebLinks, EachButtonHandsItsOneTargetToTheShellAndShowsNothing) {
    Application->Reset();
    TempHome home;
    TempDir dir;
    WriteFile(EnginesFileIn(dir.Path()), "[Description]\r\nNone\r\n");
    WriteFile(CustomEnginesFileIn(dir.Path()), "[Description]\r\nNone\r\n");
    FakeMessageBox boxes;
    FakeShell shell;
    TFm_Main window(dir.Path());
    window.show();

    const struct {
        const char* button;
        const char* target;
    } cases[] = {
        {"SpeedButton17", "mailto:support@tavrello.example"},
        {"SpeedButton2", "http://www.tavrello.example"},
        {"Sbt_downdata", "http://www.tavrello.example/download.htm"},
    };
    for (const auto& c : cases) {
        shell.Clear();
        window.findChild<QToolButton*>(c.button)->click();
        ASSERT_EQ(shell.Calls().size(), 1u) << c.button;
        const ShellExecuteRequest& call = shell.Calls().front();
        EXPECT_EQ(call.Window, static_cast<HWND>(window.winId())) << c.button;
        EXPECT_NE(call.Window, HWND{0}) << c.button;
        EXPECT_EQ(call.Verb, "open") << c.button;
        EXPECT_EQ(call.File, c.target) << c.button;
        EXPECT_EQ(call.Parameters, "") << c.button;
        EXPECT_EQ(call.Directory, "") << c.button;
        EXPECT_EQ(call.ShowCommand, 1) << c.button;
    }
    EXPECT_TRUE(boxes.Shown().empty());
    Application->Reset();
}

} // namespace

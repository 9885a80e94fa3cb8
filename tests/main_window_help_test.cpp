#include "gui/main_window.h"
#include "help_modules/recorded_call.h"
#include "main/HTMLHelp_Decl.h"
#include "main/catalogues.h"
#include "platform/application.h"
#include "platform/dynamic_library.h"
#include "platform/program_directory.h"
#include "support/fake_message_box.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::vector<RecordedCall>& RecordedCalls() {
    const HMODULE module = LoadLibraryA(QM_RECORDING_MODULE_DIR "/HHCTRL.OCX");
    const auto calls =
        reinterpret_cast<RecordedCallsProc>(GetProcAddress(module, "RecordedHelpCalls"));
    return *calls();
}

// The main window of a program in a folder of its own, whose help module
// records what it is asked.
class MainWindowHelpTest : public testing::Test {
protected:
    void SetUp() override {
        WriteFile(EnginesFileIn(dir_.Path()), "[Description]\r\nNone\r\n");
        WriteFile(CustomEnginesFileIn(dir_.Path()), "[Description]\r\nNone\r\n");
        SetSystemDirectory(QM_RECORDING_MODULE_DIR);
        RecordedCalls().clear();
        window_ = std::make_unique<TFm_Main>(dir_.Path());
        window_->show();
        window_->findChild<QLineEdit*>("Edt_URL")->setFocus();
    }
    void TearDown() override {
        window_.reset();
        SetSystemDirectory("");
    }

    // The topic requests so far (initialisation left out).
    std::vector<RecordedCall> TopicRequests() const {
        std::vector<RecordedCall> topics;
        for (const RecordedCall& call : RecordedCalls()) {
            if (call.Command != HH_INITIALIZE) {
                topics.push_back(call);
            }
        }
        return topics;
    }

    TempHome home_;
    TempDir dir_;
    FakeMessageBox boxes_;
    std::unique_ptr<TFm_Main> window_;
};

TEST_F(MainWindowHelpTest, F1WithAnyModifiersAndTheHelpButtonAskForTheWelcomeTopic) {
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ControlModifier, Qt::AltModifier};
    for (const Qt::KeyboardModifiers held : modifiers) {
        QTest::keyClick(window_->focusWidget(), Qt::Key_F1, held);
    }
    window_->findChild<QToolButton*>("SpeedButton13")->click();

    const std::vector<RecordedCall> topics = TopicRequests();
    ASSERT_EQ(topics.size(), 5u);
    for (const RecordedCall& topic : topics) {
        EXPECT_EQ(topic.Path, dir_.Path() + "\\Manuvel.chm::/htmls\\intro_welcome.htm");
        EXPECT_EQ(topic.Command, HH_DISPLAY_TOPIC);
        EXPECT_EQ(topic.Data, 0u);
        EXPECT_EQ(topic.Caller, Application->Handle());
    }
    EXPECT_NE(Application->Handle(), 0u);
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(MainWindowHelpTest, OnlyF1AsksForHelpAndTypingGoesOn) {
    auto* url = window_->findChild<QLineEdit*>("Edt_URL");
    QTest::keyClicks(url, "ab");
    QTest::keyClick(url, Qt::Key_F2);
    QTest::keyClick(url, Qt::Key_P); // the letter whose character code is F1's key code
    EXPECT_TRUE(TopicRequests().empty());

    QTest::keyClick(url, Qt::Key_F1);
    QTest::keyClicks(url, "c");
    EXPECT_EQ(TopicRequests().size(), 1u);
    EXPECT_EQ(url->text(), "abpc");
}

TEST_F(MainWindowHelpTest, TheEngineDialogsHelpButtonAsksForTheMarkersTopic) {
    auto* dialog = window_->findChild<QDialog*>("Fm_engdata");
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>("Button3")->click();

    const std::vector<RecordedCall> topics = TopicRequests();
    ASSERT_EQ(topics.size(), 1u);
    EXPECT_EQ(topics[0].Path, ProgramDirectory() + "\\Manuvel.chm::/htmls\\Manual_getkeys.htm");
    EXPECT_EQ(topics[0].Command, HH_DISPLAY_TOPIC);
    EXPECT_EQ(topics[0].Caller, Application->Handle());
    EXPECT_TRUE(boxes_.Shown().empty());
}

} // namespace

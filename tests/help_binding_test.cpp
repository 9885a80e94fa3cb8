#include "help_modules/recorded_call.h"
#include "main/HTMLHelp_Decl.h"
#include "platform/dynamic_library.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const std::string kNotInstalled = "HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!";
const std::string kNoEntryPoint = "Function HTMLHELP cannot loaded!";
const std::string kTopic = "/opt/quillmark/\\Manuvel.chm::/htmls\\intro_welcome.htm";
constexpr HWND kCaller = 0x1234;

// The calls the recording module took; the same module as the binding
// loads, since a loaded module stays loaded.
std::vector<RecordedCall>& RecordedCalls() {
    const HMODULE module = LoadLibraryA(QM_RECORDING_MODULE_DIR "/HHCTRL.OCX");
    const auto calls =
        reinterpret_cast<RecordedCallsProc>(GetProcAddress(module, "RecordedHelpCalls"));
    return *calls();
}

std::string ErrorOf(HtmlHelpBinding& binding) {
    try {
        binding.Call(kCaller, kTopic, HH_DISPLAY_TOPIC, 0);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no error";
}

class HelpBindingTest : public testing::Test {
protected:
    void SetUp() override { RecordedCalls().clear(); }
    void TearDown() override { SetSystemDirectory(""); }

    HtmlHelpBinding binding_;
};

TEST_F(HelpBindingTest, FirstRequestInitialisesTheControlOnceBeforeTheTopic) {
    SetSystemDirectory(QM_RECORDING_MODULE_DIR);

    EXPECT_EQ(binding_.Call(kCaller, kTopic, HH_DISPLAY_TOPIC, 0), kRecordingWindow);
    EXPECT_EQ(binding_.Call(kCaller, kTopic, HH_DISPLAY_TOPIC, 0), kRecordingWindow);

    const std::vector<RecordedCall>& calls = RecordedCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].Command, HH_INITIALIZE);
    EXPECT_EQ(calls[0].Caller, 0u);
    EXPECT_FALSE(calls[0].HasPath);
    EXPECT_NE(calls[0].Data, 0u) << "the cookie's address";
    for (const RecordedCall& topic : {calls[1], calls[2]}) {
        EXPECT_EQ(topic.Command, HH_DISPLAY_TOPIC);
        EXPECT_EQ(topic.Caller, kCaller);
        EXPECT_EQ(topic.Path, kTopic);
        EXPECT_EQ(topic.Data, 0u);
    }
}

TEST_F(HelpBindingTest, AFailedLoadFailsEachTimeAndIsTriedAgainNextTime) {
    TempDir empty;
    SetSystemDirectory(empty.Path());
    EXPECT_EQ(ErrorOf(binding_), kNotInstalled);
    EXPECT_EQ(ErrorOf(binding_), kNotInstalled);

    SetSystemDirectory(QM_RECORDING_MODULE_DIR);
    EXPECT_EQ(binding_.Call(kCaller, kTopic, HH_DISPLAY_TOPIC, 0), kRecordingWindow);
    EXPECT_EQ(RecordedCalls().size(), 2u) << "initialisation, then the topic";
}

// The module stays loaded without its entry point; every request looks for
// it again and fails again, and nothing is called.
TEST_F(HelpBindingTest, AMissingEntryPointFailsEachTimeAndIsNeverCalled) {
    SetSystemDirectory(QM_NO_ENTRY_MODULE_DIR);
    EXPECT_EQ(ErrorOf(binding_), kNoEntryPoint);
    EXPECT_EQ(ErrorOf(binding_), kNoEntryPoint);

    SetSystemDirectory(QM_RECORDING_MODULE_DIR);
    EXPECT_EQ(ErrorOf(binding_), kNoEntryPoint);
    EXPECT_TRUE(RecordedCalls().empty());
}

// A folder of exactly `length` characters holding a working help module.
std::string FolderOfLength(const TempDir& base, std::size_t length) {
    std::string folder = base.Path().substr(0, base.Path().size() - 1);
    while (length - folder.size() > 102) {
        folder += "/" + std::string(100, 'd');
    }
    folder += "/" + std::string(length - folder.size() - 1, 'e');
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(QM_RECORDING_MODULE_DIR "/HHCTRL.OCX", folder + "/HHCTRL.OCX");
    return folder;
}

TEST_F(HelpBindingTest, AFolderTooLongForTheBufferFailsLikeAFailedLoad) {
    const struct {
        std::size_t length;
        bool loads;
    } cases[] = {
        {244, true},  // with "\HHCTRL.OCX" and its NUL: 256 characters
        {245, false}, // one more than the buffer holds
        {254, false}, // the longest name the folder query gives
        {300, false}, // longer than the folder query's buffer
    };
    for (const auto& c : cases) {
        TempDir base;
        const std::string folder = FolderOfLength(base, c.length);
        ASSERT_EQ(folder.size(), c.length);
        SetSystemDirectory(folder);
        HtmlHelpBinding binding;
        EXPECT_EQ(ErrorOf(binding), c.loads ? "no error" : kNotInstalled) << c.length;
    }
}

TEST(CallHtmlHelpTest, KeepsOneBindingForTheRun) {
    RecordedCalls().clear();
    SetSystemDirectory(QM_RECORDING_MODULE_DIR);
    EXPECT_EQ(CallHtmlHelp(kCaller, kTopic, HH_DISPLAY_TOPIC, 0), kRecordingWindow);
    EXPECT_EQ(CallHtmlHelp(kCaller, kTopic, HH_DISPLAY_TOPIC, 0), kRecordingWindow);
    EXPECT_EQ(RecordedCalls().size(), 3u) << "one initialisation, two topics";
    SetSystemDirectory("");
}

} // namespace

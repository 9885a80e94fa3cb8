// Help from the main window: F1 anywhere in it, and the help button.
#include "gui/key_preview.h"
#include "gui/main_window.h"
#include "main/HTMLHelp_Decl.h"
#include "platform/application.h"

namespace {

constexpr const char* kWelcomeTopic = "\\Manuvel.chm::/htmls\\intro_welcome.htm";

void ShowWelcomeTopic(const std::string& programDirectory) {
    CallHtmlHelp(Application->Handle(), programDirectory + kWelcomeTopic, HH_DISPLAY_TOPIC, 0);
}

} // namespace

// Sees every key before the focused control and leaves it to that control.
void TFm_Main::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key == VK_F1) {
        ShowWelcomeTopic(programDirectory_);
    }
}

void TFm_Main::SpeedButton13Click() {
    ShowWelcomeTopic(programDirectory_);
}

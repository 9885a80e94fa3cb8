// The buttons that hand the maker's addresses to the shell: the mail and
// web-site links and the catalogue download page.
#include "gui/main_window.h"
#include "main/maker_site.h"
#include "platform/shell_execute.h"

namespace {

// The shell's answer is not looked at; a target it cannot open shows nothing.
void OpenInShell(QWidget& window, const std::string& target) {
    ShellExecuteA(static_cast<HWND>(window.winId()), "open", target.c_str(), "", "", SW_SHOWNORMAL);
}

} // namespace

void TFm_Main::SpeedButton17Click() {
    OpenInShell(*this, MakerMailTarget());
}

void TFm_Main::SpeedButton2Click() {
    OpenInShell(*this, MakerSiteUrl());
}

void TFm_Main::Sbt_downdataClick() {
    OpenInShell(*this, MakerDownloadPageUrl());
}

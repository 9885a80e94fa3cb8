#include "main/HTMLHelp_Decl.h"

#include <cstring>
#include <stdexcept>

namespace {

constexpr unsigned kDirectoryBufferSize = 256;
constexpr const char* kControlFile = "\\HHCTRL.OCX";

} // namespace

HWND HtmlHelpBinding::Call(HWND caller, const std::string& path, unsigned command,
                           std::uint32_t data) {
    if (module_ == nullptr) {
        Load();
    }
    // A module without the entry point stays loaded; each request looks for
    // the entry point again and fails again while it is missing.
    if (htmlHelp_ == nullptr) {
        FindEntryPoint();
        htmlHelp_(0, nullptr, HH_INITIALIZE, reinterpret_cast<std::uintptr_t>(&cookie_));
    }
    return htmlHelp_(caller, path.c_str(), command, data);
}

// The control's file in the system folder. A folder name too long to take
// the file's name as well in the buffer fails like a failed load.
void HtmlHelpBinding::Load() {
    char folder[kDirectoryBufferSize] = {};
    const unsigned length = GetSystemDirectoryA(folder, kDirectoryBufferSize - 1);
    if (length > 0 && length + std::strlen(kControlFile) < kDirectoryBufferSize) {
        module_ = LoadLibraryA((std::string(folder, length) + kControlFile).c_str());
    }
    if (module_ == nullptr) {
        throw std::runtime_error("HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
    }
}

void HtmlHelpBinding::FindEntryPoint() {
    htmlHelp_ = reinterpret_cast<HtmlHelpProc>(GetProcAddress(module_, "HtmlHelpA"));
    if (htmlHelp_ == nullptr) {
        throw std::runtime_error("Function HTMLHELP cannot loaded!");
    }
}

HWND CallHtmlHelp(HWND caller, const std::string& path, unsigned command, std::uint32_t data) {
    static HtmlHelpBinding binding;
    return binding.Call(caller, path, command, data);
}

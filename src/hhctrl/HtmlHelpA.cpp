#include "hhctrl/HtmlHelpA.h"

#include "hhctrl/help_path.h"
#include "hhctrl/help_window.h"

#include <QApplication>
#include <QPointer>

namespace {

constexpr unsigned kDisplayTopic = 0;
constexpr unsigned kInitialize = 28;

std::uint32_t lastCookie = 0;

// One help window for the whole run, made on the first topic request.
HelpWindow* TheHelpWindow() {
    static QPointer<HelpWindow> window;
    if (window.isNull()) {
        window = new HelpWindow();
    }
    return window;
}

std::uintptr_t DisplayTopic(const char* path) {
    // The window needs the program's widget application.
    if (path == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return 0;
    }
    const std::optional<HelpPath> request = SplitHelpPath(path);
    if (!request) {
        return 0;
    }
    HelpWindow* window = TheHelpWindow();
    if (!window->ShowTopic(request->File, request->Topic)) {
        return 0;
    }
    return static_cast<std::uintptr_t>(window->winId());
}

} // namespace

extern "C" std::uintptr_t HtmlHelpA(std::uintptr_t, const char* file, unsigned command,
                                    std::uintptr_t data) {
    switch (command) {
    case kInitialize:
        if (data != 0) {
            *reinterpret_cast<std::uint32_t*>(data) = ++lastCookie;
        }
        return 0;
    case kDisplayTopic:
        return DisplayTopic(file);
    default:
        return 0;
    }
}

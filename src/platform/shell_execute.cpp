#include "platform/shell_execute.h"

#include "platform/qt_text.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

constexpr HINSTANCE kOpened = 42;

class DesktopShell final : public ShellBackend {
public:
    HINSTANCE Execute(const ShellExecuteRequest& request) override {
        if (request.Verb != "open" || !request.Parameters.empty()) {
            return SE_ERR_NOASSOC;
        }
        const QUrl target(ToQString(request.File));
        return QDesktopServices::openUrl(target) ? kOpened : SE_ERR_NOASSOC;
    }
};

DesktopShell desktopShell;
ShellBackend* backend = &desktopShell;

std::string TextOf(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

void SetShellBackend(ShellBackend* newBackend) {
    backend = newBackend != nullptr ? newBackend : &desktopShell;
}

HINSTANCE ShellExecuteA(HWND window, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCommand) {
    return backend->Execute(
        {window, TextOf(verb), TextOf(file), TextOf(parameters), TextOf(directory), showCommand});
}

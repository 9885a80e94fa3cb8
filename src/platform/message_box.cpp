#include "platform/message_box.h"

#include <cstdio>

namespace {

class StandardErrorBackend final : public MessageBoxBackend {
public:
    int Show(const MessageBoxRequest& request) override {
        std::fprintf(stderr, "%s: %s\n", request.Caption.c_str(), request.Text.c_str());
        return (request.Flags & MB_YESNO) != 0 ? IDNO : IDOK;
    }
};

StandardErrorBackend standardErrorBackend;
MessageBoxBackend* currentBackend = &standardErrorBackend;

} // namespace

void SetMessageBoxBackend(MessageBoxBackend* backend) {
    currentBackend = backend != nullptr ? backend : &standardErrorBackend;
}

int MessageBoxA(const std::string& text, const std::string& caption, unsigned flags) {
    return currentBackend->Show({text, caption, flags});
}

#include "support/fake_message_box.h"

FakeMessageBox::FakeMessageBox() {
    SetMessageBoxBackend(this);
}

FakeMessageBox::~FakeMessageBox() {
    SetMessageBoxBackend(nullptr);
}

std::vector<std::string> FakeMessageBox::Texts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRequest& request : shown_) {
        texts.push_back(request.Text);
    }
    return texts;
}

int FakeMessageBox::Show(const MessageBoxRequest& request) {
    shown_.push_back(request);
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return (request.Flags & MB_YESNO) != 0 ? IDNO : IDOK;
}

#pragma once

#include "platform/message_box.h"

#include <deque>
#include <vector>

// Answers the program's message boxes for a test and records what they said.
// Installed for its lifetime; unanswered boxes get OK, or No for a question.
class FakeMessageBox final : public MessageBoxBackend {
public:
    FakeMessageBox();
    ~FakeMessageBox() override;
    FakeMessageBox(const FakeMessageBox&) = delete;
    FakeMessageBox& operator=(const FakeMessageBox&) = delete;

    void SetNextAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxRequest>& Shown() const { return shown_; }
    std::vector<std::string> Texts() const;
    void Clear() { shown_.clear(); }

    int Show(const MessageBoxRequest& request) override;

private:
    std::deque<int> answers_;
    std::vector<MessageBoxRequest> shown_;
};

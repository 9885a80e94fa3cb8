#pragma once

#include "platform/message_box.h"

// Shows the program's message boxes with QMessageBox, centred on the screen.
class QtMessageBoxBackend final : public MessageBoxBackend {
public:
    int Show(const MessageBoxRequest& request) override;
};

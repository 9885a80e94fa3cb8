#include "platform/show_message.h"

#include "platform/application.h"
#include "platform/message_box.h"

void ShowMessage(const std::string& text) {
    MessageBoxA(text, Application->Title(), MB_OK);
}

#pragma once

#include <string>

// Every message box of the program goes through here. The widgets install a
// backend over QMessageBox; tests install one that answers and records.

// Message-box flags and results, with the values the program passes around.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

struct MessageBoxRequest {
    std::string Text;
    std::string Caption;
    unsigned Flags = MB_OK;
};

class MessageBoxBackend {
public:
    virtual ~MessageBoxBackend() = default;
    // Shows the box modally and returns the button pressed.
    virtual int Show(const MessageBoxRequest& request) = 0;
};

// Installs the backend (not owned); nullptr restores the default, which writes
// the text to standard error and answers as if OK or No had been pressed.
void SetMessageBoxBackend(MessageBoxBackend* backend);

// A box with the given caption and flags; returns IDOK, IDYES or IDNO.
int MessageBoxA(const std::string& text, const std::string& caption, unsigned flags);

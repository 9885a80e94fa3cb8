#include "platform/application.h"

#include "platform/message_box.h"

#include <QCoreApplication>
#include <stdexcept>

namespace {

TApplication theApplication;

} // namespace

TApplication* const Application = &theApplication;

void TApplication::Terminate() {
    terminated_ = true;
    QCoreApplication::quit();
}

void TApplication::Run() {
    if (!terminated_) {
        QCoreApplication::exec();
    }
}

void TApplication::ShowException(const std::exception& error) {
    MessageBoxA(ErrorBoxText(error.what()), title_, MB_OK | MB_ICONERROR);
}

void TApplication::RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

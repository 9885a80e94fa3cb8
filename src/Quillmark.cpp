#include "platform/application.h"
#include "platform/qt_message_box.h"
#include "platform/window_bridge.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtMessageBoxBackend messageBoxes;
    SetMessageBoxBackend(&messageBoxes);
    Application->SetTitle("Tavrello");
    WindowBridge::Open();
    Application->Run();
    WindowBridge::CloseCurrent();
    return 0;
}

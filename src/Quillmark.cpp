// The program's main block.
#include "gui/fonts.h"
#include "gui/main_window.h"
#include "gui/qt_message_box.h"
#include "gui/update.h"
#include "platform/application.h"
#include "platform/program_directory.h"

#include <QApplication>
#include <memory>

namespace {

int ProgramMain(int argc, char* argv[]) {
    QApplication app(argc, argv);
    UseProgramFonts();
    QtMessageBoxBackend messageBoxes;
    SetMessageBoxBackend(&messageBoxes);
    Application->SetTitle("Tavrello");

    // The main window creates the engine settings dialog, its own for the run.
    auto Fm_Main = std::make_unique<TFm_Main>();
    // Nothing shows the update dialog; when shown it centres over the main
    // window, its parent.
    auto FM_Update = std::make_unique<TFM_Update>(ProgramDirectory(), Fm_Main.get());

    Fm_Main->show();
    Application->Run();

    // The windows go before the application object; workers still running
    // are not waited for.
    FM_Update.reset();
    Fm_Main.reset();
    SetMessageBoxBackend(nullptr);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    return ProgramMain(argc, argv);
}

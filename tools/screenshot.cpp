// Renders the main window offscreen into a PNG, with a few sample engine rows
// in each state, or the catalogue update dialog, to check the layout by eye.
//     quillmark_screenshot OUT.png [PAGE]     PAGE 0 "Run Search", 1 "Records",
//                                             "update" the update dialog
#include "gui/main_window.h"
#include "gui/update.h"
#include "main/engine_list.h"
#include "main/record_list.h"
#include "platform/application.h"
#include "platform/program_directory.h"

#include <QApplication>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void AddSampleRows(TFm_Main& window) {
    EngineList& engines = window.Engines();
    const struct {
        const char* name;
        const char* ordination;
        const char* pages;
        const char* status;
        int image;
    } samples[] = {
        {"Example Search", "No. 7", "1", "OK! Found", 0},
        {"Another Engine", "", "2", "Searching ... ", 1},
        {"Third Engine", "N/A", " ", "Sorry! Connect Error", 3},
        {"Fourth Engine", "N/A", " ", "Ready", 0},
    };
    for (const auto& sample : samples) {
        const int row = engines.Add(sample.name);
        engines.SetField(row, 0, sample.ordination);
        engines.SetField(row, 1, sample.pages);
        engines.SetField(row, 2, sample.status);
        engines.SetImageIndex(row, sample.image);
    }
    engines.SetChecked(3, false);

    TRecordRow record;
    record.Caption = "12/10/2026 8:20:44 AM";
    record.SubItems = {"rank watch", "example.org", "Example Search", "No. 7"};
    window.Records().SetRows({record});
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [PAGE]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    Application->SetTitle("Tavrello");
    TFm_Main window;
    AddSampleRows(window);
    window.Tab_htm()->setCurrentIndex(argc > 2 ? std::atoi(argv[2]) : 0);
    window.show();
    TFM_Update update(ProgramDirectory(), &window);
    QWidget* shown = &window;
    if (argc > 2 && std::strcmp(argv[2], "update") == 0) {
        update.show();
        shown = &update;
    }
    QApplication::processEvents();
    if (!shown->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

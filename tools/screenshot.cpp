// Renders the main window offscreen into a PNG, with a few sample engine rows
// in each state, to check the layout by eye; or the engine settings dialog,
// filled from the first engine of the catalogue ("edit") or empty ("append").
//     quillmark_screenshot OUT.png [PAGE]     PAGE 0 "Run Search", 1 "Records",
//                                             edit, append
#include "gui/main_window.h"
#include "gui/neweng.h"
#include "main/engine_list.h"
#include "main/record_list.h"
#include "platform/application.h"

#include <QApplication>
#include <QTabWidget>
#include <QTreeView>
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

// The engine settings dialog as the edit or add command shows it.
QWidget& EngineDialog(TFm_Main& window, bool edit) {
    auto* dialog = window.findChild<TFm_engdata*>(QStringLiteral("Fm_engdata"));
    auto* engines = window.findChild<QTreeView*>(QStringLiteral("LstV_eng"));
    if (edit) {
        dialog->FillEngineDialog(*qobject_cast<EngineList*>(engines->model()), 0);
    } else {
        dialog->ClearEngineDialog();
    }
    dialog->show();
    return *dialog;
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
    const char* page = argc > 2 ? argv[2] : "0";
    const bool edit = std::strcmp(page, "edit") == 0;
    const bool dialog = edit || std::strcmp(page, "append") == 0;
    window.Tab_htm()->setCurrentIndex(dialog ? 0 : std::atoi(page));
    window.show();
    QWidget& shown = dialog ? EngineDialog(window, edit) : window;
    QApplication::processEvents();
    if (!shown.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

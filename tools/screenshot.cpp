// Renders the main window offscreen into a PNG, with a few sample engine rows
// in each state, to check the layout by eye.
//     quillmark_screenshot OUT.png [PAGE]     PAGE 0 "Run Search", 1 "Records"
#include "gui/main_window.h"
#include "main/engine_list.h"
#include "main/record_list.h"
#include "platform/application.h"

#include <QApplication>
#include <QTabWidget>
#include <QTreeView>
#include <cstdio>
#include <cstdlib>

namespace {

// The rows that the list control `name` of the window shows.
template <typename Rows> Rows& ListRows(const TFm_Main& window, const char* name) {
    return *qobject_cast<Rows*>(window.findChild<QTreeView*>(QString::fromLatin1(name))->model());
}

void AddSampleRows(TFm_Main& window) {
    auto& engines = ListRows<EngineList>(window, "LstV_eng");
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
    ListRows<RecordList>(window, "LstV_records").SetRows({record});
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
    window.findChild<QTabWidget*>(QStringLiteral("Tab_htm"))
        ->setCurrentIndex(argc > 2 ? std::atoi(argv[2]) : 0);
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

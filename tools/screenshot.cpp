// Renders the main window offscreen into a PNG, with a few sample engine rows
// in each state, the engine settings dialog, filled from the first engine of
// the catalogue ("edit") or empty ("append"), the help window with one of its
// topics, or the catalogue update dialog, to check the layout by eye.
//     quillmark_screenshot OUT.png [PAGE]     PAGE 0 "Run Search", 1 "Records",
//                                             edit, append, a help topic:
//                                             intro, getkeys, or "update"
#include "gui/fonts.h"
#include "gui/main_window.h"
#include "gui/neweng.h"
#include "gui/update.h"
#include "main/HTMLHelp_Decl.h"
#include "main/engine_list.h"
#include "main/record_list.h"
#include "platform/application.h"
#include "platform/program_directory.h"

#include <QApplication>
#include <QTabWidget>
#include <QTreeView>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// The help window showing the topic, as the program's help requests show it.
QWidget* HelpWindow(const char* topic) {
    const std::string page =
        std::strcmp(topic, "getkeys") == 0 ? "Manual_getkeys.htm" : "intro_welcome.htm";
    const HWND handle =
        CallHtmlHelp(Application->Handle(), ProgramDirectory() + "\\Manuvel.chm::/htmls\\" + page,
                     HH_DISPLAY_TOPIC, 0);
    return QWidget::find(static_cast<WId>(handle));
}

bool Save(QWidget* window, const char* file) {
    QApplication::processEvents();
    if (window == nullptr || !window->grab().save(QString::fromLocal8Bit(file))) {
        std::fprintf(stderr, "cannot write %s\n", file);
        return false;
    }
    return true;
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
    UseProgramFonts();
    Application->SetTitle("Tavrello");
    const char* page = argc > 2 ? argv[2] : "0";
    if (std::strcmp(page, "intro") == 0 || std::strcmp(page, "getkeys") == 0) {
        return Save(HelpWindow(page), argv[1]) ? 0 : 1;
    }
    TFm_Main window;
    AddSampleRows(window);
    const bool edit = std::strcmp(page, "edit") == 0;
    const bool dialog = edit || std::strcmp(page, "append") == 0;
    window.findChild<QTabWidget*>(QStringLiteral("Tab_htm"))
        ->setCurrentIndex(dialog ? 0 : std::atoi(page));
    window.show();
    if (dialog) {
        return Save(&EngineDialog(window, edit), argv[1]) ? 0 : 1;
    }
    TFM_Update update(ProgramDirectory(), &window);
    if (std::strcmp(page, "update") == 0) {
        update.show();
        return Save(&update, argv[1]) ? 0 : 1;
    }
    return Save(&window, argv[1]) ? 0 : 1;
}

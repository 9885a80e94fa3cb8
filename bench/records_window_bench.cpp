// The main window over a records file of 10,000 saves of 10 engines (100,000
// records, about 12 MB), with the real widgets on the offscreen platform and
// accessibility active, as a screen reader makes it: every change of a list
// reaches the reader's handler, which asks for the object it concerns.
//   - start-up: the window built, its catalogues and records loaded, shown
//     and painted;
//   - a save of the 10 shipped engines, up to the repainted list;
//   - the delete of every record, up to the repainted empty list.
#include "bench/records_file.h"
#include "gui/fonts.h"
#include "gui/main_window.h"
#include "main/catalogues.h"
#include "platform/application.h"
#include "platform/message_box.h"
#include "platform/window_bridge.h"
#include "support/fake_message_box.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <QAccessible>
#include <QApplication>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Saves = 10000;

long accessibleEvents = 0;

// What a screen reader's bridge does first with every event: find the
// object that it concerns.
void ScreenReader(QAccessibleEvent* event) {
    ++accessibleEvents;
    benchmark::DoNotOptimize(event->accessibleInterface());
}

// A program folder with the ten engines, all ticked when loaded.
void WriteCatalogues(const TempDir& folder) {
    std::string engines = "[Description]\r\nTen engines\r\n[Engines URL]\r\n";
    std::string search = "[Search URL]\r\n";
    std::string lists = "[List Tag]\r\n";
    std::string nexts = "[Next Tag]\r\n";
    for (const char* engine : kBenchEngines) {
        const std::string name = engine;
        engines += name + "=http://" + name + ".example/\r\n";
        search += name + "=http://" + name + ".example/search?q=\r\n";
        lists += name + "=<ol>*<li>**\r\n";
        nexts += name + "=*<a*Next*</a>\r\n";
    }
    WriteFile(EnginesFileIn(folder.Path()), engines + search + lists + nexts);
    WriteFile(CustomEnginesFileIn(folder.Path()), "[Description]\r\nNone yet\r\n");
}

int RecordRows(const TFm_Main& window) {
    return window.findChild<QTreeView*>(QStringLiteral("LstV_records"))->model()->rowCount();
}

// Lets the window lay out and paint what changed.
void Settle(TFm_Main& window) {
    QApplication::processEvents();
    window.repaint();
}

void ShowTheRecordsPage(TFm_Main& window) {
    window.findChild<QTabWidget*>()->setCurrentIndex(1);
    Settle(window);
}

class RecordsWindow final {
public:
    RecordsWindow() {
        WriteRecordsFile(Saves);
        WriteCatalogues(folder_);
    }
    std::unique_ptr<TFm_Main> Open() const {
        auto window = std::make_unique<TFm_Main>(folder_.Path());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            std::abort();
        }
        QApplication::processEvents();
        return window;
    }

private:
    TempHome home_;
    TempDir folder_;
};

void BM_StartUpToTheVisibleWindow(benchmark::State& state) {
    const RecordsWindow records;
    int rows = 0;
    for (auto _ : state) {
        const std::unique_ptr<TFm_Main> window = records.Open();
        rows = RecordRows(*window);
        state.PauseTiming();
        window->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["records"] = rows;
}
BENCHMARK(BM_StartUpToTheVisibleWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveThisResultToTheReloadedList(benchmark::State& state) {
    const RecordsWindow records;
    const std::unique_ptr<TFm_Main> window = records.Open();
    for (auto _ : state) {
        window->Sbt_saveClick();
        Settle(*window);
    }
    state.counters["records"] = RecordRows(*window);
}
BENCHMARK(BM_SaveThisResultToTheReloadedList)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DeleteEveryRecordToTheEmptyList(benchmark::State& state) {
    const RecordsWindow records;
    FakeMessageBox boxes;
    for (auto _ : state) {
        state.PauseTiming();
        WriteRecordsFile(Saves);
        const std::unique_ptr<TFm_Main> window = records.Open();
        ShowTheRecordsPage(*window);
        window->SpeedButton15Click();
        Settle(*window);
        boxes.SetNextAnswer(IDYES);
        state.ResumeTiming();
        window->SpeedButton12Click();
        Settle(*window);
        state.PauseTiming();
        if (RecordRows(*window) != 0) {
            std::abort();
        }
        window->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteEveryRecordToTheEmptyList)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    UseProgramFonts();
    Application->SetTitle("Tavrello");
    // As a screen reader's bridge turns it on; the offscreen platform has no
    // bridge of its own.
    QAccessible::installUpdateHandler(ScreenReader);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    if (!QAccessible::isActive()) {
        std::abort();
    }
    WindowBridge::Open();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    WindowBridge::CloseCurrent();
    std::printf("accessibility events: %ld\n", accessibleEvents);
    return 0;
}

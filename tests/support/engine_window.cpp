#include "support/engine_window.h"

#include "gui/main_window.h"
#include "gui/neweng.h"
#include "main/engine_list.h"
#include "platform/application.h"

#include <QAbstractButton>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>
#include <stdexcept>

namespace {

template <typename Widget> Widget& Find(const QObject& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        throw std::logic_error(std::string("no control ") + name);
    }
    return *widget;
}

} // namespace

EngineWindow::EngineWindow() {
    Application->Reset();
}

EngineWindow::~EngineWindow() {
    window_.reset();
    Application->Reset();
}

void EngineWindow::Open(const std::string& standard, const std::string& custom) {
    WriteFile(EnginesFile(), standard);
    WriteFile(CustomEnginesFile(), custom);
    window_ = std::make_unique<TFm_Main>(dir_.Path());
}

QTreeView& EngineWindow::LstV_eng() const {
    return Find<QTreeView>(*window_, "LstV_eng");
}

EngineList& EngineWindow::Engines() const {
    return *qobject_cast<EngineList*>(LstV_eng().model());
}

QAbstractButton& EngineWindow::Button(const char* name) const {
    return Find<QAbstractButton>(*window_, name);
}

TFm_engdata& EngineWindow::Dialog() const {
    return Find<TFm_engdata>(*window_, "Fm_engdata");
}

QLineEdit& EngineWindow::Box(const char* name) const {
    return Find<QLineEdit>(Dialog(), name);
}

QAbstractButton& EngineWindow::DialogButton(const char* name) const {
    return Find<QAbstractButton>(Dialog(), name);
}

std::vector<std::string> EngineWindow::Rows() const {
    std::vector<std::string> rows;
    for (int row = 0; row < Engines().Count(); ++row) {
        rows.push_back(Engines().Row(row).Caption + "/" +
                       Engines().Row(row).SubItems[TEngineRow::Kind]);
    }
    return rows;
}

std::vector<bool> EngineWindow::Ticks() const {
    std::vector<bool> ticks;
    for (int row = 0; row < Engines().Count(); ++row) {
        ticks.push_back(Engines().Row(row).Checked);
    }
    return ticks;
}

void EngineWindow::Select(int row) {
    QTreeView& view = LstV_eng();
    const QModelIndex index = view.model()->index(row, 0);
    view.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
}

int EngineWindow::SelectedRow() const {
    const QModelIndexList rows = LstV_eng().selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

bool EngineWindow::RunDialog(const char* command, const std::function<void()>& inDialog,
                             bool* opened) {
    bool shown = false;
    bool leftOpen = false;
    // The dialog runs its own modal loop inside the click: the actions are
    // queued before it, and run once it shows.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        TFm_engdata& dialog = Dialog();
        shown = dialog.isVisible();
        if (!shown) {
            return;
        }
        inDialog();
        leftOpen = dialog.isVisible();
        if (leftOpen) {
            DialogButton("Button2").click();
        }
    });
    timer.start(0);
    Button(command).click();
    timer.stop();
    if (opened != nullptr) {
        *opened = shown;
    }
    return leftOpen;
}

void EngineWindow::Type(const std::string& name, const std::string& url,
                        const std::string& resultStart, const std::string& itemStart,
                        const std::string& nextStart, const std::string& nextKeyword,
                        const std::string& nextEnd) {
    const std::pair<const char*, const std::string*> boxes[] = {
        {"Edt_EngName", &name}, {"Edt_URL", &url},      {"Edt_RB", &resultStart},
        {"Edt_LB", &itemStart}, {"Edt_NB", &nextStart}, {"Edt_NKey", &nextKeyword},
        {"Edt_NE", &nextEnd},
    };
    for (const auto& [box, text] : boxes) {
        Box(box).setText(QString::fromStdString(*text));
    }
}

#include "gui/update.h"

#include "gui/dialog_flags.h"
#include "gui/dialog_placement.h"
#include "gui/guarded_slot.h"
#include "main/catalogue_update.h"
#include "main/catalogues.h"
#include "main/maker_site.h"
#include "ui_TFM_Update.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int StateMinimumWidth = 206;
constexpr int StateLeft = 32;

} // namespace

TFM_Update::TFM_Update(std::string programDirectory, QWidget* parent)
    : QDialog(parent, DialogFlags)
    , ui_(std::make_unique<Ui::TFM_Update>())
    , programDirectory_(std::move(programDirectory)) {
    ui_->setupUi(this);
    setFixedSize(374, 101);
    QFont controlFont = font();
    controlFont.setPixelSize(13);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui_->Lb_State, ui_->Btn_ok, ui_->Btn_cancel}) {
        control->setFont(controlFont);
    }
    FitState();
    connect(ui_->Btn_ok, &QPushButton::clicked, this, Guarded([this] { Btn_okClick(); }));
    connect(ui_->Btn_cancel, &QPushButton::clicked, this, Guarded([this] { Btn_cancelClick(); }));
}

TFM_Update::~TFM_Update() = default;

void TFM_Update::Btn_okClick() {
    EnableButtons(false);
    ShowState(QStringLiteral("Now Updating Engines Data, Please Wait...."));
    try {
        const std::string body = IdHTTP1.Get(CatalogueDownloadUrl());
        InstallDownloadedCatalogue(EnginesFileIn(programDirectory_), body);
    } catch (const std::exception&) {
        ShowState(QStringLiteral("Connect error! Please try later.Press Cancel to Return!"));
        EnableButtons(true);
        return;
    }
    ui_->Btn_ok->setText(QStringLiteral("Ok"));
    ShowState(QStringLiteral("Update Completed , Restart Quillmark to use new data!"));
    close();
}

void TFM_Update::Btn_cancelClick() {
    close();
}

void TFM_Update::ShowState(const QString& text) {
    ui_->Lb_State->setText(text);
    FitState();
    ui_->Lb_State->repaint();
}

// A text wider than the label widens it to the right, and then to the left
// as far as the dialog allows, rather than being cut.
void TFM_Update::FitState() {
    QLabel* state = ui_->Lb_State;
    const int wanted = std::max(StateMinimumWidth, state->sizeHint().width());
    const int stateWidth = std::min(wanted, width());
    const int left = std::clamp(width() - stateWidth, 0, StateLeft);
    state->setGeometry(left, state->y(), stateWidth, state->height());
}

void TFM_Update::EnableButtons(bool enabled) {
    ui_->Btn_ok->setEnabled(enabled);
    ui_->Btn_cancel->setEnabled(enabled);
}

void TFM_Update::setVisible(bool visible) {
    if (visible && !isVisible()) {
        CentreOverParentWindow(this);
    }
    QDialog::setVisible(visible);
}

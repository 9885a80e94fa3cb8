#include "gui/neweng.h"

#include "gui/dialog_flags.h"
#include "gui/dialog_placement.h"
#include "gui/guarded_slot.h"
#include "main/HTMLHelp_Decl.h"
#include "main/engine_list.h"
#include "main/engine_settings.h"
#include "main/ini_access.h"
#include "platform/application.h"
#include "platform/program_directory.h"
#include "platform/qt_text.h"
#include "platform/show_message.h"
#include "platform/text.h"
#include "ui_TFm_engdata.h"

#include <QFont>
#include <QKeyEvent>
#include <optional>
#include <utility>

namespace {

constexpr int ClientWidth = 385;
constexpr int ClientHeight = 311;
constexpr int ControlFontPixels = 13;

std::string TextOf(const QLineEdit* box) {
    return FromQString(box->text());
}

// Shows the text from its start, however long it is.
void SetText(QLineEdit* box, const std::string& text) {
    box->setText(ToQString(text));
    box->setCursorPosition(0);
}

} // namespace

TFm_engdata::TFm_engdata(QWidget* parent, std::function<void()> reloadEngines)
    : QDialog(parent, DialogFlags)
    , ui_(std::make_unique<Ui::TFm_engdata>())
    , reloadEngines_(std::move(reloadEngines)) {
    setObjectName(QStringLiteral("Fm_engdata"));
    ui_->setupUi(this);
    setFixedSize(ClientWidth, ClientHeight);
    setWindowModality(Qt::WindowModal);
    // In pixels, so that the texts keep their size at any screen resolution;
    // every control takes the dialog's font.
    QFont controlFont = font();
    controlFont.setPixelSize(ControlFontPixels);
    setFont(controlFont);
    for (QLabel* label : {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label6,
                          ui_->Label7, ui_->Label8}) {
        label->adjustSize();
    }
    connect(ui_->Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(ui_->Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    connect(ui_->Button3, &QPushButton::clicked, this, Guarded([this] { Button3Click(); }));
}

TFm_engdata::~TFm_engdata() = default;

void TFm_engdata::FillEngineDialog(const EngineList& LstV_eng, int selectedRow) {
    if (selectedRow < 0) {
        ShowMessage("Please Select One Item!");
        return;
    }
    const TEngineRow& row = LstV_eng.Row(selectedRow);
    SetText(ui_->Edt_EngName, row.Caption);
    EditEngineName = Trim(row.Caption);
    SetText(ui_->Edt_URL, row.SubItems[TEngineRow::SearchUrl]);
    SetText(ui_->Edt_RB, GetEngineField(LstV_eng, selectedRow, 6, 1));
    SetText(ui_->Edt_LB, GetEngineField(LstV_eng, selectedRow, 6, 2));
    SetText(ui_->Edt_NB, GetEngineField(LstV_eng, selectedRow, 5, 6));
    SetText(ui_->Edt_NE, GetEngineField(LstV_eng, selectedRow, 5, 8));
    SetText(ui_->Edt_NKey, GetEngineField(LstV_eng, selectedRow, 5, 7));
}

void TFm_engdata::ClearEngineDialog() {
    for (QLineEdit* box : {ui_->Edt_EngName, ui_->Edt_URL, ui_->Edt_RB, ui_->Edt_LB, ui_->Edt_NB,
                           ui_->Edt_NE, ui_->Edt_NKey}) {
        box->clear();
    }
}

// Writes the engine into EditFile and reloads the engine list. The removal
// of a renamed engine's old key and the four values go to the file as one
// change, so that no moment leaves the engine lost or half written (but for
// a catalogue overwritten in place, see platform/atomic_file.h); a refused
// change writes nothing and leaves the dialog open.
void TFm_engdata::Button1Click() {
    const std::string homeUrl = HomeUrlOf(TextOf(ui_->Edt_URL));
    const std::string name = Trim(TextOf(ui_->Edt_EngName));
    if (name.empty()) {
        ShowMessage("Engine Name must be specified!");
        return;
    }
    IniEdits edits;
    if (EditMode == "Edit" && EditEngineName != name) {
        edits.push_back({"", EditEngineName, std::nullopt});
    }
    edits.push_back({"Engines URL", name, homeUrl});
    edits.push_back({"Search URL", name, Trim(TextOf(ui_->Edt_URL))});
    edits.push_back({"List Tag", name, ListTagValue(TextOf(ui_->Edt_RB), TextOf(ui_->Edt_LB))});
    edits.push_back(
        {"Next Tag", name,
         NextTagValue(TextOf(ui_->Edt_NB), TextOf(ui_->Edt_NKey), TextOf(ui_->Edt_NE))});
    WriteReadableIniEdits(EditFile, edits);
    reloadEngines_();
    accept();
}

void TFm_engdata::Button2Click() {
    close();
}

void TFm_engdata::Button3Click() {
    CallHtmlHelp(Application->Handle(),
                 ProgramDirectory() + "\\Manuvel.chm::/htmls\\Manual_getkeys.htm", HH_DISPLAY_TOPIC,
                 0);
}

void TFm_engdata::setVisible(bool visible) {
    if (visible && !isVisible()) {
        CentreOverParentWindow(this);
    }
    QDialog::setVisible(visible);
}

// Neither Escape nor Enter closes the dialog or presses a button.
void TFm_engdata::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

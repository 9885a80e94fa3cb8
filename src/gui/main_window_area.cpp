// The search area limit: its bounds are applied when the box is left.
#include "gui/main_window.h"
#include "gui/spin_edit.h"
#include "ui_TFm_Main.h"

void TFm_Main::Edt_areaExit() {
    TSpinEdit* area = ui_->Edt_area;
    if (area->Value() == 0) {
        area->SetValue(area->MinValue());
    }
    if (area->Value() > area->MaxValue()) {
        area->SetValue(area->MaxValue());
    }
    if (area->Value() < area->MinValue()) {
        area->SetValue(area->MinValue());
    }
}

void TFm_Main::RdB_lineClick() {
    ui_->Edt_area->SetMaxValue(200);
}

void TFm_Main::RdB_pageClick() {
    ui_->Edt_area->SetMaxValue(20);
}

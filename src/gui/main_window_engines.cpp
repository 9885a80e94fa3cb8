// The commands of the engine list: tick or untick every engine, and add,
// delete or edit one. Adding, editing and deleting rewrite a catalogue file
// and rebuild the whole list.
#include "gui/main_window.h"
#include "gui/neweng.h"
#include "main/engine_list.h"
#include "main/ini_access.h"
#include "platform/message_box.h"
#include "platform/show_message.h"

void TFm_Main::CreateEngineDialog() {
    engineDialog_ = new TFm_engdata(this, [this] { ReloadEngines(); });
}

const std::string& TFm_Main::CatalogueFileOf(int row) const {
    return engines_->Row(row).SubItems[TEngineRow::Kind] == "S" ? enginesFile_ : customEnginesFile_;
}

void TFm_Main::Sbt_sallClick() {
    for (int row = 0; row < engines_->Count(); ++row) {
        engines_->SetChecked(row, true);
    }
}

void TFm_Main::Sbt_snoneClick() {
    for (int row = 0; row < engines_->Count(); ++row) {
        engines_->SetChecked(row, false);
    }
}

// A new engine always goes into the custom catalogue.
void TFm_Main::Sbt_addClick() {
    engineDialog_->ClearEngineDialog();
    engineDialog_->EditMode = "Append";
    engineDialog_->EditFile = customEnginesFile_;
    engineDialog_->exec();
}

void TFm_Main::Sbt_delClick() {
    const int row = SelectedEngineRow();
    if (row < 0) {
        ShowMessage("You Should Selected one engine site first");
        return;
    }
    const std::string file = CatalogueFileOf(row);
    if (MessageBoxA("Are you sure delete this line?", "Delete?", MB_YESNO | MB_ICONQUESTION) !=
        IDYES) {
        return;
    }
    DeleteIniKey(file, "", engines_->Row(row).Caption);
    ReloadEngines();
}

void TFm_Main::Sbt_edtClick() {
    const int row = SelectedEngineRow();
    if (row < 0) {
        ShowMessage("Please Select One Item!");
        return;
    }
    engineDialog_->FillEngineDialog(*engines_, row);
    engineDialog_->EditMode = "Edit";
    engineDialog_->EditFile = CatalogueFileOf(row);
    engineDialog_->exec();
}

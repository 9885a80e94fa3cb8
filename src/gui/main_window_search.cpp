// The search button and the window side of a search.
#include "gui/main_window.h"
#include "gui/spin_edit.h"
#include "main/engine_list.h"
#include "main/search_launch.h"
#include "platform/qt_text.h"
#include "platform/show_message.h"
#include "platform/text.h"
#include "ui_TFm_Main.h"

void TFm_Main::Sbt_GoClick() {
    if (!AnyEngineTicked()) {
        ShowMessage("You must choose not less than one engine to do search !");
        return;
    }
    if (ui_->Sbt_Go->text() != QStringLiteral("Go!")) {
        StopSearch(*this);
        return;
    }
    if (Trim(SiteUrlText()).empty() || Trim(KeywordsText()).empty()) {
        ShowMessage("URL or Keyword must be specified");
        return;
    }
    ui_->Sbt_Go->setText(QStringLiteral("Stop!"));
    for (QToolButton* button : SearchButtons()) {
        button->setEnabled(false);
    }
    SetGoGlyph(ui_->Pic_stop);
    StartSearch(*this);
}

bool TFm_Main::AnyEngineTicked() const {
    for (int row = 0; row < engines_->Count(); ++row) {
        if (engines_->Row(row).Checked) {
            return true;
        }
    }
    return false;
}

std::array<QToolButton*, 7> TFm_Main::SearchButtons() const {
    return {ui_->Sbt_sall, ui_->Sbt_snone, ui_->Sbt_add,     ui_->Sbt_del,
            ui_->Sbt_edt,  ui_->Sbt_save,  ui_->Sbt_downdata};
}

std::string TFm_Main::SiteUrlText() {
    return FromQString(ui_->Edt_URL->text());
}

std::string TFm_Main::KeywordsText() {
    return FromQString(ui_->Edt_KW->text());
}

int TFm_Main::AreaValue() {
    return ui_->Edt_area->Value();
}

void TFm_Main::SetGoGlyphToRun() {
    SetGoGlyph(ui_->Pic_Run);
}

void TFm_Main::EnableSearchButtons() {
    for (QToolButton* button : SearchButtons()) {
        button->setEnabled(true);
    }
}

void TFm_Main::SetGoCaption(const std::string& caption) {
    ui_->Sbt_Go->setText(ToQString(caption));
}

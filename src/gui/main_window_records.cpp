// The handlers of the records.
#include "gui/main_window.h"
#include "main/records.h"

void TFm_Main::Sbt_saveClick() {
    SaveRecords(*engines_, KeywordsText(), SiteUrlText(), *records_);
}

void TFm_Main::SpeedButton12Click() {
    DeleteRecords(*records_);
}

void TFm_Main::SpeedButton15Click() {
    SelectAllRecords(*records_);
}

void TFm_Main::SpeedButton14Click() {
    SelectNoRecords(*records_);
}

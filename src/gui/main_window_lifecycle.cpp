// The main window's start and end.
#include "gui/main_window.h"
#include "main/catalogues.h"
#include "main/records.h"
#include "main/search_launch.h"
#include "platform/application.h"

void TFm_Main::FormCreate() {
    enginesFile_ = EnginesFileIn(programDirectory_);
    customEnginesFile_ = CustomEnginesFileIn(programDirectory_);
    CheckEngineFiles(programDirectory_);
    ReloadEngines();
    LoadRecords(*records_);
}

// Rebuilds the engine list from both catalogues.
void TFm_Main::ReloadEngines() {
    LoadEngines(*engines_, enginesFile_, customEnginesFile_, pageTexts_);
}

// Asks the workers that still run to stop and ends the application without
// waiting for them; the window always closes.
void TFm_Main::FormCloseQuery(bool& canClose) {
    SpeedButton4Click();
    canClose = true;
}

void TFm_Main::SpeedButton4Click() {
    StopSearch(*this);
    Application->Terminate();
}

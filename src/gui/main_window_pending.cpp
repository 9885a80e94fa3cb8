// Handlers bound to their controls whose work is not built yet: the engine
// list commands, help, the area limit and the web links.
#include "gui/main_window.h"

void TFm_Main::FormKeyDown(int, Qt::KeyboardModifiers) {}
void TFm_Main::Sbt_sallClick() {}
void TFm_Main::Sbt_snoneClick() {}
void TFm_Main::Sbt_addClick() {}
void TFm_Main::Sbt_delClick() {}
void TFm_Main::Sbt_edtClick() {}
void TFm_Main::SpeedButton13Click() {}

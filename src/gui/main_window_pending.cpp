// Handlers bound to their controls whose work is not built yet: the engine
// list commands.
#include "gui/main_window.h"

void TFm_Main::Sbt_sallClick() {}
void TFm_Main::Sbt_snoneClick() {}
void TFm_Main::Sbt_addClick() {}
void TFm_Main::Sbt_delClick() {}
void TFm_Main::Sbt_edtClick() {}

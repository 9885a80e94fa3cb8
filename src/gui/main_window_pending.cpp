// Handlers bound to their controls whose work is not built yet: the engine
// list commands, help, the area limit and the web links.
#include "gui/main_window.h"

void TFm_Main::FormKeyDown(int, Qt::KeyboardModifiers) {}
void TFm_Main::Sbt_downdataClick() {}
void TFm_Main::Edt_areaExit() {}
void TFm_Main::RdB_lineClick() {}
void TFm_Main::RdB_pageClick() {}
void TFm_Main::SpeedButton17Click() {}
void TFm_Main::SpeedButton2Click() {}
void TFm_Main::SpeedButton13Click() {}

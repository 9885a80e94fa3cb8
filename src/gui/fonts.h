#pragma once

// The windows ask for "MS Sans Serif", which Linux lacks: makes Qt prefer
// faces of about its width over the system's default sans face. Call it once
// the application object exists and before any window is made; calling it
// again does nothing more.
void UseProgramFonts();

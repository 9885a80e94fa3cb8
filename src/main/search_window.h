#pragma once

#include "main/engine_list.h"

#include <string>
#include <vector>

class TSearchThread;

// What a search reads from and writes to the main window. Every member runs
// on the window thread: workers reach it only through the window bridge.
class SearchWindow {
public:
    virtual ~SearchWindow() = default;

    virtual EngineList& EngineRows() = 0;                     // LstV_eng
    virtual std::vector<std::string>& PageTexts() = 0;        // one text per row
    virtual std::vector<TSearchThread*>& SearchThreads() = 0; // one slot per row

    virtual std::string SiteUrlText() = 0;  // Edt_URL
    virtual std::string KeywordsText() = 0; // Edt_KW
    virtual int AreaValue() = 0;            // Edt_area

    // The idle look: the run glyph on Sbt_Go, the seven buttons that a
    // search disables enabled again in their order, the caption "Go!".
    virtual void SetGoGlyphToRun() = 0;
    virtual void EnableSearchButtons() = 0;
    virtual void SetGoCaption(const std::string& caption) = 0;
};

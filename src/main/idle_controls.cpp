#include "main/idle_controls.h"

#include "main/search_window.h"

void RestoreIdleWhenNoRowSearches(SearchWindow& window) {
    const EngineList& rows = window.EngineRows();
    for (int i = 0; i < rows.Count(); ++i) {
        if (rows.Row(i).ImageIndex == TEngineRow::IconSearching) {
            return; // that row's worker will look again when it ends
        }
    }
    window.SetGoGlyphToRun();
    window.EnableSearchButtons();
    window.SetGoCaption("Go!");
}

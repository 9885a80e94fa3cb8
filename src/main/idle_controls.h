#pragma once

class SearchWindow;

// Brings the window back to its idle look (the run glyph, the seven buttons
// enabled, the caption "Go!") once no engine row shows a running search.
// On the window thread.
void RestoreIdleWhenNoRowSearches(SearchWindow& window);

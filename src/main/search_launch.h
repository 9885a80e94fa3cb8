#pragma once

#include <string>

class SearchWindow;

// The keywords as sent: trimmed, every inner blank turned into "+".
std::string SearchKeywords(const std::string& keywordsText);

// Starts one search worker for every ticked engine row. A row whose set-up
// fails shows state icon 3 and the other rows are still started; when no
// worker could be started at all, the window goes back to idle at once.
void StartSearch(SearchWindow& window);

// Asks every worker that still runs to stop; a slot whose worker has ended is
// empty.
void StopSearch(SearchWindow& window);

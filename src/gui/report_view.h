#pragma once

#include <initializer_list>

class QTreeView;

// Gives a tree view the look of a report-style list view: grid lines, fixed
// columns, and a selection that stays visible when the view loses the focus.
// Only the first column can be edited in place (where the view's edit
// triggers and the item's flags allow it at all).
void SetUpReportView(QTreeView* view);

// Sets the widths of the first columns, in pixels. Call it after the model
// is set.
void SetColumnWidths(QTreeView* view, std::initializer_list<int> widths);

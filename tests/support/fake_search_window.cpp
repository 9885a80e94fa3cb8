#include "support/fake_search_window.h"

#include <algorithm>

int FakeSearchWindow::AddEngine(const std::string& name, const std::string& searchUrl,
                                const std::string& listTag, const std::string& nextTag,
                                const std::string& homeUrl) {
    const int row = rows.Add(name);
    const std::array<std::string, TEngineRow::FieldCount> fields = {
        "N/A", " ", "Ready", searchUrl, nextTag, listTag, homeUrl, " ", "S", "0"};
    for (int f = 0; f < TEngineRow::FieldCount; ++f) {
        rows.SetField(row, f, fields[static_cast<std::size_t>(f)]);
    }
    pageTexts.resize(static_cast<std::size_t>(rows.Count()));
    return row;
}

bool FakeSearchWindow::AllWorkersEnded() const {
    return std::all_of(searchThreads.begin(), searchThreads.end(),
                       [](const TSearchThread* worker) { return worker == nullptr; });
}

#include "support/fake_search_window.h"

#include <algorithm>
#include <stdexcept>

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

std::string FakeSearchWindow::SiteUrlText() {
    if (onSiteUrlRead) {
        onSiteUrlRead();
    }
    if (!siteUrlError.empty()) {
        throw std::runtime_error(siteUrlError);
    }
    return siteUrl;
}

void FakeSearchWindow::SetGoCaption(const std::string& caption) {
    goCaption = caption;
    events.push_back("caption " + caption);
    if (caption == "Go!") {
        std::vector<std::string> statuses;
        for (int row = 0; row < rows.Count(); ++row) {
            statuses.push_back(rows.Row(row).SubItems[TEngineRow::Status]);
        }
        statusesAtGo.push_back(std::move(statuses));
    }
}

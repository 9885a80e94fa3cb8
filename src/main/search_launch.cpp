#include "main/search_launch.h"

#include "main/idle_controls.h"
#include "main/search_thread.h"
#include "main/search_window.h"
#include "platform/text.h"

#include <algorithm>
#include <memory>

namespace {

// The window learns here that a worker has ended: its slot no longer counts.
void ForgetWorkerWhenEnded(SearchWindow& window, TSearchThread& worker) {
    worker.OnTerminate = [&window](TThread* ended) {
        std::vector<TSearchThread*>& workers = window.SearchThreads();
        std::replace(workers.begin(), workers.end(), static_cast<TSearchThread*>(ended),
                     static_cast<TSearchThread*>(nullptr));
    };
}

void SetUpRow(SearchWindow& window, int row, const std::string& keywords) {
    EngineList& rows = window.EngineRows();
    std::vector<std::string>& pageTexts = window.PageTexts();
    pageTexts.at(static_cast<std::size_t>(row)).clear();
    rows.SetImageIndex(row, TEngineRow::IconSearching);
    rows.SetField(row, TEngineRow::Ordination, "");
    rows.SetField(row, TEngineRow::Pages, "");
    rows.SetField(row, TEngineRow::Status, "Searching ... ");

    const std::string resultStart = GetEngineField(rows, row, 6, 1);
    const std::string itemStart = GetEngineField(rows, row, 6, 2);
    const std::string resultField3 = GetEngineField(rows, row, 6, 3);
    const std::string resultEnd = GetEngineField(rows, row, 6, 4);
    const std::string nextStart = GetEngineField(rows, row, 5, 6);
    const std::string nextKeyword = GetEngineField(rows, row, 5, 7);
    const std::string nextEnd = GetEngineField(rows, row, 5, 8);
    const std::string url = GetEngineField(rows, row, 4, 0) + keywords;

    auto worker = std::make_unique<TSearchThread>(window, url, PageTextSlot{&pageTexts, row}, row,
                                                  resultStart, itemStart, resultField3, resultEnd,
                                                  nextStart, nextKeyword, nextEnd);
    ForgetWorkerWhenEnded(window, *worker);
    TSearchThread*& slot = window.SearchThreads().at(static_cast<std::size_t>(row));
    slot = worker.get();
    try {
        worker->SetPriority(tpLowest);
        worker->Start();
    } catch (...) {
        slot = nullptr; // the worker never ran and is released here
        throw;
    }
    worker.release(); // it disposes of itself once its search has ended
}

} // namespace

std::string SearchKeywords(const std::string& keywordsText) {
    std::string keywords = Trim(keywordsText);
    std::replace(keywords.begin(), keywords.end(), ' ', '+');
    return keywords;
}

void StartSearch(SearchWindow& window) {
    EngineList& rows = window.EngineRows();
    if (rows.Count() == 0) {
        return;
    }
    window.SearchThreads().assign(static_cast<std::size_t>(rows.Count()), nullptr);
    const std::string keywords = SearchKeywords(window.KeywordsText());
    const int count = rows.Count();
    for (int row = 0; row < count; ++row) {
        if (!rows.Row(row).Checked) {
            continue;
        }
        try {
            SetUpRow(window, row, keywords);
        } catch (...) {
            rows.SetImageIndex(row, TEngineRow::IconFailed);
        }
    }
    // No worker's end will bring the window back when none could start.
    RestoreIdleWhenNoRowSearches(window);
}

void StopSearch(SearchWindow& window) {
    for (TSearchThread* worker : window.SearchThreads()) {
        if (worker != nullptr) {
            worker->Terminate();
        }
    }
}

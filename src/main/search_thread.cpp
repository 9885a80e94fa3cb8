#include "main/search_thread.h"

#include "main/idle_controls.h"
#include "main/next_page_url.h"
#include "main/result_items.h"
#include "main/search_window.h"
#include "platform/fastnet_http.h"
#include "platform/indy_http.h"
#include "platform/text.h"

namespace {

bool Contains(const std::string& upperText, const char* upperNeedle) {
    return upperText.find(upperNeedle) != std::string::npos;
}

void SetFields(EngineList& rows, int row, const std::vector<std::pair<int, std::string>>& fields) {
    for (const auto& [field, text] : fields) {
        rows.SetField(row, field, text);
    }
}

} // namespace

TSearchThread::TSearchThread(SearchWindow& window, std::string URL, PageTextSlot pageText,
                             int rowIndex, std::string resultStart, std::string itemStart,
                             std::string resultField3, std::string resultEnd, std::string nextStart,
                             std::string nextKeyword, std::string nextEnd)
    : TThread(true)
    , window_(&window)
    , URL_(std::move(URL))
    , rowIndex_(rowIndex)
    , resultStart_(std::move(resultStart))
    , itemStart_(std::move(itemStart))
    , resultField3_(std::move(resultField3))
    , resultEnd_(std::move(resultEnd))
    , nextStart_(std::move(nextStart))
    , nextKeyword_(std::move(nextKeyword))
    , nextEnd_(std::move(nextEnd))
    , pageText_(pageText) {}

TSearchThread::~TSearchThread() = default;

void TSearchThread::Execute() {
    SetFreeOnTerminate(true);
    int pageNumber = 1;
    try {
        Search(pageNumber);
    } catch (...) {
        if (pageNumber == 1) {
            ReportConnectError();
        } else {
            ReportNotFound();
        }
    }
    RestoreIdleControls();
    entries_.clear();
    indy_.reset();
}

// Every way out of here has made exactly one report; a failure leaves by
// the exception, and the caller reports it.
void TSearchThread::Search(int& pageNumber) {
    std::string currentUrl = Trim(URL_);
    FetchPage(currentUrl);
    if (Terminated()) {
        ReportCanceled();
        return;
    }
    std::string nextLink = ExtractNextPageUrl(pageTextCopy_, resultStart_, itemStart_, nextStart_,
                                              nextKeyword_, nextEnd_);
    int entryOffset = 0;
    pageNumber = 1;
    const int limit = AreaLimit();
    for (;;) {
        if (entryOffset >= limit) {
            ReportNotFound();
            return;
        }
        if (Terminated()) {
            ReportCanceled();
            return;
        }
        ExtractResultItems(pageTextCopy_, resultStart_, itemStart_, resultEnd_, entries_);
        bool limitReached = false;
        if (ExamineEntries(entryOffset, limit, pageNumber, currentUrl, limitReached)) {
            return;
        }
        entryOffset += static_cast<int>(entries_.size());
        if (limitReached || entryOffset >= limit || Trim(nextLink).empty()) {
            ReportNotFound();
            return;
        }
        currentUrl = CompleteNextLink(nextLink);
        FetchPage(currentUrl);
        nextLink = ExtractNextPageUrl(pageTextCopy_, resultStart_, itemStart_, nextStart_,
                                      nextKeyword_, nextEnd_);
        ++pageNumber;
    }
}

// Compares the page's entries with the site URL. True when the search has
// ended with a hit; limitReached tells that an entry past the limit came up.
bool TSearchThread::ExamineEntries(int entryOffset, int limit, int pageNumber,
                                   const std::string& pageUrl, bool& limitReached) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const int n = entryOffset + static_cast<int>(i) + 1;
        if (n > limit) {
            limitReached = true;
            return false;
        }
        SetPagesField(pageNumber);
        const std::string siteUrl = Trim(UpperCase(SiteUrl()));
        if (!siteUrl.empty() && UpperCase(entries_[i]).find(siteUrl) != std::string::npos) {
            foundPosition_ = n;
            URL_ = pageUrl;
            ReportFound();
            return true;
        }
    }
    return false;
}

void TSearchThread::FetchPage(const std::string& url) {
    if (Contains(UpperCase(url), "GOOGLE")) {
        TNMHTTP fastNet;
        fastNet.Get(url);
        pageTextCopy_ = std::move(fastNet.Body);
    } else {
        if (!indy_) {
            indy_ = std::make_unique<TIdHTTP>();
        }
        pageTextCopy_ = indy_->Get(url);
    }
    // The worker keeps its own copy to examine; the slot takes this one.
    Queue([slot = pageText_, text = pageTextCopy_]() mutable {
        if (slot.texts != nullptr && slot.index >= 0 &&
            static_cast<std::size_t>(slot.index) < slot.texts->size()) {
            (*slot.texts)[static_cast<std::size_t>(slot.index)] = std::move(text);
        }
    });
}

// A link without "HTTP://" gets the home URL in front; a link that holds a
// second address after its own start is cut to that second address.
std::string TSearchThread::CompleteNextLink(const std::string& link) {
    std::string completed = link;
    if (!Contains(UpperCase(completed), "HTTP://")) {
        completed = HomeUrl() + completed;
    }
    const std::string rest = completed.size() > 7 ? completed.substr(7) : std::string();
    const std::size_t second = UpperCase(rest).find("HTTP://");
    if (second != std::string::npos) {
        completed = rest.substr(second);
    }
    return completed;
}

std::string TSearchThread::SiteUrl() {
    std::string text;
    Synchronize([&] { text = window_->SiteUrlText(); });
    return text;
}

int TSearchThread::AreaLimit() {
    int limit = 1;
    Synchronize([&] { limit = window_->AreaValue(); });
    return limit;
}

std::string TSearchThread::HomeUrl() {
    std::string home;
    Synchronize([&] { home = GetEngineField(window_->EngineRows(), rowIndex_, 0, 0); });
    return home;
}

void TSearchThread::SetPagesField(int pageNumber) {
    WriteRow({{TEngineRow::Pages, std::to_string(pageNumber)}});
}

void TSearchThread::WriteRow(std::vector<std::pair<int, std::string>> fields) {
    Queue([window = window_, row = rowIndex_, fields = std::move(fields)] {
        EngineList& rows = window->EngineRows();
        if (row < rows.Count()) {
            SetFields(rows, row, fields);
        }
    });
}

// A report sets the row's icon back to idle and writes its fields in the
// order given; it goes to the window thread with the idle check that follows
// it, as one call, so an idle check never sees a row half reported.
void TSearchThread::ReportNotFound() {
    report_ = {{TEngineRow::Ordination, "Not Found"}, {TEngineRow::Status, "Search Completed!"}};
}

void TSearchThread::ReportCanceled() {
    report_ = {{TEngineRow::Ordination, "Not Found"}, {TEngineRow::Status, "User Canceled!"}};
}

void TSearchThread::ReportFound() {
    report_ = {{TEngineRow::Ordination, "No. " + std::to_string(foundPosition_)},
               {TEngineRow::Status, "OK! Found"},
               {TEngineRow::FoundPageUrl, URL_}};
}

void TSearchThread::ReportConnectError() {
    report_ = {{TEngineRow::Status, "Sorry! Connect Error"}};
}

// Decided on the window thread, after every row of the start was set up:
// the window goes back to idle once no row is searching any more.
void TSearchThread::RestoreIdleControls() {
    Queue([window = window_, row = rowIndex_, fields = std::move(report_)] {
        EngineList& rows = window->EngineRows();
        if (row < rows.Count()) {
            rows.SetImageIndex(row, TEngineRow::IconIdle);
            SetFields(rows, row, fields);
        }
        RestoreIdleWhenNoRowSearches(*window);
    });
}

#pragma once

#include "platform/thread.h"

#include <memory>
#include <string>
#include <vector>

class SearchWindow;
class TIdHTTP;

// A row's slot in the window's page texts; written on the window thread only.
struct PageTextSlot {
    std::vector<std::string>* texts = nullptr;
    int index = 0;
};

// Searches one engine row: fetches its result pages, cuts them into
// entries, numbers the entries across pages and reports the first one that
// holds the site URL into the row. Reads and writes of the window go through
// the window thread, in the order the search makes them.
class TSearchThread final : public TThread {
public:
    TSearchThread(SearchWindow& window, std::string URL, PageTextSlot pageText, int rowIndex,
                  std::string resultStart, std::string itemStart, std::string resultField3,
                  std::string resultEnd, std::string nextStart, std::string nextKeyword,
                  std::string nextEnd);
    ~TSearchThread() override;

    int RowIndex() const { return rowIndex_; }

protected:
    void Execute() override;

private:
    void Search(int& pageNumber);
    void FetchPage(const std::string& url);
    bool ExamineEntries(int entryOffset, int limit, int pageNumber, const std::string& pageUrl,
                        bool& limitReached);
    std::string CompleteNextLink(const std::string& link);

    std::string SiteUrl();
    int AreaLimit();
    std::string HomeUrl();
    void SetPagesField(int pageNumber);

    void ReportNotFound();
    void ReportCanceled();
    void ReportFound();
    void ReportConnectError();
    void WriteRow(std::vector<std::pair<int, std::string>> fields);
    void RestoreIdleControls();

    SearchWindow* window_;
    std::string URL_;
    int rowIndex_;
    int foundPosition_ = 0;
    std::string resultStart_;
    std::string itemStart_;
    std::string resultField3_;
    std::string resultEnd_;
    std::string nextStart_;
    std::string nextKeyword_;
    std::string nextEnd_;
    PageTextSlot pageText_;

    // The row report waiting to go to the window with the idle check.
    std::vector<std::pair<int, std::string>> report_;

    std::string pageTextCopy_;
    std::vector<std::string> entries_;
    std::unique_ptr<TIdHTTP> indy_;
};

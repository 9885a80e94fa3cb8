#pragma once

#include "main/engine_list.h"
#include "main/search_window.h"

#include <functional>
#include <string>
#include <vector>

// The window's side of a search without any widgets: the tests set the boxes
// and read the rows and the idle controls.
class FakeSearchWindow final : public SearchWindow {
public:
    EngineList& EngineRows() override { return rows; }
    std::vector<std::string>& PageTexts() override { return pageTexts; }
    std::vector<TSearchThread*>& SearchThreads() override { return searchThreads; }
    std::string SiteUrlText() override;
    std::string KeywordsText() override { return keywords; }
    int AreaValue() override { return area; }
    void SetGoGlyphToRun() override { events.push_back("glyph run"); }
    void EnableSearchButtons() override { events.push_back("buttons enabled"); }
    void SetGoCaption(const std::string& caption) override;

    // Adds an engine row as the catalogues would load it.
    int AddEngine(const std::string& name, const std::string& searchUrl, const std::string& listTag,
                  const std::string& nextTag, const std::string& homeUrl);
    // True once no worker slot holds a worker.
    bool AllWorkersEnded() const;

    EngineList rows;
    std::vector<std::string> pageTexts;
    std::vector<TSearchThread*> searchThreads;
    std::string siteUrl;
    std::string keywords;
    int area = 20;
    std::string goCaption = "Stop!";
    std::vector<std::string> events;
    // The status field of every row, each time "Go!" came back.
    std::vector<std::vector<std::string>> statusesAtGo;
    // When set, reading the site URL box raises this error.
    std::string siteUrlError;
    // Called on every read of the site URL box, before it is read.
    std::function<void()> onSiteUrlRead;
};

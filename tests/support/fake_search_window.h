#pragma once

#include "main/engine_list.h"
#include "main/search_window.h"

#include <string>
#include <vector>

// The window's side of a search without any widgets: the tests set the boxes
// and read the rows and the idle controls.
class FakeSearchWindow final : public SearchWindow {
public:
    EngineList& EngineRows() override { return rows; }
    std::vector<std::string>& PageTexts() override { return pageTexts; }
    std::vector<TSearchThread*>& SearchThreads() override { return searchThreads; }
    std::string SiteUrlText() override { return siteUrl; }
    std::string KeywordsText() override { return keywords; }
    int AreaValue() override { return area; }
    void SetGoGlyphToRun() override { events.push_back("glyph run"); }
    void EnableSearchButtons() override { events.push_back("buttons enabled"); }
    void SetGoCaption(const std::string& caption) override {
        goCaption = caption;
        events.push_back("caption " + caption);
    }

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
};

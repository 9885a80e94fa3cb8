#include "gui/main_window.h"
#include "gui/spin_edit.h"
#include "main/catalogues.h"
#include "main/engine_list.h"
#include "main/records.h"
#include "platform/application.h"
#include "platform/profile.h"
#include "platform/thread.h"
#include "support/fake_message_box.h"
#include "support/find_control.h"
#include "support/serve_events.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"
#include "support/test_http_server.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {

// A result page of the test engines: `count` entries, the site in entry `hit`.
std::string ResultPage(int count, int hit) {
    std::string page = "<ol>";
    for (int n = 1; n <= count; ++n) {
        page += "<li>http://site" + std::to_string(n) + ".example/";
        if (n == hit) {
            page += " http://www.mysite.example/";
        }
    }
    return page + "</ol>";
}

QImage Picture(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Picture(const QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { Application->Reset(); }
    void TearDown() override {
        window_.reset();
        Application->Reset();
    }

    // Catalogues naming one engine per search path of the test server.
    void WriteCatalogues(const std::vector<std::string>& paths) {
        std::string engines = "[Description]\r\nTest engines\r\n[Engines URL]\r\n";
        std::string search = "[Search URL]\r\n";
        std::string lists = "[List Tag]\r\n";
        std::string nexts = "[Next Tag]\r\n";
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const std::string name = "Engine" + std::to_string(i + 1);
            engines += name + "=" + server_.Url("/") + "\r\n";
            search += name + "=" + server_.Url(paths[i]) + "?q=\r\n";
            lists += name + "=<ol>*<li>**\r\n";
            nexts += name + "=*<a*Next*</a>\r\n";
        }
        WriteFile(EnginesFileIn(dir_.Path()), engines + search + lists + nexts);
        WriteFile(CustomEnginesFileIn(dir_.Path()), "[Description]\r\nNone yet\r\n");
    }

    void Open() { window_ = std::make_unique<TFm_Main>(dir_.Path()); }

    template <typename T = QWidget> T* Control(const char* name) const {
        return FindControl<T>(*window_, name);
    }
    QToolButton* Button(const char* name) const { return Control<QToolButton>(name); }
    EngineList& Engines() const { return ViewModel<EngineList>(*window_, "LstV_eng"); }

    // Starts a search on engines whose pages take their time to come.
    void StartSlowSearch(const std::vector<std::string>& paths, int delayMs) {
        for (const std::string& path : paths) {
            server_.Serve(
                path, TestReply::SlowPage(ResultPage(5, 2), std::chrono::milliseconds(delayMs)));
        }
        WriteCatalogues(paths);
        Open();
        Type("www.mysite.example", "rank");
        Button("Sbt_Go")->click();
    }

    void Type(const std::string& url, const std::string& keywords) {
        Control<QLineEdit>("Edt_URL")->setText(QString::fromStdString(url));
        Control<QLineEdit>("Edt_KW")->setText(QString::fromStdString(keywords));
    }

    bool ServeUntilIdle() {
        return ServeEventsUntil([this] { return Button("Sbt_Go")->text() == "Go!"; });
    }

    const std::string& Field(int row, int field) const {
        return Engines().Row(row).SubItems[static_cast<std::size_t>(field)];
    }

    std::vector<QToolButton*> SearchButtons() const {
        return {Button("Sbt_sall"), Button("Sbt_snone"), Button("Sbt_add"),     Button("Sbt_del"),
                Button("Sbt_edt"),  Button("Sbt_save"),  Button("Sbt_downdata")};
    }

    TempHome home_;
    TempDir dir_;
    TestHttpServer server_;
    FakeMessageBox boxes_;
    std::unique_ptr<TFm_Main> window_;
};

TEST_F(MainWindowTest, StartsWithBothCataloguesTickedAndIdle) {
    WriteCatalogues({"/a", "/b", "/c"});
    Open();
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_FALSE(Application->Terminated());
    EXPECT_EQ(window_->windowTitle(), "Quillmark V1.26 ");
    ASSERT_EQ(Engines().Count(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(Engines().Row(row).Checked);
        EXPECT_EQ(Engines().Row(row).ImageIndex, TEngineRow::IconIdle);
        EXPECT_EQ(Field(row, TEngineRow::Status), "Ready");
    }
    EXPECT_EQ(window_->PageTexts().size(), 3u);
    EXPECT_EQ(Control<QTabWidget>("Tab_htm")->currentWidget(), Control("TabSheet1"));
    EXPECT_EQ(Button("Sbt_Go")->text(), "Go!");
    EXPECT_EQ(Picture(Button("Sbt_Go")->icon()), Picture(Control<QLabel>("Pic_Run")));
    EXPECT_EQ(window_->EnginesFile(), dir_.Path() + "Engines.dat");
    EXPECT_EQ(window_->CustomEnginesFile(), dir_.Path() + "CEngines.dat");
}

TEST_F(MainWindowTest, AMissingCatalogueIsReportedAndTheProgramEnds) {
    struct Case {
        const char* missing;
        std::vector<std::string> messages;
        int rows;
    };
    const std::vector<Case> cases = {
        {"Engines.dat", {"Error while loading engines data! "}, 0},
        {"CEngines.dat", {"Error while loading Custom engines data! "}, 2},
    };
    for (const Case& c : cases) {
        WriteCatalogues({"/a", "/b"});
        std::filesystem::remove(dir_.File(c.missing));
        boxes_.Clear();
        Application->Reset();
        Open();
        EXPECT_EQ(boxes_.Texts(), c.messages) << c.missing;
        EXPECT_TRUE(Application->Terminated()) << c.missing;
        EXPECT_EQ(Engines().Count(), c.rows) << c.missing;
        window_.reset();
    }
}

TEST_F(MainWindowTest, GoChecksTheTicksFirstThenBothBoxes) {
    WriteCatalogues({"/a", "/b"});
    Open();
    struct Case {
        bool ticked;
        std::string url;
        std::string keywords;
        std::string message;
    };
    const std::vector<Case> cases = {
        {false, "www.mysite.example", "rank",
         "You must choose not less than one engine to do search !"},
        {true, " \t ", "rank", "URL or Keyword must be specified"},
        {true, "www.mysite.example", "  ", "URL or Keyword must be specified"},
        {true, "", "", "URL or Keyword must be specified"},
    };
    for (const Case& c : cases) {
        for (int row = 0; row < Engines().Count(); ++row) {
            Engines().SetChecked(row, c.ticked);
        }
        Type(c.url, c.keywords);
        boxes_.Clear();
        Button("Sbt_Go")->click();
        EXPECT_EQ(boxes_.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(boxes_.Shown().front().Caption, "Tavrello");
        EXPECT_EQ(Button("Sbt_Go")->text(), "Go!");
        EXPECT_EQ(Control<QLineEdit>("Edt_URL")->text().toStdString(), c.url);
        EXPECT_EQ(Field(0, TEngineRow::Status), "Ready");
    }
}

TEST_F(MainWindowTest, ASearchOfSeveralEnginesEndsWithTheirRowsAndGoComesBack) {
    server_.Serve("/a", TestReply::Page(ResultPage(10, 4)));
    server_.Serve("/b", TestReply::Page(ResultPage(10, 0)));
    const TestReply slow = TestReply::SlowPage(ResultPage(10, 9), std::chrono::milliseconds(200));
    server_.Serve("/c", slow);
    WriteCatalogues({"/a", "/b", "/c"});
    Open();
    Engines().SetChecked(1, false);
    Type("www.MySite.example", " rank  watch ");
    Button("Sbt_Go")->click();

    EXPECT_EQ(Button("Sbt_Go")->text(), "Stop!");
    EXPECT_EQ(Picture(Button("Sbt_Go")->icon()), Picture(Control<QLabel>("Pic_stop")));
    for (QToolButton* button : SearchButtons()) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
    EXPECT_EQ(Field(0, TEngineRow::Status), "Searching ... ");
    EXPECT_EQ(Engines().Row(0).ImageIndex, TEngineRow::IconSearching);

    ASSERT_TRUE(ServeUntilIdle());
    EXPECT_EQ(Field(0, TEngineRow::Ordination), "No. 4");
    EXPECT_EQ(Field(0, TEngineRow::Status), "OK! Found");
    EXPECT_EQ(Field(1, TEngineRow::Status), "Ready"); // unticked
    EXPECT_EQ(Field(2, TEngineRow::Ordination), "No. 9");
    EXPECT_EQ(Picture(Button("Sbt_Go")->icon()), Picture(Control<QLabel>("Pic_Run")));
    for (QToolButton* button : SearchButtons()) {
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }
    std::vector<std::string> targets;
    for (const TestRequest& request : server_.Requests()) {
        targets.push_back(request.target);
    }
    std::sort(targets.begin(), targets.end());
    EXPECT_EQ(targets, (std::vector<std::string>{"/a?q=rank++watch", "/c?q=rank++watch"}));
}

TEST_F(MainWindowTest, AWorkerThatEndsAtOnceLeavesTheSearchRunningWhileOthersDo) {
    int refused = 0;
    {
        TestHttpServer closed;
        refused = closed.Port();
    }
    const TestReply slow = TestReply::SlowPage(ResultPage(5, 0), std::chrono::milliseconds(1000));
    server_.Serve("/slow", slow);
    std::vector<std::string> paths(12, "/slow");
    WriteCatalogues(paths);
    // The first engine answers nothing at all: its worker ends at once.
    std::string catalogue = ReadFile(EnginesFileIn(dir_.Path()));
    const std::string first = server_.Url("/slow") + "?q=";
    catalogue.replace(catalogue.find(first), first.size(),
                      "http://127.0.0.1:" + std::to_string(refused) + "/?q=");
    WriteFile(EnginesFileIn(dir_.Path()), catalogue);
    Open();
    Type("www.mysite.example", "rank");
    Button("Sbt_Go")->click();
    ASSERT_TRUE(
        ServeEventsUntil([this] { return Field(0, TEngineRow::Status) != "Searching ... "; }));
    EXPECT_EQ(Field(0, TEngineRow::Status), "Sorry! Connect Error");
    EXPECT_EQ(Button("Sbt_Go")->text(), "Stop!");
    for (int row = 1; row < 12; ++row) {
        EXPECT_EQ(Engines().Row(row).ImageIndex, TEngineRow::IconSearching);
    }
    ASSERT_TRUE(ServeUntilIdle());
    EXPECT_EQ(Field(11, TEngineRow::Status), "Search Completed!");
}

TEST_F(MainWindowTest, StopEndsTheRunningRowsAsCanceled) {
    StartSlowSearch({"/a", "/b"}, 300);
    Control<QLineEdit>("Edt_URL")->clear(); // the boxes are not tested when stopping
    Button("Sbt_Go")->click();
    Button("Sbt_Go")->click(); // a second stop changes nothing more
    EXPECT_EQ(Button("Sbt_Go")->text(), "Stop!");
    EXPECT_TRUE(boxes_.Shown().empty());
    ASSERT_TRUE(ServeUntilIdle());
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(Field(row, TEngineRow::Ordination), "Not Found");
        EXPECT_EQ(Field(row, TEngineRow::Status), "User Canceled!");
    }
}

TEST_F(MainWindowTest, StopWithNoRowTickedSaysSoAndStopsNothing) {
    StartSlowSearch({"/a"}, 200);
    Engines().SetChecked(0, false);
    Button("Sbt_Go")->click();
    EXPECT_EQ(boxes_.Texts(),
              std::vector<std::string>{"You must choose not less than one engine to do search !"});
    ASSERT_TRUE(ServeUntilIdle());
    EXPECT_EQ(Field(0, TEngineRow::Status), "OK! Found"); // not canceled
}

TEST_F(MainWindowTest, ClosingDuringASearchStopsTheWorkersAndEndsWithoutWaiting) {
    // First pages without entries but with a link to a second page: a worker
    // that was not asked to stop goes on to fetch it.
    const TestReply slow = TestReply::SlowPage(
        "<ol><a href=\"" + server_.Url("/page2") + "\">Next</a>", std::chrono::milliseconds(2000));
    server_.Serve("/a", slow);
    server_.Serve("/b", slow);
    WriteCatalogues({"/a", "/b"});
    Open();
    window_->findChild<QLineEdit*>("Edt_URL")->setText("www.mysite.example");
    window_->findChild<QLineEdit*>("Edt_KW")->setText("rank");
    window_->findChild<QToolButton*>("Sbt_Go")->click();
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(window_->close());
    EXPECT_TRUE(Application->Terminated());
    window_.reset();                  // while both workers still wait for their pages
    EXPECT_LT(timer.elapsed(), 1000); // the pages take 2 s
    // The workers end on their own once their pages have come; none of them
    // reaches the window, and none goes on to the next page.
    EXPECT_TRUE(ServeEventsUntil([] { return TThread::RunningCount() == 0; }));
    std::vector<std::string> targets;
    for (const TestRequest& request : server_.Requests()) {
        targets.push_back(request.target);
    }
    std::sort(targets.begin(), targets.end());
    EXPECT_EQ(targets, (std::vector<std::string>{"/a?q=rank", "/b?q=rank"}));
}

TEST_F(MainWindowTest, AnErrorInAHandlerReachesTheErrorBox) {
    WriteCatalogues({"/a"});
    Open();
    // A records file that may not be written.
    const std::string records = ProfileDirectory() + kRecordsFileName;
    std::filesystem::create_directories(ProfileDirectory());
    WriteFile(records, "");
    chmod(records.c_str(), 0444);
    Button("Sbt_save")->click();
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Shown()[0].Text, "Unable to write to records.dat.");
    EXPECT_EQ(boxes_.Shown()[0].Caption, "Tavrello");
    EXPECT_EQ(boxes_.Shown()[0].Flags, MB_OK | MB_ICONERROR);
}

TEST_F(MainWindowTest, TheUninvokedHandlersShowWhatTheyFind) {
    WriteCatalogues({"/a"});
    Open();
    window_->IdHtp_getnewSuccess();
    window_->IdHtp_getnewAboutToSend();
    window_->IdHtp_getnewFailure();
    window_->Button3Click(); // no row selected: nothing
    window_->Button4Click();
    EXPECT_EQ(boxes_.Texts(), (std::vector<std::string>{"OK", "aaa", "Fail"}));

    boxes_.Clear();
    window_->PageTexts()[0] =
        "<ol><li>one http://www.mysite.example/<li>two<li>three WWW.MYSITE.EXAMPLE"
        "<a href=\"/page2\">Next</a>";
    Control<QTreeView>("LstV_eng")->setCurrentIndex(Engines().index(0, 0));
    Type("  www.mysite.example ", "");
    window_->Button3Click();
    window_->Button4Click();
    EXPECT_EQ(boxes_.Texts(),
              (std::vector<std::string>{
                  "3", "**** 3 Here being!**** three WWW.MYSITE.EXAMPLE<a href=\"/page2\">Next</a>",
                  "page2"}));
}

} // namespace

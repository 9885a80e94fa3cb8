#include "gui/main_window.h"
#include "gui/spin_edit.h"
#include "main/catalogues.h"
#include "platform/application.h"
#include "support/fake_message_box.h"
#include "support/serve_events.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"
#include "support/test_http_server.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Result pages of the test engine: `perPage` entries numbered from `first`,
// the site in entry `hit`, and a link to the next page when there is one.
std::string ResultPage(int first, int perPage, int hit, const std::string& next) {
    std::string page = "<ol>";
    for (int n = first; n < first + perPage; ++n) {
        page += "<li>http://site" + std::to_string(n) + ".example/";
        if (n == hit) {
            page += " http://www.mysite.example/";
        }
    }
    page += "</ol>";
    if (!next.empty()) {
        page += "<a href=\"" + next + "\">Next</a>";
    }
    return page;
}

// The main window with one engine whose three result
// pages of 100 entries hold the site at entry 250.
class AreaLimitTest : public testing::Test {
protected:
    void SetUp() override {
        Application->Reset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        for (int p = 1; p <= 3; ++p) {
            const std::string next = p < 3 ? server_.Url("/p" + std::to_string(p + 1)) : "";
            server_.Serve("/p" + std::to_string(p),
                          TestReply::Page(ResultPage((p - 1) * 100 + 1, 100, 250, next)));
        }
        WriteFile(EnginesFileIn(dir_.Path()),
                  "[Description]\r\nTest engine\r\n[Engines URL]\r\nEngine=" + server_.Url("/") +
                      "\r\n[Search URL]\r\nEngine=" + server_.Url("/p1") +
                      "?q=\r\n[List Tag]\r\nEngine=<ol>*<li>**\r\n[Next Tag]\r\n"
                      "Engine=*<a*Next*</a>\r\n");
        WriteFile(CustomEnginesFileIn(dir_.Path()), "[Description]\r\nNone yet\r\n");
        window_ = std::make_unique<TFm_Main>(dir_.Path());
        area_ = window_->findChild<TSpinEdit*>("Edt_area");
        url_ = window_->findChild<QLineEdit*>("Edt_URL");
        ASSERT_NE(area_, nullptr);
        ASSERT_NE(url_, nullptr);
    }

    void TearDown() override {
        window_.reset();
        Application->Reset();
    }

    // Replaces the box's text by typing. The window stays hidden: the box
    // loses the focus only when a test says so.
    void Type(const QString& text) {
        area_->selectAll();
        QTest::keyClick(area_, Qt::Key_Backspace);
        QTest::keyClicks(area_, text);
    }

    // Takes the focus from the box, by default as Tab to the next control does.
    void Leave(Qt::FocusReason reason = Qt::TabFocusReason) {
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(area_, &focusOut);
    }

    void Click(const char* name) { window_->findChild<QAbstractButton*>(name)->click(); }

    QString Cell(int column) const {
        const QAbstractItemModel* rows = window_->findChild<QTreeView*>("LstV_eng")->model();
        return rows->index(0, column).data().toString();
    }

    QAccessibleValueInterface* AccessibleValue() const {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(area_);
        return accessible != nullptr ? accessible->valueInterface() : nullptr;
    }

    TempHome home_;
    TempDir dir_;
    TestHttpServer server_;
    FakeMessageBox boxes_;
    std::unique_ptr<TFm_Main> window_;
    TSpinEdit* area_ = nullptr;
    QLineEdit* url_ = nullptr;
};

TEST_F(AreaLimitTest, LeavingTheBoxBringsItWithinTheBoundsOfTheChosenLimit) {
    const struct {
        const char* radio; // clicked first, when given
        const char* typed;
        const char* left;
        int value;
    } cases[] = {
        {nullptr, "0", "1", 1},
        {nullptr, "500", "200", 200},
        {nullptr, "-3", "1", 1},
        {nullptr, "150", "150", 150},
        {nullptr, "", "", 1},
        {"RdB_page", "0", "1", 1},
        {nullptr, "500", "20", 20},
        {nullptr, "-3", "1", 1},
        {nullptr, "150", "20", 20},
        {nullptr, "", "", 1},
        {"RdB_line", "150", "150", 150},
        {nullptr, "201", "200", 200},
    };
    EXPECT_EQ(area_->text(), "20");
    for (const auto& c : cases) {
        if (c.radio != nullptr) {
            Click(c.radio);
        }
        Type(QString::fromLatin1(c.typed));
        EXPECT_EQ(area_->text(), QString::fromLatin1(c.typed)) << "bounds applied before leaving";
        Leave();
        EXPECT_EQ(area_->text(), QString::fromLatin1(c.left)) << c.typed;
        EXPECT_EQ(area_->Value(), c.value) << c.typed;
    }
    EXPECT_TRUE(boxes_.Shown().empty());
}

// Switching to another program or opening a popup takes the focus from the
// box but leaves it the window's focused control: the text stays as typed.
TEST_F(AreaLimitTest, OnlyAFocusMoveWithinTheWindowAppliesTheBounds) {
    const struct {
        Qt::FocusReason reason;
        const char* typed;
        const char* left;
    } cases[] = {
        {Qt::ActiveWindowFocusReason, "500", "500"}, {Qt::ActiveWindowFocusReason, "0", "0"},
        {Qt::PopupFocusReason, "500", "500"},        {Qt::PopupFocusReason, "-3", "-3"},
        {Qt::TabFocusReason, "500", "200"},          {Qt::BacktabFocusReason, "0", "1"},
        {Qt::MouseFocusReason, "-3", "1"},           {Qt::OtherFocusReason, "500", "200"},
    };
    for (const auto& c : cases) {
        Type(QString::fromLatin1(c.typed));
        Leave(c.reason);
        EXPECT_EQ(area_->text().toStdString(), c.left) << c.typed << " " << c.reason;
    }
}

TEST_F(AreaLimitTest, ASearchStartedBeforeTheBoxIsLeftReadsTheValueAsTyped) {
    const struct {
        const char* typed;
        const char* ordination;
        const char* pages;
        const char* status;
        std::size_t requests;
    } cases[] = {
        // No entry is compared, though the first page is fetched.
        {"0", "Not Found", "", "Search Completed!", 1},
        // Entry 250 is compared: the limit is not cut to 200.
        {"500", "No. 250", "3", "OK! Found", 3},
    };
    url_->setText("www.mysite.example");
    window_->findChild<QLineEdit*>("Edt_KW")->setText("rank");
    std::size_t requestsBefore = 0;
    for (const auto& c : cases) {
        Type(QString::fromLatin1(c.typed));
        Click("Sbt_Go");
        ASSERT_TRUE(ServeEventsUntil(
            [this] { return window_->findChild<QToolButton*>("Sbt_Go")->text() == "Go!"; }));
        EXPECT_EQ(Cell(1), QString::fromLatin1(c.ordination)) << c.typed;
        EXPECT_EQ(Cell(2), QString::fromLatin1(c.pages)) << c.typed;
        EXPECT_EQ(Cell(3), QString::fromLatin1(c.status)) << c.typed;
        EXPECT_EQ(server_.Requests().size() - requestsBefore, c.requests) << c.typed;
        requestsBefore = server_.Requests().size();
        EXPECT_EQ(area_->text(), QString::fromLatin1(c.typed));
    }
}

TEST_F(AreaLimitTest, AScreenReaderReadsTheBoxAsANumberWithinItsRange) {
    QAccessibleValueInterface* value = AccessibleValue();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 20);
    EXPECT_EQ(value->minimumValue().toInt(), 1);
    EXPECT_EQ(value->maximumValue().toInt(), 200);

    Type("57");
    EXPECT_EQ(value->currentValue().toInt(), 57);
    Type("");
    EXPECT_EQ(value->currentValue().toInt(), 1);
    Click("RdB_page");
    EXPECT_EQ(value->maximumValue().toInt(), 20);

    value->setCurrentValue(7);
    EXPECT_EQ(area_->text(), "7");
}

} // namespace

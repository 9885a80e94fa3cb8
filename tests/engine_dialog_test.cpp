#include "gui/main_window.h"
#include "gui/neweng.h"
#include "main/engine_list.h"
#include "main/ini_access.h"
#include "platform/temporary_files.h"
#include "support/engine_window_test.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {

const std::string Standard = "[Description]\r\n"
                             "Standard engines\r\n"
                             "Alpha=described\r\n"
                             "[Engines URL]\r\n"
                             "Alpha=http://old.example/\r\n"
                             "Beta=http://beta.example/\r\n"
                             "[Search URL]\r\n"
                             "Alpha=http://alpha.example/find/web?q=\r\n"
                             "Beta=http://beta.example/s?q=\r\n"
                             "[List Tag]\r\n"
                             "Alpha=<ol>*<li>*x*</ol>\r\n"
                             "Beta=<ul>*<li>**\r\n"
                             "[Next Tag]\r\n"
                             "Alpha=first*<a*Next*</a>\r\n"
                             "Beta=*<b*More*</b>\r\n";

const std::string Custom = "[Description]\r\n"
                           "Custom engines\r\n"
                           "[Engines URL]\r\n"
                           "Gamma=http://gamma.example/\r\n"
                           "[Search URL]\r\n"
                           "Gamma=http://gamma.example/?q=\r\n"
                           "[List Tag]\r\n"
                           "Gamma=<div>*<p>**\r\n"
                           "[Next Tag]\r\n"
                           "Gamma=*<n*next*</n>\r\n";

// Alpha's values as OK writes them back unchanged.
const std::string AlphaRewritten = "[Description]\r\n"
                                   "Standard engines\r\n"
                                   "Alpha=described\r\n"
                                   "[Engines URL]\r\n"
                                   "Alpha=http://alpha.example/\r\n"
                                   "Beta=http://beta.example/\r\n"
                                   "[Search URL]\r\n"
                                   "Alpha=http://alpha.example/find/web?q=\r\n"
                                   "Beta=http://beta.example/s?q=\r\n"
                                   "[List Tag]\r\n"
                                   "Alpha=<ol>*<li>**\r\n"
                                   "Beta=<ul>*<li>**\r\n"
                                   "[Next Tag]\r\n"
                                   "Alpha=*<a*Next*</a>\r\n"
                                   "Beta=*<b*More*</b>\r\n";

class EngineDialogTest : public EngineWindowTest {
protected:
    void SetUp() override { Reopen(Standard, Custom); }

    std::string Box(const char* name) { return engines().Box(name).text().toStdString(); }
    void Click(const char* button) { engines().DialogButton(button).click(); }

    // Adds an engine through the dialog and presses OK; whether the dialog
    // was left open.
    bool Append(const std::string& name, const std::string& url, const std::string& resultStart,
                const std::string& itemStart, const std::string& nextStart,
                const std::string& nextKeyword, const std::string& nextEnd) {
        return engines().RunDialog("Sbt_add", [&] {
            engines().Type(name, url, resultStart, itemStart, nextStart, nextKeyword, nextEnd);
            Click("Button1");
        });
    }

    // Edits a row, changing only its name, and presses OK.
    bool Rename(int row, const std::string& name) {
        engines().Select(row);
        return engines().RunDialog("Sbt_edt", [&] {
            engines().Box("Edt_EngName").setText(QString::fromStdString(name));
            Click("Button1");
        });
    }
};

TEST_F(EngineDialogTest, FormHasItsLayoutTextsAndFonts) {
    TFm_engdata& dialog = engines().Dialog();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.parentWidget(), &engines().Window());
    EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog.windowTitle(), "Setting");
    EXPECT_EQ(dialog.size(), QSize(385, 311));
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));

    struct Control {
        const char* name;
        const char* text;
        QRect geometry; // a label's width and height are its text's
    };
    const Control controls[] = {
        {"GroupBox1", " Basic Information ", {8, 9, 369, 95}},
        {"Label2", "Engine name:", {8, 26, 0, 0}},
        {"Edt_EngName", "", {103, 22, 114, 24}},
        {"Label1", "Search URL:", {8, 58, 0, 0}},
        {"Edt_URL", "", {103, 54, 242, 24}},
        {"GroupBox2", " Result Page  HTML Tag ", {8, 113, 369, 161}},
        {"Label4", "Result start:", {9, 28, 0, 0}},
        {"Edt_RB", "", {143, 25, 210, 24}},
        {"Label3", "Item Start:", {9, 60, 0, 0}},
        {"Edt_LB", "", {143, 57, 210, 24}},
        {"Label6", "Next Start:", {9, 93, 0, 0}},
        {"Edt_NB", "", {143, 89, 74, 24}},
        {"Label7", "Next end:", {227, 95, 0, 0}},
        {"Edt_NE", "", {287, 89, 66, 24}},
        {"Label8", "Next page keyword:", {9, 124, 0, 0}},
        {"Edt_NKey", "", {143, 121, 210, 24}},
        {"Button1", "&OK", {166, 283, 63, 21}},
        {"Button2", "&Cancel", {237, 283, 63, 21}},
        {"Button3", "&Help", {309, 283, 63, 21}},
    };
    for (const Control& control : controls) {
        SCOPED_TRACE(control.name);
        auto* widget = dialog.findChild<QWidget*>(control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->font().family(), "MS Sans Serif");
        EXPECT_EQ(widget->font().pixelSize(), 13);
        if (control.geometry.width() > 0) {
            EXPECT_EQ(widget->geometry(), control.geometry);
        } else {
            EXPECT_EQ(widget->pos(), control.geometry.topLeft());
        }
        QString text;
        if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            text = group->title();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            text = button->text();
            EXPECT_FALSE(button->autoDefault());
            EXPECT_FALSE(button->isDefault());
        }
        EXPECT_EQ(text.toStdString(), control.text);
    }

    std::vector<std::string> tabOrder;
    QWidget* widget = dialog.findChild<QWidget*>("Edt_EngName");
    for (int step = 0; step < 10; ++step) {
        tabOrder.push_back(widget->objectName().toStdString());
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(tabOrder,
              (std::vector<std::string>{"Edt_EngName", "Edt_URL", "Edt_RB", "Edt_LB", "Edt_NB",
                                        "Edt_NE", "Edt_NKey", "Button1", "Button2", "Button3"}));
}

TEST_F(EngineDialogTest, HomeUrlIsTheHostPartOfTheSearchUrl) {
    const struct {
        const char* searchUrl;
        const char* homeUrl;
        const char* stored;
    } cases[] = {
        {"http://www.example.com/search/web/?q=", "http://www.example.com/",
         "http://www.example.com/search/web/?q="},
        {"http://", "http://", "http://"},
        {"ab", "http://", "ab"},
        {"", "http://", ""},
        {"https://secure.example/s?q=", "http:///", "https://secure.example/s?q="},
        {"http://nopath.example?q=a", "http://", "http://nopath.example?q=a"},
        {"  \thttp://blank.example/s?q=\t  ", "http://blank.example/", "http://blank.example/s?q="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.searchUrl);
        EXPECT_FALSE(Append("Delta", c.searchUrl, "<ol>", "<li>", "<a", "Next", "</a>"));
        EXPECT_EQ(ReadIniString(engines().CustomEnginesFile(), "Engines URL", "Delta"), c.homeUrl);
        EXPECT_EQ(ReadIniString(engines().CustomEnginesFile(), "Search URL", "Delta"), c.stored);
    }
}

TEST_F(EngineDialogTest, AppendWritesTrimmedValuesIntoTheCustomCatalogue) {
    WriteFile(engines().CustomEnginesFile(), "[Description]\r\nCustom engines\r\n");
    engines().Engines().SetChecked(1, false);
    // A standard row: an added engine goes to the custom catalogue all the same.
    engines().Select(0);
    EXPECT_FALSE(Append("  New Engine ", " http://new.example/s?q= ", " <ol> ", "\t<li>", " <a ",
                        "  Next", "</a>  "));
    EXPECT_FALSE(Append("Second", "http://second.example/q?s=", "<p>", "<b>", "", "", ""));
    EXPECT_EQ(engines().Custom(), "[Description]\r\n"
                                  "Custom engines\r\n"
                                  "[Engines URL]\r\n"
                                  "New Engine=http://new.example/\r\n"
                                  "Second=http://second.example/\r\n"
                                  "[Search URL]\r\n"
                                  "New Engine=http://new.example/s?q=\r\n"
                                  "Second=http://second.example/q?s=\r\n"
                                  "[List Tag]\r\n"
                                  "New Engine=<ol>*<li>**\r\n"
                                  "Second=<p>*<b>**\r\n"
                                  "[Next Tag]\r\n"
                                  "New Engine=*<a*Next*</a>\r\n"
                                  "Second=***\r\n");
    EXPECT_EQ(engines().Standard(), Standard);
    // The list is built anew: every row ticked, none selected, the dialog closed.
    EXPECT_EQ(engines().Rows(),
              (std::vector<std::string>{"Alpha/S", "Beta/S", "New Engine/C", "Second/C"}));
    EXPECT_EQ(engines().Ticks(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(engines().SelectedRow(), -1);
    EXPECT_FALSE(engines().Dialog().isVisible());
    EXPECT_TRUE(engines().Boxes().Shown().empty());
}

TEST_F(EngineDialogTest, EditFillsTheBoxesAndOkRewritesTheValuesInPlace) {
    engines().Select(0);
    std::vector<std::string> shown;
    EXPECT_FALSE(engines().RunDialog("Sbt_edt", [&] {
        for (const char* box :
             {"Edt_EngName", "Edt_URL", "Edt_RB", "Edt_LB", "Edt_NB", "Edt_NKey", "Edt_NE"}) {
            shown.push_back(Box(box));
        }
        Click("Button1");
    }));
    EXPECT_EQ(shown, (std::vector<std::string>{"Alpha", "http://alpha.example/find/web?q=", "<ol>",
                                               "<li>", "<a", "Next", "</a>"}));
    EXPECT_EQ(engines().Standard(), AlphaRewritten);
    EXPECT_EQ(engines().Custom(), Custom);
    EXPECT_EQ(engines().Rows(), (std::vector<std::string>{"Alpha/S", "Beta/S", "Gamma/C"}));
}

TEST_F(EngineDialogTest, EditOfACustomRowWritesTheCustomCatalogue) {
    engines().Engines().SetChecked(2, false); // the selected row counts, not the ticks
    engines().Select(2);
    EXPECT_FALSE(engines().RunDialog("Sbt_edt", [&] {
        engines().Box("Edt_NKey").setText("More");
        Click("Button1");
    }));
    EXPECT_EQ(ReadIniString(engines().CustomEnginesFile(), "Next Tag", "Gamma"), "*<n*More*</n>");
    EXPECT_EQ(engines().Standard(), Standard);
}

TEST_F(EngineDialogTest, AStarTypedIntoAMarkerSeparatesFieldsWhenReadBack) {
    EXPECT_FALSE(Append("Star", "http://star.example/?q=", "<a*b>", "<li>", "<x", "Next", "</x>"));
    EXPECT_EQ(ReadIniString(engines().CustomEnginesFile(), "List Tag", "Star"), "<a*b>*<li>**");
    engines().Select(3);
    std::string resultStart;
    std::string itemStart;
    EXPECT_TRUE(engines().RunDialog("Sbt_edt", [&] {
        resultStart = Box("Edt_RB");
        itemStart = Box("Edt_LB");
    }));
    EXPECT_EQ(resultStart, "<a");
    EXPECT_EQ(itemStart, "b>");
}

TEST_F(EngineDialogTest, MissingOrUnstarredValuesFillTheBoxesAndAreWrittenBack) {
    WriteFile(engines().EnginesFile(), "[Engines URL]\r\n"
                                       "Broken=http://broken.example/\r\n"
                                       "Whole=http://whole.example/\r\n"
                                       "[Search URL]\r\n"
                                       "Whole=http://whole.example/?q=\r\n"
                                       "[List Tag]\r\n"
                                       "Whole=<table>\r\n"
                                       "[Next Tag]\r\n"
                                       "Whole=<a>\r\n");
    EXPECT_FALSE(Append("Gamma", "http://gamma.example/?q=", "<div>", "<p>", "<n", "next", "</n>"));
    ASSERT_EQ(engines().Rows(), (std::vector<std::string>{"Broken/S", "Whole/S", "Gamma/C"}));
    const struct {
        int row;
        std::vector<std::string> boxes; // URL, RB, LB, NB, NKey, NE
    } cases[] = {
        {0, {"Error", "Error", "Error", "Error", "Error", "Error"}},
        {1, {"http://whole.example/?q=", "<table>", "<table>", "<a>", "<a>", "<a>"}},
    };
    for (const auto& c : cases) {
        engines().Select(c.row);
        std::vector<std::string> shown;
        EXPECT_FALSE(engines().RunDialog("Sbt_edt", [&] {
            for (const char* box :
                 {"Edt_URL", "Edt_RB", "Edt_LB", "Edt_NB", "Edt_NKey", "Edt_NE"}) {
                shown.push_back(Box(box));
            }
            Click("Button1");
        }));
        EXPECT_EQ(shown, c.boxes);
    }
    EXPECT_EQ(engines().Standard(), "[Engines URL]\r\n"
                                    "Broken=http://\r\n"
                                    "Whole=http://whole.example/\r\n"
                                    "[Search URL]\r\n"
                                    "Whole=http://whole.example/?q=\r\n"
                                    "Broken=Error\r\n"
                                    "[List Tag]\r\n"
                                    "Whole=<table>*<table>**\r\n"
                                    "Broken=Error*Error**\r\n"
                                    "[Next Tag]\r\n"
                                    "Whole=*<a>*<a>*<a>\r\n"
                                    "Broken=*Error*Error*Error\r\n");
}

TEST_F(EngineDialogTest, ANewNameReplacesTheOldKeyInEverySection) {
    const struct {
        const char* name;
        std::vector<std::string> rows;
        std::string standard;
    } cases[] = {
        {"Omega",
         {"Beta/S", "Omega/S", "Gamma/C", "Alpha/C"},
         "[Description]\r\n"
         "Standard engines\r\n"
         "[Engines URL]\r\n"
         "Beta=http://beta.example/\r\n"
         "Omega=http://alpha.example/\r\n"
         "[Search URL]\r\n"
         "Beta=http://beta.example/s?q=\r\n"
         "Omega=http://alpha.example/find/web?q=\r\n"
         "[List Tag]\r\n"
         "Beta=<ul>*<li>**\r\n"
         "Omega=<ol>*<li>**\r\n"
         "[Next Tag]\r\n"
         "Beta=*<b*More*</b>\r\n"
         "Omega=*<a*Next*</a>\r\n"},
        // A change of letter case is a new name too.
        {"ALPHA",
         {"Beta/S", "ALPHA/S", "Gamma/C", "Alpha/C"},
         "[Description]\r\n"
         "Standard engines\r\n"
         "[Engines URL]\r\n"
         "Beta=http://beta.example/\r\n"
         "ALPHA=http://alpha.example/\r\n"
         "[Search URL]\r\n"
         "Beta=http://beta.example/s?q=\r\n"
         "ALPHA=http://alpha.example/find/web?q=\r\n"
         "[List Tag]\r\n"
         "Beta=<ul>*<li>**\r\n"
         "ALPHA=<ol>*<li>**\r\n"
         "[Next Tag]\r\n"
         "Beta=*<b*More*</b>\r\n"
         "ALPHA=*<a*Next*</a>\r\n"},
        // Blanks around the name make no new name.
        {"  Alpha ", {"Alpha/S", "Beta/S", "Gamma/C", "Alpha/C"}, AlphaRewritten},
        // Onto another engine of the catalogue: that one takes the values.
        {"Beta",
         {"Beta/S", "Gamma/C", "Alpha/C"},
         "[Description]\r\n"
         "Standard engines\r\n"
         "[Engines URL]\r\n"
         "Beta=http://alpha.example/\r\n"
         "[Search URL]\r\n"
         "Beta=http://alpha.example/find/web?q=\r\n"
         "[List Tag]\r\n"
         "Beta=<ol>*<li>**\r\n"
         "[Next Tag]\r\n"
         "Beta=*<a*Next*</a>\r\n"},
    };
    // The custom catalogue's engine of the same name stays as it is.
    std::string CustomWithAlpha = Custom;
    CustomWithAlpha.insert(CustomWithAlpha.find("[Search URL]"), "Alpha=http://alpha.custom/\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen(Standard, CustomWithAlpha);
        EXPECT_FALSE(Rename(0, c.name));
        EXPECT_EQ(engines().Rows(), c.rows);
        EXPECT_EQ(engines().Standard(), c.standard);
        EXPECT_EQ(engines().Custom(), CustomWithAlpha);
    }
}

TEST_F(EngineDialogTest, AppendOverAnExistingNameWritesInItsOwnCatalogue) {
    EXPECT_FALSE(Append("Gamma", "http://g2.example/s?q=", "<a>", "<b>", "<c", "d", "</c>"));
    EXPECT_EQ(engines().Custom(), "[Description]\r\n"
                                  "Custom engines\r\n"
                                  "[Engines URL]\r\n"
                                  "Gamma=http://g2.example/\r\n"
                                  "[Search URL]\r\n"
                                  "Gamma=http://g2.example/s?q=\r\n"
                                  "[List Tag]\r\n"
                                  "Gamma=<a>*<b>**\r\n"
                                  "[Next Tag]\r\n"
                                  "Gamma=*<c*d*</c>\r\n");
    EXPECT_EQ(engines().Rows(), (std::vector<std::string>{"Alpha/S", "Beta/S", "Gamma/C"}));

    EXPECT_FALSE(Append("Beta", "http://b2.example/s?q=", "<a>", "<b>", "<c", "d", "</c>"));
    EXPECT_EQ(engines().Standard(), Standard);
    EXPECT_EQ(engines().Rows(),
              (std::vector<std::string>{"Alpha/S", "Beta/S", "Gamma/C", "Beta/C"}));
}

TEST_F(EngineDialogTest, CancelAndTheCloseBoxWriteNothingAndKeepTheTexts) {
    const struct {
        const char* how;
        std::function<void(TFm_engdata&)> close;
    } cases[] = {
        {"Cancel", [this](TFm_engdata&) { Click("Button2"); }},
        {"close box", [](TFm_engdata& dialog) { dialog.windowHandle()->close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        engines().Engines().SetChecked(0, false);
        engines().Select(1);
        EXPECT_FALSE(engines().RunDialog("Sbt_edt", [&] {
            engines().Box("Edt_EngName").setText("Typed");
            engines().Box("Edt_RB").setText("<typed>");
            c.close(engines().Dialog());
        }));
        EXPECT_FALSE(engines().Dialog().isVisible());
        EXPECT_EQ(engines().Standard(), Standard);
        EXPECT_EQ(engines().Custom(), Custom);
        // Not reloaded: the tick and the selection stay.
        EXPECT_EQ(engines().Ticks(), (std::vector<bool>{false, true, true}));
        EXPECT_EQ(engines().SelectedRow(), 1);
        EXPECT_EQ(Box("Edt_EngName"), "Typed");
        EXPECT_EQ(Box("Edt_RB"), "<typed>");
        EXPECT_EQ(Box("Edt_URL"), "http://beta.example/s?q=");
    }
    // The next add empties them.
    std::vector<std::string> shown;
    EXPECT_TRUE(engines().RunDialog("Sbt_add", [&] {
        for (const char* box :
             {"Edt_EngName", "Edt_URL", "Edt_RB", "Edt_LB", "Edt_NB", "Edt_NKey", "Edt_NE"}) {
            shown.push_back(Box(box));
        }
    }));
    EXPECT_EQ(shown, std::vector<std::string>(7));
}

TEST_F(EngineDialogTest, EnterAndEscapePressNothing) {
    engines().Select(0);
    EXPECT_TRUE(engines().RunDialog("Sbt_edt", [&] {
        TFm_engdata& dialog = engines().Dialog();
        engines().Box("Edt_URL").setText("http://changed.example/");
        for (const char* target : {"Edt_EngName", "Edt_URL", "Edt_NE", "Button1", "Button3"}) {
            auto* widget = dialog.findChild<QWidget*>(target);
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::keyClick(widget, key);
                ASSERT_TRUE(dialog.isVisible()) << target << " key " << key;
            }
        }
        EXPECT_EQ(Box("Edt_URL"), "http://changed.example/");
    }));
    EXPECT_EQ(engines().Standard(), Standard);
    EXPECT_TRUE(engines().Boxes().Shown().empty());
}

TEST_F(EngineDialogTest, AnEmptyNameIsRefusedWithTheDialogOpen) {
    EXPECT_TRUE(engines().RunDialog("Sbt_add", [&] {
        engines().Type(" \t ", "http://x.example/?q=", "<a>", "<b>", "", "", "");
        Click("Button1");
        EXPECT_EQ(Box("Edt_URL"), "http://x.example/?q=");
    }));
    EXPECT_EQ(engines().Boxes().Texts(),
              std::vector<std::string>{"Engine Name must be specified!"});
    EXPECT_EQ(engines().Boxes().Shown()[0].Caption, "Tavrello");
    EXPECT_EQ(engines().Custom(), Custom);
}

// The result-entry markers are written as start, "*", item start, "**", and
// read back with at most 2,047 characters.
constexpr std::size_t LongestResultStart = 2047 - 3;

TEST_F(EngineDialogTest, AChangeTheCatalogueCannotTakeOrGiveBackWritesNothing) {
    const struct {
        const char* what;
        std::string name;
        std::string url;
        std::string resultStart;
        bool readOnly;
    } cases[] = {
        // Our INI files hold no line break; the home URL before it would fit.
        {"line break", "Delta", "http://delta.example/s?q=\nmore", "<a>", false},
        {"long value", "Delta",
         "http://delta.example/s?q=", std::string(LongestResultStart + 1, 'r'), false},
        {"read-only file", "Delta", "http://delta.example/s?q=", "<a>", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reopen(Standard, Custom);
        engines().Engines().SetChecked(0, false);
        if (c.readOnly) {
            chmod(engines().CustomEnginesFile().c_str(), 0444);
        }
        std::string urlShown;
        EXPECT_TRUE(engines().RunDialog("Sbt_add", [&] {
            engines().Type(c.name, c.url, c.resultStart, "", "", "", "");
            Click("Button1");
            urlShown = Box("Edt_URL");
        }));
        EXPECT_EQ(urlShown, c.url);
        EXPECT_EQ(engines().Custom(), Custom);
        ASSERT_EQ(engines().Boxes().Shown().size(), 1u);
        EXPECT_EQ(engines().Boxes().Shown()[0].Text,
                  "Unable to write to " + engines().CustomEnginesFile() + ".");
        EXPECT_EQ(engines().Boxes().Shown()[0].Caption, "Tavrello");
        // Not reloaded: the untick stays.
        EXPECT_EQ(engines().Rows(), (std::vector<std::string>{"Alpha/S", "Beta/S", "Gamma/C"}));
        EXPECT_EQ(engines().Ticks(), (std::vector<bool>{false, true, true}));
    }
}

// The name is longer than the first buffer that a list of names is read into.
TEST_F(EngineDialogTest, ALongNameAndTheLongestValueThatReadsBackWholeAreWritten) {
    const std::string name(20000, 'n');
    const std::string resultStart(LongestResultStart, 'r');
    EXPECT_FALSE(Append(name, "http://long.example/s?q=", resultStart, "", "", "", ""));
    EXPECT_TRUE(engines().Boxes().Shown().empty());
    EXPECT_EQ(engines().Rows(),
              (std::vector<std::string>{"Alpha/S", "Beta/S", "Gamma/C", name + "/C"}));
    EXPECT_EQ(ReadIniString(engines().CustomEnginesFile(), "List Tag", name), resultStart + "***");
}

TEST_F(EngineDialogTest, OkReplacesTheCatalogueOnceForAnAddAndForARename) {
    int replaces = 0;
    SetReplaceStageHook([&](ReplaceStage stage) { replaces += stage == ReplaceStage::Written; });
    EXPECT_FALSE(Append("Delta", "http://delta.example/s?q=", "<a>", "<b>", "", "", ""));
    EXPECT_EQ(replaces, 1);
    replaces = 0;
    EXPECT_FALSE(Rename(0, "Omega"));
    EXPECT_EQ(replaces, 1);
    SetReplaceStageHook(nullptr);
    EXPECT_EQ(engines().Rows(),
              (std::vector<std::string>{"Beta/S", "Omega/S", "Gamma/C", "Delta/C"}));
}

// The add command leaves the name of the last edit in the dialog state:
// an add must not take it for a rename.
TEST_F(EngineDialogTest, AnAddAfterAnEditKeepsTheEditedEngine) {
    engines().Select(2);
    EXPECT_FALSE(engines().RunDialog("Sbt_edt", [&] { Click("Button1"); }));
    EXPECT_EQ(engines().Dialog().EditEngineName, "Gamma");
    EXPECT_FALSE(Append("Delta", "http://delta.example/s?q=", "<a>", "<b>", "", "", ""));
    EXPECT_EQ(engines().Rows(),
              (std::vector<std::string>{"Alpha/S", "Beta/S", "Gamma/C", "Delta/C"}));
    EXPECT_EQ(ReadIniString(engines().CustomEnginesFile(), "Search URL", "Gamma"),
              "http://gamma.example/?q=");
}

TEST_F(EngineDialogTest, ANameTheCatalogueCannotHoldIsRefusedAndTheOldNameKept) {
    for (const std::string& name :
         {std::string("A=B"), std::string("[Alpha]"), std::string("Two\nlines")}) {
        SCOPED_TRACE(name.substr(0, 20));
        engines().Boxes().Clear();
        EXPECT_TRUE(Rename(0, name));
        EXPECT_EQ(engines().Boxes().Texts(),
                  std::vector<std::string>{"Unable to write to " + engines().EnginesFile() + "."});
        EXPECT_EQ(engines().Standard(), Standard);
        EXPECT_EQ(engines().Rows(), (std::vector<std::string>{"Alpha/S", "Beta/S", "Gamma/C"}));
    }
}

TEST_F(EngineDialogTest, HelpLeavesTheDialogOpenWithItsTexts) {
    engines().Select(0);
    EXPECT_TRUE(engines().RunDialog("Sbt_edt", [&] {
        engines().Box("Edt_NKey").setText("Typed");
        Click("Button3");
        EXPECT_EQ(Box("Edt_NKey"), "Typed");
        EXPECT_EQ(Box("Edt_EngName"), "Alpha");
    }));
    EXPECT_EQ(engines().Standard(), Standard);
}

// While the dialog shows, the main window takes no input, but another window
// of the program (the help window) does.
TEST_F(EngineDialogTest, TheDialogBlocksOnlyTheMainWindow) {
    TFm_Main& window = engines().Window();
    // Both windows are shown for their input only: painting them spreads
    // over Qt's paint threads, which the thread checker cannot see into.
    window.setUpdatesEnabled(false);
    engines().Dialog().setUpdatesEnabled(false);
    window.show();
    QPushButton other(QStringLiteral("other"));
    other.show();
    int otherClicks = 0;
    QObject::connect(&other, &QPushButton::clicked, [&] { ++otherClicks; });
    engines().Button("Sbt_snone").click();

    EXPECT_TRUE(engines().RunDialog("Sbt_add", [&] {
        const QPoint offset = engines().Dialog().geometry().center() - window.geometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << "centred over the main window";
        QAbstractButton& selectAll = engines().Button("Sbt_sall");
        const QPoint inWindow = selectAll.mapTo(&window, selectAll.rect().center());
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inWindow);
        QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, other.rect().center());
    }));
    EXPECT_EQ(engines().Ticks(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(otherClicks, 1);

    // Unblocked again once it is closed.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      engines().Button("Sbt_sall").mapTo(&window, QPoint(11, 11)));
    EXPECT_EQ(engines().Ticks(), (std::vector<bool>{true, true, true}));
}

} // namespace

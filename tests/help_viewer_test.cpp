#include "gui/main_window.h"
#include "main/HTMLHelp_Decl.h"
#include "main/catalogues.h"
#include "platform/dynamic_library.h"
#include "support/fake_message_box.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// The program's folder as the build lays it out: the help module and the
// help file beside the program.
const std::string kProgramDir = QM_PROGRAM_BUILD_DIR "/";
const std::string kIntro = kProgramDir + "\\Manuvel.chm::/htmls\\intro_welcome.htm";
const std::string kGetKeys = kProgramDir + "\\Manuvel.chm::/htmls\\Manual_getkeys.htm";
const std::string kIntroTitle = "Welcome to Quillmark";
const std::string kGetKeysTitle = "Finding an engine's markers";

// The real help module's entry point, as the program binds it.
HWND ShowHelp(const std::string& path) {
    static const auto htmlHelp = reinterpret_cast<HtmlHelpProc>(
        GetProcAddress(LoadLibraryA((kProgramDir + "HHCTRL.OCX").c_str()), "HtmlHelpA"));
    return htmlHelp(0, path.c_str(), HH_DISPLAY_TOPIC, 0);
}

QWidget* HelpWindow(HWND handle) {
    return QWidget::find(static_cast<WId>(handle));
}

QTextBrowser* Browser(QWidget* window) {
    return window->findChild<QTextBrowser*>("HelpBrowser");
}

// Clicks through the window system, where a modal dialog blocks what it
// blocks. The click runs the event loop; no window paints then, since Qt's
// parallel fills of large areas are beyond the thread checker's sight.
void ClickThroughWindow(QWidget* control) {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        shown->setUpdatesEnabled(false);
    }
    QWidget* window = control->window();
    const QPoint centre = control->mapTo(window, control->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centre);
}

// Clicks the link whose text is `text`, where it stands on the page.
void ClickLink(QTextBrowser* browser, const QString& text) {
    QTextCursor link = browser->document()->find(text);
    ASSERT_FALSE(link.isNull()) << text.toStdString();
    link.setPosition(link.selectionStart() + 2);
    browser->setTextCursor(link);
    browser->ensureCursorVisible();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
}

bool AnyMessageBox() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(window) != nullptr && window->isVisible()) {
            return true;
        }
    }
    return false;
}

TEST(HelpViewerTest, ShowsATopicTitledWithItsTitleInOneWindowForTheRun) {
    const HWND intro = ShowHelp(kIntro);
    ASSERT_NE(intro, 0u);
    QWidget* window = HelpWindow(intro);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), kIntroTitle);
    EXPECT_TRUE(Browser(window)->toPlainText().contains("A first search, step by step"));

    // Separators of either kind, doubled, and topics in any letter case.
    const std::string paths[] = {
        kProgramDir + "Manuvel.chm::/htmls/Manual_getkeys.htm",
        kProgramDir + "/\\Manuvel.chm::\\\\HTMLS//manual_GETKEYS.HTM",
    };
    for (const std::string& path : paths) {
        ShowHelp(kIntro);
        EXPECT_EQ(ShowHelp(path), intro) << path;
        EXPECT_EQ(window->windowTitle().toStdString(), kGetKeysTitle) << path;
    }

    // Closed by the user, the window comes back on the next request (with a
    // handle of its own, as a window made anew).
    window->close();
    EXPECT_EQ(HelpWindow(ShowHelp(kIntro)), window);
    EXPECT_TRUE(window->isVisible());
}

TEST(HelpViewerTest, FollowsLinksAndGoesBackAndForward) {
    QWidget* window = HelpWindow(ShowHelp(kIntro));
    ASSERT_NE(window, nullptr);
    QTextBrowser* browser = Browser(window);
    auto* back = window->findChild<QToolButton*>("Back");
    auto* forward = window->findChild<QToolButton*>("Forward");

    ClickLink(browser, QString::fromStdString(kGetKeysTitle));
    EXPECT_EQ(window->windowTitle().toStdString(), kGetKeysTitle);
    EXPECT_TRUE(browser->toPlainText().contains("A worked example"));
    // Its style sheet comes from the help file too.
    EXPECT_FALSE(browser
                     ->loadResource(QTextDocument::StyleSheetResource,
                                    browser->source().resolved(QUrl("help.css")))
                     .toByteArray()
                     .isEmpty());

    back->click();
    EXPECT_EQ(window->windowTitle().toStdString(), kIntroTitle);
    forward->click();
    EXPECT_EQ(window->windowTitle().toStdString(), kGetKeysTitle);
    ClickLink(browser, QString::fromStdString(kIntroTitle));
    EXPECT_EQ(window->windowTitle().toStdString(), kIntroTitle);
}

TEST(HelpViewerTest, AMissingFileOrTopicShowsNothingAndGivesNoWindow) {
    FakeMessageBox boxes;
    const HWND intro = ShowHelp(kIntro);
    const std::string missing[] = {
        kProgramDir + "\\Nothing.chm::/htmls\\intro_welcome.htm",
        kProgramDir + "\\Manuvel.chm::/htmls\\no_such_page.htm", kProgramDir + "\\Manuvel.chm",
        kProgramDir + "\\HHCTRL.OCX::/htmls\\intro_welcome.htm", // not a help file
    };
    for (const std::string& path : missing) {
        EXPECT_EQ(ShowHelp(path), 0u) << path;
        EXPECT_EQ(HelpWindow(intro)->windowTitle().toStdString(), kIntroTitle) << path;
    }
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_FALSE(AnyMessageBox());
}

// The engine settings dialog is modal to the main window; help asked for
// from it must still take input.
TEST(HelpViewerTest, TakesInputWhileADialogIsModalToTheMainWindow) {
    TempHome home;
    TempDir dir;
    WriteFile(EnginesFileIn(dir.Path()), "[Description]\r\nNone\r\n");
    WriteFile(CustomEnginesFileIn(dir.Path()), "[Description]\r\nNone\r\n");
    TFm_Main mainWindow(dir.Path());
    mainWindow.show();
    QDialog dialog(&mainWindow);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.show();

    // The dialog blocks the main window for clicks sent the same way.
    auto* save = mainWindow.findChild<QToolButton*>("Sbt_save");
    int saveClicks = 0;
    QObject::connect(save, &QToolButton::clicked, [&saveClicks] { ++saveClicks; });
    ClickThroughWindow(save);
    EXPECT_EQ(saveClicks, 0);

    QWidget* window = HelpWindow(ShowHelp(kIntro));
    ASSERT_NE(window, nullptr);
    ShowHelp(kGetKeys);
    ClickThroughWindow(window->findChild<QToolButton*>("Back"));
    EXPECT_EQ(window->windowTitle().toStdString(), kIntroTitle);
}

} // namespace

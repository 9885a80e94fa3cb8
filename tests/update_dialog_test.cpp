#include "gui/update.h"
#include "main/catalogues.h"
#include "main/maker_site.h"
#include "support/fake_message_box.h"
#include "support/temp_dir.h"
#include "support/test_http_server.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

constexpr const char* kTarget = "/download/Quillmark/engdata/engines.dat";
constexpr const char* kOldCatalogue = "[Description]\r\nOld engines\r\n";
constexpr const char* kNewCatalogue = "[Description]\r\nNew engines\r\n";

// What the dialog shows: Btn_ok's caption, whether each button is enabled,
// and the status.
struct DialogState {
    QString caption;
    bool okEnabled = false;
    bool cancelEnabled = false;
    QString status;

    bool operator==(const DialogState&) const = default;
};

void PrintTo(const DialogState& state, std::ostream* out) {
    *out << '"' << state.caption.toStdString() << "\" " << state.okEnabled << state.cancelEnabled
         << " \"" << state.status.toStdString() << '"';
}

const DialogState kReady{"Start", true, true, "Press Start  Button to  Start Update!"};
const DialogState kDownloading{"Start", false, false, "Now Updating Engines Data, Please Wait...."};
const DialogState kFailed{"Start", true, true,
                          "Connect error! Please try later.Press Cancel to Return!"};
const DialogState kDone{"Ok", false, false,
                        "Update Completed , Restart Quillmark to use new data!"};

// Records the dialog's state each time its status line is painted.
class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(std::function<DialogState()> read)
        : read_(std::move(read)) {}
    std::vector<DialogState> painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted.push_back(read_());
        }
        return false;
    }

private:
    std::function<DialogState()> read_;
};

// The dialog over a stand-in main window, its catalogue in a fresh program
// directory and the maker's host pointing at the test server.
class UpdateDialogTest : public testing::Test {
protected:
    void SetUp() override {
        SetMakerHostForTests(server_.HostPort());
        WriteFile(Catalogue(), kOldCatalogue);
        mainWindow_.setGeometry(200, 150, 615, 394);
        mainWindow_.show();
        NewDialog();
    }
    void TearDown() override {
        dialog_.reset();
        SetMakerHostForTests("");
    }

    void NewDialog() {
        dialog_ = std::make_unique<TFM_Update>(dir_.Path(), &mainWindow_);
        recorder_ = std::make_unique<PaintRecorder>([this] { return State(); });
        Control<QLabel>("Lb_State")->installEventFilter(recorder_.get());
    }

    template <typename T> T* Control(const char* name) const {
        T* control = dialog_->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    DialogState State() const {
        const QPushButton* ok = Control<QPushButton>("Btn_ok");
        return {ok->text(), ok->isEnabled(), Control<QPushButton>("Btn_cancel")->isEnabled(),
                Control<QLabel>("Lb_State")->text()};
    }

    // The status line shows its whole text inside the dialog.
    void ExpectStatusShownWhole() const {
        const QLabel* state = Control<QLabel>("Lb_State");
        EXPECT_GE(state->width(), state->fontMetrics().horizontalAdvance(state->text()))
            << state->text().toStdString();
        EXPECT_TRUE(dialog_->rect().contains(state->geometry())) << state->text().toStdString();
    }

    void Show() {
        dialog_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
        recorder_->painted.clear();
    }

    // Shows the dialog, points the download at the reply and presses Start.
    void Update(const TestReply& reply) {
        server_.Serve(kTarget, reply);
        Show();
        Control<QPushButton>("Btn_ok")->click();
    }

    std::string Catalogue() const { return EnginesFileIn(dir_.Path()); }

    TempDir dir_;
    TestHttpServer server_;
    FakeMessageBox boxes_;
    QWidget mainWindow_;
    std::unique_ptr<TFM_Update> dialog_;
    std::unique_ptr<PaintRecorder> recorder_;
};

TEST_F(UpdateDialogTest, IsLaidOutAsASmallFixedDialogCentredOverTheMainWindow) {
    EXPECT_EQ(dialog_->objectName(), "FM_Update");
    EXPECT_EQ(dialog_->windowTitle(), "Updating");
    EXPECT_FALSE(dialog_->isVisible());
    Show();
    EXPECT_EQ(dialog_->size(), QSize(374, 101));
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    const Qt::WindowFlags flags = dialog_->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QPoint offset = dialog_->frameGeometry().center() - mainWindow_.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();

    const QLabel* state = Control<QLabel>("Lb_State");
    // As laid out, unless the text needs more room than the font here gives.
    EXPECT_EQ(state->y(), 32);
    EXPECT_EQ(state->height(), 16);
    if (state->fontMetrics().horizontalAdvance(state->text()) <= 206) {
        EXPECT_EQ(state->geometry(), QRect(32, 32, 206, 16));
    }
    ExpectStatusShownWhole();
    EXPECT_EQ(state->alignment(), Qt::AlignCenter);
    QPushButton* ok = Control<QPushButton>("Btn_ok");
    QPushButton* cancel = Control<QPushButton>("Btn_cancel");
    EXPECT_EQ(ok->geometry(), QRect(184, 64, 75, 25));
    EXPECT_EQ(cancel->geometry(), QRect(264, 64, 75, 25));
    EXPECT_EQ(ok->nextInFocusChain(), cancel);
    for (const QWidget* control : std::initializer_list<const QWidget*>{state, ok, cancel}) {
        EXPECT_EQ(control->font().family(), "MS Sans Serif");
        EXPECT_EQ(control->font().pixelSize(), 13);
    }
    EXPECT_EQ(State(), kReady);

    // Shown again after the main window moved, it follows it.
    dialog_->hide();
    mainWindow_.move(40, 30);
    Show();
    const QPoint moved = dialog_->frameGeometry().center() - mainWindow_.frameGeometry().center();
    EXPECT_LE(moved.manhattanLength(), 2) << moved.x() << "," << moved.y();
}

TEST_F(UpdateDialogTest, GoesThroughItsStatesAndStartTriesAgainAfterAFailure) {
    Update(TestReply::Status("HTTP/1.1 404 Not Found", kNewCatalogue));
    // The status of the download was painted before it blocked, and the
    // failure at once.
    ASSERT_EQ(recorder_->painted.size(), 2u);
    EXPECT_EQ(recorder_->painted[0], kDownloading);
    EXPECT_EQ(recorder_->painted[1].status, kFailed.status);
    EXPECT_EQ(State(), kFailed);
    ExpectStatusShownWhole();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(ReadFile(Catalogue()), kOldCatalogue);

    server_.Serve(kTarget, TestReply::Page(kNewCatalogue));
    recorder_->painted.clear();
    Control<QPushButton>("Btn_ok")->click();
    EXPECT_EQ(recorder_->painted.front(), kDownloading);
    EXPECT_EQ(State(), kDone);
    ExpectStatusShownWhole();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(ReadFile(Catalogue()), kNewCatalogue);

    const std::vector<TestRequest> requests = server_.Requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string& raw = requests.back().raw;
    EXPECT_EQ(raw.substr(0, raw.find("\r\n")), std::string("GET ") + kTarget + " HTTP/1.1");
    EXPECT_NE(raw.find("\r\nHost: " + server_.HostPort() + "\r\n"), std::string::npos);
    EXPECT_NE(raw.find("\r\nAccept: text/html, */*\r\n"), std::string::npos);
    EXPECT_NE(raw.find("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"),
              std::string::npos);

    // Shown again, it still says it is done.
    Show();
    EXPECT_EQ(State(), kDone);
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(UpdateDialogTest, CancelAndTheCloseBoxCloseTheDialogAndKeepItsState) {
    Show();
    Control<QPushButton>("Btn_cancel")->click();
    EXPECT_FALSE(dialog_->isVisible());
    Show();
    EXPECT_EQ(State(), kReady);

    Update(TestReply::Status("HTTP/1.1 500 Server Error"));
    EXPECT_TRUE(dialog_->close()); // the close box
    EXPECT_FALSE(dialog_->isVisible());
    Show();
    EXPECT_EQ(State(), kFailed);
    Control<QPushButton>("Btn_cancel")->click();
    EXPECT_FALSE(dialog_->isVisible());
    Show();
    EXPECT_EQ(State(), kFailed);
    EXPECT_EQ(ReadFile(Catalogue()), kOldCatalogue);
}

TEST_F(UpdateDialogTest, WritesTheCatalogueWithCrLfLineEndsOnlyWhenItHoldsDescription) {
    const struct {
        const char* name;
        std::string body;
        std::optional<std::string> written; // none: the old file stays
    } cases[] = {
        {"no Description", "[Engines URL]\nA=http://a.example/\n", std::nullopt},
        {"lower case only", "[description]\r\nA\r\n", std::nullopt},
        {"empty body", "", std::nullopt},
        {"Description after a NUL", std::string("[Engines URL]\n\0[Description]\n", 30),
         std::nullopt},
        {"anywhere in a line", "x=a Description of it", "x=a Description of it\r\n"},
        {"LF", "[Description]\nA\n\nB\n", "[Description]\r\nA\r\n\r\nB\r\n"},
        {"lone CR", "[Description]\rA\r\rB", "[Description]\r\nA\r\n\r\nB\r\n"},
        {"mixed", "[Description]\r\nA\nB\rC\n\rD\r\n", "[Description]\r\nA\r\nB\r\nC\r\n\r\nD\r\n"},
        {"NUL ends the text", std::string("[Description]\nA\0B\nC\n", 20),
         "[Description]\r\nA\r\n"},
    };
    for (const auto& c : cases) {
        WriteFile(Catalogue(), kOldCatalogue);
        NewDialog();
        Update(TestReply::Page(c.body));
        EXPECT_EQ(State(), kDone) << c.name;
        EXPECT_FALSE(dialog_->isVisible()) << c.name;
        EXPECT_EQ(ReadFile(Catalogue()), c.written.value_or(kOldCatalogue)) << c.name;
    }
}

TEST_F(UpdateDialogTest, AFailedFetchOrWriteLeavesTheOldCatalogueWhole) {
    int refusedPort = 0;
    {
        TestHttpServer closed;
        refusedPort = closed.Port();
    }
    const struct {
        const char* name;
        TestReply reply;
        bool refuseConnection;
        bool readOnlyCatalogue;
    } cases[] = {
        {"404", TestReply::Status("HTTP/1.1 404 Not Found", kNewCatalogue), false, false},
        {"302", TestReply::Redirect(302, server_.Url("/elsewhere")), false, false},
        {"refused connection", TestReply::Page(kNewCatalogue), true, false},
        {"refused write", TestReply::Page(kNewCatalogue), false, true},
    };
    server_.Serve("/elsewhere", TestReply::Page(kNewCatalogue));
    for (const auto& c : cases) {
        WriteFile(Catalogue(), kOldCatalogue);
        chmod(Catalogue().c_str(), c.readOnlyCatalogue ? 0444 : 0644);
        SetMakerHostForTests(c.refuseConnection ? "127.0.0.1:" + std::to_string(refusedPort)
                                                : server_.HostPort());
        NewDialog();
        Update(c.reply);
        EXPECT_EQ(State(), kFailed) << c.name;
        EXPECT_TRUE(dialog_->isVisible()) << c.name;
        EXPECT_EQ(ReadFile(Catalogue()), kOldCatalogue) << c.name;
    }
    chmod(Catalogue().c_str(), 0644);
    EXPECT_TRUE(boxes_.Shown().empty());
}

} // namespace

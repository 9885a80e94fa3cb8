#include "gui/spin_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A window with the box set up as the search area limit and a second control
// to move the focus to.
class SpinEditTest : public testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window_ = std::make_unique<QWidget>();
        box_ = new TSpinEdit(window_.get());
        box_->SetMinValue(1);
        box_->SetMaxValue(200);
        box_->SetValue(20);
        other_ = new QLineEdit(window_.get());
        other_->move(0, 40);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        box_->setFocus();
    }

    // Replaces the text by typing it, as the user would.
    void Type(const QString& text) {
        box_->selectAll();
        QTest::keyClick(box_, Qt::Key_Backspace);
        QTest::keyClicks(box_, text);
    }

    std::unique_ptr<QWidget> window_;
    TSpinEdit* box_ = nullptr;
    QLineEdit* other_ = nullptr;
};

TEST_F(SpinEditTest, ValueIsTheWholeNumberTheTextReadsAsOrTheMinimum) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"20", 20},        {"0", 0},
        {"500", 500},      {"-3", -3},
        {"+7", 7},         {"007", 7},
        {"-0", 0},         {"", 1},
        {"-", 1},          {"+", 1},
        {".", 1},          {"1.5", 1},
        {"+-5", 1},        {"--5", 1},
        {"5-", 1},         {"2147483647", 2147483647},
        {"2147483648", 1}, {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases) {
        Type(QString::fromLatin1(c.text));
        EXPECT_EQ(box_->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(box_->Value(), c.value) << c.text;
    }
}

TEST_F(SpinEditTest, SetValueBringsTheValueWithinDifferingBounds) {
    const struct {
        int min, max, value;
        const char* text;
    } cases[] = {
        {1, 200, 150, "150"}, {1, 200, 500, "200"}, {1, 200, -3, "1"},  {1, 200, 0, "1"},
        {1, 200, 200, "200"}, {1, 20, 150, "20"},   {0, 0, 500, "500"}, {5, 5, -1, "-1"},
    };
    for (const auto& c : cases) {
        box_->SetMinValue(c.min);
        box_->SetMaxValue(c.max);
        box_->SetValue(c.value);
        EXPECT_EQ(box_->text(), QString::fromLatin1(c.text))
            << c.min << " " << c.max << " " << c.value;
    }
}

TEST_F(SpinEditTest, ChangingTheMaximumKeepsTheValue) {
    box_->SetValue(150);
    box_->SetMaxValue(20);
    EXPECT_EQ(box_->text(), "150");
    EXPECT_EQ(box_->Value(), 150);
}

TEST_F(SpinEditTest, TypingRefusesEveryCharacterButDigitsSignsAndTheDecimalPoint) {
    Type("1a2 b+-.3xE");
    EXPECT_EQ(box_->text(), "12+-.3");
    QTest::keyClick(box_, Qt::Key_Return);
    QTest::keyClick(box_, Qt::Key_Enter);
    EXPECT_EQ(box_->text(), "12+-.3");
    QTest::keyClick(box_, Qt::Key_Backspace);
    QTest::keyClick(box_, Qt::Key_Home);
    QTest::keyClick(box_, Qt::Key_Delete);
    EXPECT_EQ(box_->text(), "2+-.");
}

TEST_F(SpinEditTest, PastedTextWithOtherCharactersIsRefused) {
    Type("12");
    QApplication::clipboard()->setText("3x");
    QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box_->text(), "12");
    QApplication::clipboard()->setText("-3");
    box_->selectAll();
    QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box_->text(), "-3");
}

TEST_F(SpinEditTest, ArrowKeysAndSpinArrowsStepByOneWithinTheBounds) {
    QTest::keyClick(box_, Qt::Key_Up);
    EXPECT_EQ(box_->text(), "21");
    QTest::keyClick(box_, Qt::Key_Down);
    QTest::keyClick(box_, Qt::Key_Down);
    EXPECT_EQ(box_->text(), "19");

    const struct {
        const char* text;
        int steps;
        const char* after;
    } cases[] = {
        {"200", 1, "200"}, {"1", -1, "1"},  {"500", -1, "200"}, {"-3", 1, "1"},
        {"", 1, "2"},      {"1.5", 1, "2"}, {"0", 1, "1"},      {"150", 1, "151"},
    };
    for (const auto& c : cases) {
        Type(QString::fromLatin1(c.text));
        box_->stepBy(c.steps);
        EXPECT_EQ(box_->text(), QString::fromLatin1(c.after)) << c.text << " " << c.steps;
    }
}

TEST_F(SpinEditTest, LeavingTheBoxEmitsExitAndLeavesTheTextAlone) {
    QSignalSpy exits(box_, &TSpinEdit::Exit);
    Type("500");
    other_->setFocus();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(box_->text(), "500");

    box_->setFocus();
    Type("");
    other_->setFocus();
    EXPECT_EQ(exits.count(), 2);
    EXPECT_EQ(box_->text(), "");
    EXPECT_EQ(box_->Value(), 1);
}

TEST_F(SpinEditTest, SwitchingToAnotherWindowIsNoExit) {
    QSignalSpy exits(box_, &TSpinEdit::Exit);
    Type("500");
    QWidget otherWindow;
    otherWindow.show();
    otherWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&otherWindow));
    EXPECT_FALSE(box_->hasFocus());
    EXPECT_EQ(exits.count(), 0);

    // Back in the box's window, leaving for another control is an exit.
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    EXPECT_TRUE(box_->hasFocus());
    other_->setFocus();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(box_->text(), "500");
}

} // namespace

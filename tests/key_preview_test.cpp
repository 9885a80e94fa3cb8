#include "gui/key_preview.h"
#include "gui/spin_edit.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A window of a line edit, a spin edit and a list, with a key preview that
// records every key it sees. Keys go to the window's focused control, as the
// window system delivers them; the event loop is not run, so nothing paints.
class KeyPreviewTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        edit_ = new QLineEdit(window_.get());
        spin_ = new TSpinEdit(window_.get());
        spin_->move(0, 30);
        list_ = new QTreeWidget(window_.get());
        list_->move(0, 60);
        new KeyPreview(window_.get(),
                       [this](int key, Qt::KeyboardModifiers) { keys_.push_back(key); });
        window_->show();
    }

    void Press(int key) { QTest::keyClick(window_->focusWidget(), static_cast<Qt::Key>(key)); }

    std::unique_ptr<QWidget> window_;
    QLineEdit* edit_ = nullptr;
    TSpinEdit* spin_ = nullptr;
    QTreeWidget* list_ = nullptr;
    std::vector<int> keys_;
};

TEST_F(KeyPreviewTest, SeesEachKeyOnceWhicheverControlHasTheFocus) {
    for (QWidget* control : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(spin_),
                             static_cast<QWidget*>(list_)}) {
        keys_.clear();
        control->setFocus();
        Press(Qt::Key_F1);
        EXPECT_EQ(keys_, std::vector<int>{Qt::Key_F1}) << control->metaObject()->className();
    }
}

TEST_F(KeyPreviewTest, KeysStillReachTheFocusedControl) {
    edit_->setFocus();
    Press(Qt::Key_A);
    Press(Qt::Key_B);
    EXPECT_EQ(edit_->text(), "ab");
    EXPECT_EQ(keys_, (std::vector<int>{Qt::Key_A, Qt::Key_B}));
}

TEST_F(KeyPreviewTest, IgnoresKeysOfOtherWindows) {
    QLineEdit other;
    other.show();
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_F1);
    EXPECT_TRUE(keys_.empty());
}

} // namespace

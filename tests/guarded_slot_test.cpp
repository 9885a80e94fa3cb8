#include "gui/guarded_slot.h"
#include "support/fake_message_box.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(GuardedSlot, ShowsAnErrorThatLeavesTheHandlerInTheErrorBox) {
    FakeMessageBox boxes;
    Application->SetTitle("Tavrello");
    int calls = 0;
    auto slot = Guarded([&calls] {
        ++calls;
        throw std::runtime_error("Unable to write to records.dat");
    });
    EXPECT_NO_THROW(slot());
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, "Unable to write to records.dat.");
    EXPECT_EQ(boxes.Shown()[0].Caption, "Tavrello");
    EXPECT_EQ(boxes.Shown()[0].Flags, MB_OK | MB_ICONERROR);
}

// A full stop is added only after a last character whose code is above
// that of ".".
TEST(GuardedSlot, TheFullStopFollowsOnlyCharactersAbove46) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Ends in a letter", "Ends in a letter."},
        {"Ends in a slash /", "Ends in a slash /."},
        {"Ends in a digit 0", "Ends in a digit 0."},
        {"Ends in caf\xe9", "Ends in caf\xe9."},
        {"Ends in a stop.", "Ends in a stop."},
        {"Ends in a bang!", "Ends in a bang!"},
        {"Ends in a dash -", "Ends in a dash -"},
        {"Ends in a blank ", "Ends in a blank "},
        {"", ""},
    };
    for (const auto& [message, shown] : cases) {
        SCOPED_TRACE(message);
        FakeMessageBox boxes;
        Guarded([&message] { throw std::runtime_error(message); })();
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{shown});
    }
}

TEST(GuardedSlot, AnyOtherThrownValueIsShownToo) {
    FakeMessageBox boxes;
    EXPECT_NO_THROW(Guarded([] { throw 42; })());
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Unknown error."});
}

TEST(GuardedSlot, AHandlerThatReturnsShowsNothing) {
    FakeMessageBox boxes;
    bool ran = false;
    Guarded([&ran] { ran = true; })();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(boxes.Shown().empty());
}

} // namespace

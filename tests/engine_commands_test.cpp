#include "gui/neweng.h"
#include "main/engine_list.h"
#include "platform/message_box.h"
#include "support/engine_window_test.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string Standard = "[Description]\r\n"
                             "Standard engines\r\n"
                             "Alpha=described\r\n"
                             "[Engines URL]\r\n"
                             "Alpha=http://alpha.example/\r\n"
                             "Beta=http://beta.example/\r\n"
                             "[Search URL]\r\n"
                             "Alpha=http://alpha.example/?q=\r\n"
                             "Beta=http://beta.example/?q=\r\n"
                             "[List Tag]\r\n"
                             "Alpha=<ol>*<li>**\r\n"
                             "Beta=<ul>*<li>**\r\n"
                             "[Next Tag]\r\n"
                             "Alpha=*<a*Next*</a>\r\n"
                             "Beta=*<b*More*</b>\r\n";

// Names Alpha too, as the standard catalogue does.
const std::string Custom = "[Description]\r\n"
                           "Custom engines\r\n"
                           "Alpha=mine\r\n"
                           "[Engines URL]\r\n"
                           "Gamma=http://gamma.example/\r\n"
                           "Alpha=http://alpha.custom/\r\n"
                           "[Search URL]\r\n"
                           "Gamma=http://gamma.example/?q=\r\n"
                           "Alpha=http://alpha.custom/?q=\r\n";

class EngineCommandsTest : public EngineWindowTest {
protected:
    void SetUp() override { Reopen(Standard, Custom); }

    const std::vector<std::string> AllRows = {"Alpha/S", "Beta/S", "Gamma/C", "Alpha/C"};
};

TEST_F(EngineCommandsTest, EditAndDeleteNeedASelectedRow) {
    // Earlier texts in the dialog, to show that a refused edit leaves them.
    EXPECT_TRUE(
        engines().RunDialog("Sbt_add", [&] { engines().Box("Edt_EngName").setText("Typed"); }));
    engines().Boxes().Clear();
    const struct {
        const char* button;
        const char* message;
    } cases[] = {
        {"Sbt_edt", "Please Select One Item!"},
        {"Sbt_del", "You Should Selected one engine site first"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        engines().Boxes().Clear();
        bool opened = true;
        engines().RunDialog(
            c.button, [] {}, &opened);
        EXPECT_FALSE(opened);
        ASSERT_EQ(engines().Boxes().Shown().size(), 1u);
        EXPECT_EQ(engines().Boxes().Shown()[0].Text, c.message);
        EXPECT_EQ(engines().Boxes().Shown()[0].Caption, "Tavrello");
        EXPECT_EQ(engines().Boxes().Shown()[0].Flags, MB_OK);
        EXPECT_EQ(engines().Box("Edt_EngName").text(), "Typed");
        EXPECT_EQ(engines().Standard(), Standard);
        EXPECT_EQ(engines().Custom(), Custom);
        EXPECT_EQ(engines().Rows(), AllRows);
    }
}

TEST_F(EngineCommandsTest, DeleteAnsweredNoChangesNothing) {
    engines().Engines().SetChecked(1, false);
    engines().Engines().SetField(0, TEngineRow::Ordination, "No. 3");
    engines().Select(2);
    engines().Button("Sbt_del").click(); // the fake answers No
    ASSERT_EQ(engines().Boxes().Shown().size(), 1u);
    EXPECT_EQ(engines().Boxes().Shown()[0].Text, "Are you sure delete this line?");
    EXPECT_EQ(engines().Boxes().Shown()[0].Caption, "Delete?");
    EXPECT_EQ(engines().Boxes().Shown()[0].Flags, 36u);
    EXPECT_EQ(engines().Standard(), Standard);
    EXPECT_EQ(engines().Custom(), Custom);
    EXPECT_EQ(engines().Rows(), AllRows);
    EXPECT_EQ(engines().Ticks(), (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(engines().SelectedRow(), 2);
    EXPECT_EQ(engines().Engines().Row(0).SubItems[TEngineRow::Ordination], "No. 3");
}

TEST_F(EngineCommandsTest, DeleteRemovesTheEngineFromItsOwnCatalogueOnly) {
    const struct {
        int row;
        std::string standard;
        std::string custom;
        std::vector<std::string> rows;
    } cases[] = {
        {0,
         "[Description]\r\n"
         "Standard engines\r\n"
         "[Engines URL]\r\n"
         "Beta=http://beta.example/\r\n"
         "[Search URL]\r\n"
         "Beta=http://beta.example/?q=\r\n"
         "[List Tag]\r\n"
         "Beta=<ul>*<li>**\r\n"
         "[Next Tag]\r\n"
         "Beta=*<b*More*</b>\r\n",
         Custom,
         {"Beta/S", "Gamma/C", "Alpha/C"}},
        {3,
         Standard,
         "[Description]\r\n"
         "Custom engines\r\n"
         "[Engines URL]\r\n"
         "Gamma=http://gamma.example/\r\n"
         "[Search URL]\r\n"
         "Gamma=http://gamma.example/?q=\r\n",
         {"Alpha/S", "Beta/S", "Gamma/C"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Reopen(Standard, Custom);
        engines().Engines().SetChecked(c.row, false); // the selection counts, not the ticks
        engines().Engines().SetField(1, TEngineRow::Status, "OK! Found");
        engines().Select(c.row);
        engines().Boxes().SetNextAnswer(IDYES);
        engines().Button("Sbt_del").click();
        EXPECT_EQ(engines().Standard(), c.standard);
        EXPECT_EQ(engines().Custom(), c.custom);
        // Rebuilt: every row ticked and idle again, none selected.
        EXPECT_EQ(engines().Rows(), c.rows);
        EXPECT_EQ(engines().Ticks(), std::vector<bool>(c.rows.size(), true));
        EXPECT_EQ(engines().SelectedRow(), -1);
        EXPECT_EQ(engines().Engines().Row(0).SubItems[TEngineRow::Status], "Ready");
        // So a command that needs a row asks for one again.
        engines().Button("Sbt_edt").click();
        EXPECT_EQ(engines().Boxes().Texts().back(), "Please Select One Item!");
    }
}

TEST_F(EngineCommandsTest, DeletingTheLastStandardEngineEmptiesTheList) {
    Reopen("[Engines URL]\r\nSolo=http://solo.example/\r\n", Custom);
    ASSERT_EQ(engines().Rows(), (std::vector<std::string>{"Solo/S", "Gamma/C", "Alpha/C"}));
    engines().Select(0);
    engines().Boxes().SetNextAnswer(IDYES);
    engines().Button("Sbt_del").click();
    EXPECT_EQ(engines().Standard(), "[Engines URL]\r\n");
    EXPECT_EQ(engines().Custom(), Custom);
    EXPECT_TRUE(engines().Rows().empty());

    // An empty list: nothing to tick, nothing to select; adding still works.
    engines().Button("Sbt_sall").click();
    engines().Button("Sbt_snone").click();
    engines().Boxes().Clear();
    engines().Button("Sbt_del").click();
    EXPECT_EQ(engines().Boxes().Texts(),
              std::vector<std::string>{"You Should Selected one engine site first"});
    bool opened = false;
    engines().RunDialog(
        "Sbt_add", [] {}, &opened);
    EXPECT_TRUE(opened);
}

TEST_F(EngineCommandsTest, SelectAllAndNoneChangeOnlyTheTicks) {
    engines().Engines().SetChecked(2, false);
    engines().Engines().SetField(1, TEngineRow::Ordination, "No. 9");
    engines().Select(3);
    const struct {
        const char* button;
        bool ticked;
    } cases[] = {{"Sbt_snone", false}, {"Sbt_sall", true}, {"Sbt_sall", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        engines().Button(c.button).click();
        EXPECT_EQ(engines().Ticks(), std::vector<bool>(4, c.ticked));
        EXPECT_EQ(engines().Rows(), AllRows);
        EXPECT_EQ(engines().SelectedRow(), 3);
        EXPECT_EQ(engines().Engines().Row(1).SubItems[TEngineRow::Ordination], "No. 9");
        EXPECT_EQ(engines().Standard(), Standard);
        EXPECT_EQ(engines().Custom(), Custom);
    }
    EXPECT_TRUE(engines().Boxes().Shown().empty());
}

} // namespace

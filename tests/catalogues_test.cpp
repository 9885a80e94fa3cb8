#include "main/catalogues.h"
#include "platform/application.h"
#include "support/fake_message_box.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string Catalogue(const std::string& enginesUrl, const std::string& rest = "") {
    return "[Description]\r\nA catalogue\r\n[Engines URL]\r\n" + enginesUrl + "\r\n" + rest;
}

const std::string kStandard =
    Catalogue("Alpha=http://alpha/\r\nBeta=http://beta/",
              "[Search URL]\r\nAlpha=http://alpha/?q=\r\n"
              "Beta=http://beta/s?p=\r\n"
              "[List Tag]\r\nAlpha=<ol>*<li>**\r\nBeta=<div>*<p>**\r\n"
              "[Next Tag]\r\nAlpha=*<a*Next*</a>\r\nBeta=*<a*More*</a>\r\n");
const std::string kCustom =
    Catalogue("Alpha=http://own/", "[Search URL]\r\nAlpha=http://own/?s=\r\n"
                                   "[List Tag]\r\nAlpha=<ul>*<li>**\r\n"
                                   "[Next Tag]\r\nAlpha=*<a*Next*</a>\r\n");

class LoadEnginesTest : public testing::Test {
protected:
    void Load() { LoadEngines(rows, standard, custom, pageTexts); }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < rows.Count(); ++i) {
            captions.push_back(rows.Row(i).Caption + "/" + rows.Row(i).SubItems[TEngineRow::Kind]);
        }
        return captions;
    }

    TempDir dir;
    std::string standard = EnginesFileIn(dir.Path());
    std::string custom = CustomEnginesFileIn(dir.Path());
    EngineList rows;
    std::vector<std::string> pageTexts;
};

TEST_F(LoadEnginesTest, StandardRowsComeFirstThenCustomRowsWithTheirOwnValues) {
    WriteFile(standard, kStandard);
    WriteFile(custom, kCustom);
    Load();
    ASSERT_EQ(Captions(), (std::vector<std::string>{"Alpha/S", "Beta/S", "Alpha/C"}));
    const std::array<std::string, 10> beta = {
        "N/A", " ", "Ready", "http://beta/s?p=", "*<a*More*</a>", "<div>*<p>**", "http://beta/",
        " ",   "S", "0"};
    EXPECT_EQ(rows.Row(1).SubItems, beta);
    EXPECT_EQ(rows.Row(2).SubItems[TEngineRow::SearchUrl], "http://own/?s=");
    EXPECT_EQ(rows.Row(2).SubItems[TEngineRow::HomeUrl], "http://own/");
    for (int i = 0; i < rows.Count(); ++i) {
        EXPECT_TRUE(rows.Row(i).Checked);
        EXPECT_EQ(rows.Row(i).ImageIndex, TEngineRow::IconIdle);
    }
    EXPECT_EQ(pageTexts, std::vector<std::string>(3));
}

// 2,000 names of 20 bytes need 42,001 bytes listed: far more than the first
// buffer that a list of names is read into. Every engine is listed, with
// its own values; the custom catalogue's engines after them.
TEST_F(LoadEnginesTest, ACatalogueOfManyEnginesListsEveryOne) {
    constexpr int Engines = 2000;
    std::string names;
    std::string search = "[Search URL]\r\n";
    for (int i = 0; i < Engines; ++i) {
        const std::string name = "Search engine " + std::to_string(100000 + i);
        names += name + "=http://e" + std::to_string(i) + "/\r\n";
        search += name + "=http://e" + std::to_string(i) + "/?q=\r\n";
    }
    WriteFile(standard, Catalogue(names, search));
    WriteFile(custom, kCustom);
    Load();
    ASSERT_EQ(rows.Count(), Engines + 1);
    const TEngineRow& last = rows.Row(Engines - 1);
    EXPECT_EQ(last.Caption, "Search engine 101999");
    EXPECT_EQ(last.SubItems[TEngineRow::SearchUrl], "http://e1999/?q=");
    EXPECT_EQ(rows.Row(Engines).Caption, "Alpha");
    EXPECT_EQ(rows.Row(Engines).SubItems[TEngineRow::Kind], "C");
}

TEST_F(LoadEnginesTest, AnEmptyStandardCatalogueGivesNoRowsEvenWithCustomEngines) {
    for (const std::string& standardText :
         {std::string(), Catalogue(""), std::string("[Description]\r\nnone\r\n")}) {
        WriteFile(standard, standardText);
        WriteFile(custom, kCustom);
        pageTexts = {"kept"};
        Load();
        EXPECT_EQ(rows.Count(), 0) << standardText;
        EXPECT_EQ(pageTexts, std::vector<std::string>{"kept"});
    }
}

TEST_F(LoadEnginesTest, ACustomCatalogueWithoutEnginesGivesTheStandardRowsAlone) {
    WriteFile(standard, kStandard);
    for (const std::string& customText : {std::string(), std::string("[Description]\r\nx\r\n")}) {
        WriteFile(custom, customText);
        Load();
        EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha/S", "Beta/S"}));
    }
    std::filesystem::remove(custom);
    Load();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha/S", "Beta/S"}));
}

TEST_F(LoadEnginesTest, MissingValuesReadAsError) {
    WriteFile(standard, Catalogue("Lonely=http://lonely/"));
    Load();
    ASSERT_EQ(rows.Count(), 1);
    const TEngineRow& row = rows.Row(0);
    EXPECT_EQ(row.SubItems[TEngineRow::SearchUrl], "Error");
    EXPECT_EQ(row.SubItems[TEngineRow::NextTag], "Error");
    EXPECT_EQ(row.SubItems[TEngineRow::ListTag], "Error");
    EXPECT_EQ(row.SubItems[TEngineRow::HomeUrl], "http://lonely/");
}

TEST_F(LoadEnginesTest, KeysThatDifferOnlyInCaseGiveTwoRowsWithTheSameValues) {
    WriteFile(standard, Catalogue("Moo=http://first/\r\nMOO=http://second/",
                                  "[Search URL]\r\nmoo=http://first/?q=\r\n"));
    Load();
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Row(0).Caption, "Moo");
    EXPECT_EQ(rows.Row(1).Caption, "MOO");
    EXPECT_EQ(rows.Row(1).SubItems[TEngineRow::HomeUrl], rows.Row(0).SubItems[TEngineRow::HomeUrl]);
    EXPECT_EQ(rows.Row(1).SubItems[TEngineRow::SearchUrl], "http://first/?q=");
}

TEST_F(LoadEnginesTest, AReloadTicksEveryRowAndClearsEveryResult) {
    WriteFile(standard, kStandard);
    WriteFile(custom, kCustom);
    Load();
    rows.SetChecked(0, false);
    rows.SetField(1, TEngineRow::Ordination, "No. 3");
    rows.SetField(1, TEngineRow::FoundPageUrl, "http://beta/page2");
    rows.SetImageIndex(2, TEngineRow::IconFailed);
    pageTexts[1] = "<html>";
    Load();
    for (int i = 0; i < rows.Count(); ++i) {
        EXPECT_TRUE(rows.Row(i).Checked);
        EXPECT_EQ(rows.Row(i).ImageIndex, TEngineRow::IconIdle);
        EXPECT_EQ(rows.Row(i).SubItems[TEngineRow::Ordination], "N/A");
        EXPECT_EQ(rows.Row(i).SubItems[TEngineRow::FoundPageUrl], " ");
    }
    EXPECT_EQ(pageTexts, std::vector<std::string>(3));
}

class CheckEngineFilesTest : public testing::Test {
protected:
    void SetUp() override { Application->Reset(); }
    void TearDown() override { Application->Reset(); }

    TempDir dir;
    FakeMessageBox boxes;
};

TEST_F(CheckEngineFilesTest, BothPresentSaysNothing) {
    WriteFile(EnginesFileIn(dir.Path()), kStandard);
    WriteFile(CustomEnginesFileIn(dir.Path()), kCustom);
    CheckEngineFiles(dir.Path());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(CheckEngineFilesTest, EachMissingFileIsReportedStandardFirstAndTheEndIsRequested) {
    struct Case {
        bool standard;
        bool custom;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {false, true, {"Error while loading engines data! "}},
        {true, false, {"Error while loading Custom engines data! "}},
        {false,
         false,
         {"Error while loading engines data! ", "Error while loading Custom engines data! "}},
    };
    for (const Case& c : cases) {
        TempDir caseDir;
        if (c.standard) {
            WriteFile(EnginesFileIn(caseDir.Path()), kStandard);
        }
        if (c.custom) {
            WriteFile(CustomEnginesFileIn(caseDir.Path()), kCustom);
        }
        boxes.Clear();
        Application->Reset();
        CheckEngineFiles(caseDir.Path());
        EXPECT_EQ(boxes.Texts(), c.messages);
        EXPECT_TRUE(Application->Terminated());
        for (const MessageBoxRequest& box : boxes.Shown()) {
            EXPECT_EQ(box.Flags, MB_OK);
            EXPECT_EQ(box.Caption, Application->Title());
        }
    }
}

TEST_F(CheckEngineFilesTest, ADirectoryInPlaceOfACatalogueCountsAsMissing) {
    std::filesystem::create_directory(EnginesFileIn(dir.Path()));
    WriteFile(CustomEnginesFileIn(dir.Path()), kCustom);
    CheckEngineFiles(dir.Path());
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Error while loading engines data! "});
}

// Every engine of the catalogues that ship has each of its values: a key
// missing from a section would read "Error".
TEST(ShippedCatalogues, LoadWithNoFieldReadingError) {
    const std::string data = std::string(QM_DATA_DIR) + "/";
    EngineList rows;
    std::vector<std::string> pageTexts;
    LoadEngines(rows, EnginesFileIn(data), CustomEnginesFileIn(data), pageTexts);
    ASSERT_GT(rows.Count(), 0);
    for (int i = 0; i < rows.Count(); ++i) {
        SCOPED_TRACE(rows.Row(i).Caption);
        EXPECT_FALSE(rows.Row(i).Caption.empty());
        for (const std::string& field : rows.Row(i).SubItems) {
            EXPECT_NE(field, "Error");
        }
    }
}

} // namespace

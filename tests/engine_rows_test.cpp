#include "main/engine_list.h"
#include "main/star_list.h"

#include <gtest/gtest.h>

namespace {

struct StarCase {
    std::string text;
    int n;
    std::string expected;
};

class StarFieldTest : public testing::TestWithParam<StarCase> {};

TEST_P(StarFieldTest, GivesTheField) {
    const StarCase& c = GetParam();
    EXPECT_EQ(GetStarField(c.text, "*", c.n), c.expected) << c.text << " n=" << c.n;
}

INSTANTIATE_TEST_SUITE_P(StarLists, StarFieldTest,
                         testing::Values(StarCase{"A*B**", 1, "A"}, StarCase{"A*B**", 2, "B"},
                                         StarCase{"A*B**", 3, ""}, StarCase{"A*B**", 4, ""},
                                         StarCase{"A*B**", 5, ""}, StarCase{"*X*Y*Z", 1, ""},
                                         StarCase{"*X*Y*Z", 2, "X"}, StarCase{"*X*Y*Z", 3, "Y"},
                                         StarCase{"*X*Y*Z", 4, "Z"}, StarCase{"*X*Y*Z", 6, "Z"},
                                         StarCase{"A*B", 3, "B"}, StarCase{"whole", 1, "whole"},
                                         StarCase{"whole", 4, "whole"}, StarCase{"", 1, ""},
                                         StarCase{"", 3, ""}, StarCase{" a * b ", 2, " b "}));

TEST(StarField, AStarTypedInsideAMarkerMovesTheLaterFieldsUp) {
    const std::string listTag = std::string("<div") + "*" + "a*b" + "**";
    EXPECT_EQ(GetStarField(listTag, "*", 2), "a");
    EXPECT_EQ(GetStarField(listTag, "*", 3), "b");
}

void FillOneRow(EngineList& list, const std::string& nextTag, const std::string& listTag) {
    const int row = list.Add("Engine");
    const std::array<std::string, TEngineRow::FieldCount> fields = {
        "N/A", " ", "Ready", "http://e/?q=", nextTag, listTag, "http://e/", " ", "S", "0"};
    for (int f = 0; f < TEngineRow::FieldCount; ++f) {
        list.SetField(row, f, fields[static_cast<std::size_t>(f)]);
    }
}

TEST(EngineField, KindsZeroToFourGiveTheRowFields) {
    EngineList list;
    FillOneRow(list, "*S*K*E", "R*I*3*X");
    EXPECT_EQ(GetEngineField(list, 0, 0, 0), "http://e/");
    EXPECT_EQ(GetEngineField(list, 0, 1, 0), "N/A");
    EXPECT_EQ(GetEngineField(list, 0, 2, 0), " ");
    EXPECT_EQ(GetEngineField(list, 0, 3, 0), "Ready");
    EXPECT_EQ(GetEngineField(list, 0, 4, 0), "http://e/?q=");
}

TEST(EngineField, KindFiveTakesPartsFiveToEightOfTheNextPageMarkers) {
    EngineList list;
    FillOneRow(list, "*S*K*E", "R*I*3*X");
    EXPECT_EQ(GetEngineField(list, 0, 5, 5), "");
    EXPECT_EQ(GetEngineField(list, 0, 5, 6), "S");
    EXPECT_EQ(GetEngineField(list, 0, 5, 7), "K");
    EXPECT_EQ(GetEngineField(list, 0, 5, 8), "E");
}

TEST(EngineField, KindSixTakesPartsOneToFourOfTheResultEntryMarkers) {
    EngineList list;
    FillOneRow(list, "*S*K*E", "R*I*3*X");
    EXPECT_EQ(GetEngineField(list, 0, 6, 1), "R");
    EXPECT_EQ(GetEngineField(list, 0, 6, 2), "I");
    EXPECT_EQ(GetEngineField(list, 0, 6, 3), "3");
    EXPECT_EQ(GetEngineField(list, 0, 6, 4), "X");
}

TEST(EngineField, AMissingListTagGivesErrorInEveryMarkerField) {
    EngineList list;
    FillOneRow(list, "*S*K*E", "Error");
    for (unsigned part = 1; part <= 4; ++part) {
        EXPECT_EQ(GetEngineField(list, 0, 6, part), "Error");
    }
}

TEST(EngineList, ShowsCaptionAndFirstThreeFieldsWithATick) {
    EngineList list;
    FillOneRow(list, "*S*K*E", "R*I**");
    ASSERT_EQ(list.rowCount(), 1);
    ASSERT_EQ(list.columnCount(), 4);
    EXPECT_EQ(list.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Search Engines");
    EXPECT_EQ(list.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Status");
    EXPECT_EQ(list.data(list.index(0, 0), Qt::DisplayRole).toString(), "Engine");
    EXPECT_EQ(list.data(list.index(0, 1), Qt::DisplayRole).toString(), "N/A");
    EXPECT_EQ(list.data(list.index(0, 3), Qt::DisplayRole).toString(), "Ready");
    EXPECT_EQ(list.data(list.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(list.flags(list.index(0, 0)) & Qt::ItemIsEditable);
}

TEST(EngineList, TheTickBoxCanBeClearedThroughTheView) {
    EngineList list;
    FillOneRow(list, "", "");
    EXPECT_TRUE(list.setData(list.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(list.Row(0).Checked);
    EXPECT_FALSE(list.setData(list.index(0, 1), "x", Qt::EditRole));
}

} // namespace

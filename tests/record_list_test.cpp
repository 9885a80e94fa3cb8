#include "main/record_list.h"

#include <gtest/gtest.h>

namespace {

TRecordRow Row(const std::string& date, const std::string& engine) {
    TRecordRow row;
    row.Caption = date;
    row.SubItems = {"key words", "www.site.com", engine, "No. 3"};
    return row;
}

TEST(RecordList, ShowsTheFiveColumns) {
    RecordList list;
    list.SetRows({Row("12/10/2026 8:20:44 AM", "Google")});
    ASSERT_EQ(list.columnCount(), 5);
    const char* const headers[] = {"Date", "KeyWords", "URL", "Engines", "Position"};
    const char* const texts[] = {"12/10/2026 8:20:44 AM", "key words", "www.site.com", "Google",
                                 "No. 3"};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(list.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers[c]);
        EXPECT_EQ(list.data(list.index(0, c), Qt::DisplayRole).toString(), texts[c]);
    }
    EXPECT_EQ(list.data(list.index(0, 0), Qt::CheckStateRole), QVariant(Qt::Unchecked));
    EXPECT_FALSE(list.data(list.index(0, 1), Qt::CheckStateRole).isValid());
    EXPECT_FALSE(list.data(list.index(0, 0), Qt::DecorationRole).isValid());
}

TEST(RecordList, OnlyTheDateIsEditableAndTickable) {
    RecordList list;
    list.SetRows({Row("d", "e")});
    const Qt::ItemFlags date = list.flags(list.index(0, 0));
    EXPECT_TRUE(date.testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(date.testFlag(Qt::ItemIsUserCheckable));
    for (int c = 1; c < 5; ++c) {
        const Qt::ItemFlags other = list.flags(list.index(0, c));
        EXPECT_FALSE(other.testFlag(Qt::ItemIsEditable)) << c;
        EXPECT_FALSE(other.testFlag(Qt::ItemIsUserCheckable)) << c;
    }
    EXPECT_FALSE(list.setData(list.index(0, 3), QString("x"), Qt::EditRole));
    EXPECT_EQ(list.Row(0).SubItems[TRecordRow::Engine], "e");
}

TEST(RecordList, EditingTheDateChangesOnlyThatRow) {
    RecordList list;
    list.SetRows({Row("one", "A"), Row("one", "B")});
    int changed = 0;
    QObject::connect(&list, &QAbstractItemModel::dataChanged, [&changed] { ++changed; });
    EXPECT_EQ(list.data(list.index(1, 0), Qt::EditRole).toString(), "one");
    ASSERT_TRUE(list.setData(list.index(1, 0), QString("two"), Qt::EditRole));
    EXPECT_EQ(list.Row(0).Caption, "one");
    EXPECT_EQ(list.Row(1).Caption, "two");
    EXPECT_EQ(changed, 1);
}

TEST(RecordList, TicksComeFromTheCheckBoxesAndTheSelectAllCommands) {
    RecordList list;
    list.SetRows({Row("d", "A"), Row("d", "B"), Row("d", "C")});
    EXPECT_FALSE(list.AnyChecked());
    ASSERT_TRUE(list.setData(list.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.Row(1).Checked);
    EXPECT_TRUE(list.AnyChecked());
    list.SetAllChecked(true);
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_TRUE(list.Row(i).Checked);
    }
    list.SetAllChecked(false);
    EXPECT_FALSE(list.AnyChecked());
}

TEST(RecordList, RowsStayInTheOrderGiven) {
    RecordList list;
    std::vector<TRecordRow> rows;
    for (const char* engine : {"Zeta", "Alpha", "Mid"}) {
        rows.push_back(Row("d", engine));
    }
    int reset = 0;
    QObject::connect(&list, &QAbstractItemModel::modelReset, [&reset] { ++reset; });
    list.SetRows(rows);
    EXPECT_EQ(reset, 1);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.Row(0).SubItems[TRecordRow::Engine], "Zeta");
    EXPECT_EQ(list.Row(2).SubItems[TRecordRow::Engine], "Mid");
    list.Clear();
    EXPECT_EQ(list.rowCount(), 0);
    list.SetAllChecked(true); // an empty list: nothing happens
}

} // namespace

#pragma once

#include "main/record_row.h"

#include <QAbstractTableModel>
#include <vector>

// The rows of the records list `LstV_records`, in the order they were added.
// The view shows the caption and the four fields in the columns "Date",
// "KeyWords", "URL", "Engines" and "Position", with a tick box by the Date.
// The Date text can be edited in place; the edit changes only the row.
class RecordList final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        KeyWordsColumn,
        UrlColumn,
        EnginesColumn,
        PositionColumn,
        ColumnCount
    };

    explicit RecordList(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(rows_.size()); }
    const TRecordRow& Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

    void Clear();
    // Replaces every row at once.
    void SetRows(std::vector<TRecordRow> rows);

    void SetCaption(int index, const std::string& caption);
    void SetChecked(int index, bool checked);
    void SetAllChecked(bool checked);
    bool AnyChecked() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TRecordRow& MutableRow(int index) { return rows_.at(static_cast<std::size_t>(index)); }
    void DateChanged(int index);

    std::vector<TRecordRow> rows_;
};

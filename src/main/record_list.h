#pragma once

#include "main/record_row.h"
#include "main/report_rows.h"

#include <string>

// The rows of the records list `LstV_records`, in the order they were added.
// The view shows the caption and the four fields in the columns "Date",
// "KeyWords", "URL", "Engines" and "Position", with a tick box by the Date.
// The Date text can be edited in place; the edit changes only the row.
class RecordList final : public ReportRows<TRecordRow> {
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

    void SetCaption(int index, const std::string& caption);
    void SetAllChecked(bool checked);
    bool AnyChecked() const;

    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};

#include "main/record_list.h"

#include <algorithm>

RecordList::RecordList(QObject* parent)
    : ReportRows({"Date", "KeyWords", "URL", "Engines", "Position"}, parent) {}

void RecordList::SetCaption(int index, const std::string& caption) {
    MutableRow(index).Caption = caption;
    CellsChanged(index, DateColumn, DateColumn);
}

void RecordList::SetAllChecked(bool checked) {
    if (rows_.empty()) {
        return;
    }
    for (TRecordRow& row : rows_) {
        row.Checked = checked;
    }
    emit dataChanged(index(0, DateColumn), index(Count() - 1, DateColumn), {Qt::CheckStateRole});
}

bool RecordList::AnyChecked() const {
    return std::any_of(rows_.begin(), rows_.end(),
                       [](const TRecordRow& row) { return row.Checked; });
}

// The Date text is edited as it is shown.
QVariant RecordList::data(const QModelIndex& index, int role) const {
    const bool editsDate = role == Qt::EditRole && index.column() == DateColumn;
    return ReportRows::data(index, editsDate ? Qt::DisplayRole : role);
}

bool RecordList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role == Qt::EditRole && index.isValid() && index.row() < Count() &&
        index.column() == DateColumn) {
        SetCaption(index.row(), FromQString(value.toString()));
        return true;
    }
    return ReportRows::setData(index, value, role);
}

Qt::ItemFlags RecordList::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = ReportRows::flags(index);
    if (index.isValid() && index.column() == DateColumn) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

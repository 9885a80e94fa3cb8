#include "main/record_list.h"

#include "platform/qt_text.h"

#include <algorithm>

namespace {

const char* const kHeaders[RecordList::ColumnCount] = {"Date", "KeyWords", "URL", "Engines",
                                                       "Position"};

} // namespace

RecordList::RecordList(QObject* parent)
    : QAbstractTableModel(parent) {}

void RecordList::Clear() {
    SetRows({});
}

void RecordList::SetRows(std::vector<TRecordRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void RecordList::SetCaption(int index, const std::string& caption) {
    MutableRow(index).Caption = caption;
    DateChanged(index);
}

void RecordList::SetChecked(int index, bool checked) {
    MutableRow(index).Checked = checked;
    DateChanged(index);
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

void RecordList::DateChanged(int index) {
    emit dataChanged(this->index(index, DateColumn), this->index(index, DateColumn));
}

int RecordList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int RecordList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) {
        return {};
    }
    const TRecordRow& row = Row(index.row());
    const int column = index.column();
    if (role == Qt::DisplayRole || (role == Qt::EditRole && column == DateColumn)) {
        return ToQString(column == DateColumn ? row.Caption
                                              : row.SubItems[static_cast<std::size_t>(column - 1)]);
    }
    if (role == Qt::CheckStateRole && column == DateColumn) {
        return row.Checked ? Qt::Checked : Qt::Unchecked;
    }
    return {};
}

bool RecordList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= Count() || index.column() != DateColumn) {
        return false;
    }
    if (role == Qt::CheckStateRole) {
        SetChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
        return true;
    }
    if (role == Qt::EditRole) {
        SetCaption(index.row(), FromQString(value.toString()));
        return true;
    }
    return false;
}

Qt::ItemFlags RecordList::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == DateColumn) {
        result |= Qt::ItemIsUserCheckable | Qt::ItemIsEditable;
    }
    return result;
}

QVariant RecordList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount) {
        return {};
    }
    return QString::fromLatin1(kHeaders[section]);
}

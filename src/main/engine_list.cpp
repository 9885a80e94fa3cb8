#include "main/engine_list.h"

#include "main/star_list.h"
#include "platform/qt_text.h"

namespace {

const char* const kHeaders[EngineList::ColumnCount] = {"Search Engines", "Ordination", "Pages",
                                                       "Status"};

} // namespace

EngineList::EngineList(QObject* parent)
    : QAbstractTableModel(parent) {}

void EngineList::SetIconProvider(IconProvider provider) {
    iconProvider_ = std::move(provider);
    if (!rows_.empty()) {
        emit dataChanged(index(0, EngineColumn), index(Count() - 1, EngineColumn),
                         {Qt::DecorationRole});
    }
}

void EngineList::Clear() {
    SetRows({});
}

int EngineList::Add(const std::string& caption) {
    const int position = Count();
    beginInsertRows(QModelIndex(), position, position);
    TEngineRow row;
    row.Caption = caption;
    rows_.push_back(std::move(row));
    endInsertRows();
    return position;
}

void EngineList::SetRows(std::vector<TEngineRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void EngineList::SetField(int index, int field, const std::string& text) {
    MutableRow(index).SubItems.at(static_cast<std::size_t>(field)) = text;
    const int column = field + 1;
    if (column < ColumnCount) {
        RowChanged(index, column, column);
    }
}

void EngineList::SetChecked(int index, bool checked) {
    MutableRow(index).Checked = checked;
    RowChanged(index, EngineColumn, EngineColumn);
}

void EngineList::SetImageIndex(int index, int imageIndex) {
    MutableRow(index).ImageIndex = imageIndex;
    RowChanged(index, EngineColumn, EngineColumn);
}

void EngineList::RowChanged(int index, int firstColumn, int lastColumn) {
    emit dataChanged(this->index(index, firstColumn), this->index(index, lastColumn));
}

int EngineList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int EngineList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EngineList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) {
        return {};
    }
    const TEngineRow& row = Row(index.row());
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        return ToQString(column == EngineColumn
                             ? row.Caption
                             : row.SubItems[static_cast<std::size_t>(column - 1)]);
    }
    if (column != EngineColumn) {
        return {};
    }
    if (role == Qt::CheckStateRole) {
        return row.Checked ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::DecorationRole && iconProvider_) {
        return iconProvider_(row.ImageIndex);
    }
    return {};
}

bool EngineList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != EngineColumn || role != Qt::CheckStateRole) {
        return false;
    }
    SetChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags EngineList::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == EngineColumn) {
        result |= Qt::ItemIsUserCheckable;
    }
    return result;
}

QVariant EngineList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount) {
        return {};
    }
    return QString::fromLatin1(kHeaders[section]);
}

std::string GetEngineField(const EngineList& list, int rowIndex, unsigned kind, unsigned part) {
    const TEngineRow& row = list.Row(rowIndex);
    switch (kind) {
    case 0:
        return row.SubItems[TEngineRow::HomeUrl];
    case 1:
        return row.SubItems[TEngineRow::Ordination];
    case 2:
        return row.SubItems[TEngineRow::Pages];
    case 3:
        return row.SubItems[TEngineRow::Status];
    case 4:
        return row.SubItems[TEngineRow::SearchUrl];
    case 5:
        return GetStarField(row.SubItems[TEngineRow::NextTag], "*", static_cast<int>(part) - 4);
    case 6:
        return GetStarField(row.SubItems[TEngineRow::ListTag], "*", static_cast<int>(part));
    default:
        return {}; // no caller asks for another kind
    }
}

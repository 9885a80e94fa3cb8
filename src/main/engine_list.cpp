#include "main/engine_list.h"

#include "main/star_list.h"

EngineList::EngineList(QObject* parent)
    : ReportRows({"Search Engines", "Ordination", "Pages", "Status"}, parent) {}

void EngineList::SetIconProvider(IconProvider provider) {
    iconProvider_ = std::move(provider);
    if (!rows_.empty()) {
        emit dataChanged(index(0, EngineColumn), index(Count() - 1, EngineColumn),
                         {Qt::DecorationRole});
    }
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

void EngineList::SetField(int index, int field, const std::string& text) {
    MutableRow(index).SubItems.at(static_cast<std::size_t>(field)) = text;
    const int column = field + 1;
    if (column < ColumnCount) {
        CellsChanged(index, column, column);
    }
}

void EngineList::SetImageIndex(int index, int imageIndex) {
    MutableRow(index).ImageIndex = imageIndex;
    CellsChanged(index, EngineColumn, EngineColumn);
}

QVariant EngineList::data(const QModelIndex& index, int role) const {
    if (role == Qt::DecorationRole && iconProvider_ && index.isValid() &&
        index.column() == EngineColumn && index.row() < Count()) {
        return iconProvider_(Row(index.row()).ImageIndex);
    }
    return ReportRows::data(index, role);
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

#pragma once

#include "platform/qt_text.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstddef>
#include <utility>
#include <vector>

// The rows of a report list, addressed by row index, as a Qt table model:
// the first column shows a row's Caption with its tick box (Checked), the
// columns after it the row's SubItems in order. EngineList and RecordList
// add what their own lists show besides.
template <typename RowType> class ReportRows : public QAbstractTableModel {
public:
    int Count() const { return static_cast<int>(rows_.size()); }
    const RowType& Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

    void Clear() { SetRows({}); }
    // Replaces every row at once.
    void SetRows(std::vector<RowType> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

    void SetChecked(int index, bool checked) {
        MutableRow(index).Checked = checked;
        CellsChanged(index, 0, 0);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : Count();
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= Count()) {
            return {};
        }
        const RowType& row = Row(index.row());
        const int column = index.column();
        if (role == Qt::DisplayRole) {
            return ToQString(column == 0 ? row.Caption
                                         : row.SubItems[static_cast<std::size_t>(column - 1)]);
        }
        if (role == Qt::CheckStateRole && column == 0) {
            return row.Checked ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    }

    // Takes the tick the view sets.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || index.row() >= Count() || index.column() != 0 ||
            role != Qt::CheckStateRole) {
            return false;
        }
        SetChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) {
            return Qt::NoItemFlags;
        }
        Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.column() == 0) {
            result |= Qt::ItemIsUserCheckable;
        }
        return result;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= columnCount()) {
            return {};
        }
        return QString::fromLatin1(headers_[static_cast<std::size_t>(section)]);
    }

protected:
    ReportRows(std::vector<const char*> headers, QObject* parent)
        : QAbstractTableModel(parent)
        , headers_(std::move(headers)) {}

    RowType& MutableRow(int index) { return rows_.at(static_cast<std::size_t>(index)); }
    void CellsChanged(int index, int firstColumn, int lastColumn) {
        emit dataChanged(this->index(index, firstColumn), this->index(index, lastColumn));
    }

    std::vector<RowType> rows_;

private:
    std::vector<const char*> headers_;
};

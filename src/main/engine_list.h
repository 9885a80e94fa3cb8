#pragma once

#include "main/engine_row.h"
#include "main/report_rows.h"

#include <functional>
#include <string>

// The rows of the engine list `LstV_eng`, addressed by row index. The view
// shows the caption and the first three fields in the columns "Search
// Engines", "Ordination", "Pages" and "Status", with a tick box and the row's
// state picture.
class EngineList final : public ReportRows<TEngineRow> {
    Q_OBJECT

public:
    enum Column { EngineColumn, OrdinationColumn, PagesColumn, StatusColumn, ColumnCount };

    // Gives the picture of a state icon index; the widgets install it.
    using IconProvider = std::function<QVariant(int imageIndex)>;

    explicit EngineList(QObject* parent = nullptr);

    void SetIconProvider(IconProvider provider);

    // Adds a ticked, idle row with the caption and ten empty fields.
    int Add(const std::string& caption);

    void SetField(int index, int field, const std::string& text);
    void SetImageIndex(int index, int imageIndex);

    QVariant data(const QModelIndex& index, int role) const override;

private:
    IconProvider iconProvider_;
};

// One field of an engine row, or one field of one of its marker star lists:
// kind 0 home URL, 1 ordination, 2 pages, 3 status, 4 search URL, 5 parts 5 to
// 8 the next-page markers, 6 parts 1 to 4 the result-entry markers.
std::string GetEngineField(const EngineList& list, int rowIndex, unsigned kind, unsigned part);

#pragma once

#include <array>
#include <string>

// One line of the engine list: the in-memory form of one search engine.
struct TEngineRow {
    // Indexes of the ten text fields, in the list's order.
    enum Field {
        Ordination = 0,
        Pages = 1,
        Status = 2,
        SearchUrl = 3,
        NextTag = 4,
        ListTag = 5,
        HomeUrl = 6,
        FoundPageUrl = 7,
        Kind = 8,
        Spare = 9,
    };
    static constexpr int FieldCount = 10;

    // State icon indexes: pictures of the main window's image list.
    static constexpr int IconIdle = 0;
    static constexpr int IconSearching = 1;
    static constexpr int IconFailed = 3;

    std::string Caption;
    bool Checked = true;
    int ImageIndex = IconIdle;
    std::array<std::string, FieldCount> SubItems;
};

#pragma once

#include <array>
#include <string>

// One line of the records list: one record of the records file.
struct TRecordRow {
    // Indexes of the four text fields, in the list's order.
    enum Field {
        KeyWords = 0,
        Url = 1,
        Engine = 2,
        Position = 3,
    };
    static constexpr int FieldCount = 4;

    std::string Caption; // the date-time text: the record's section
    bool Checked = false;
    std::array<std::string, FieldCount> SubItems;
};

#include "main/records.h"

#include "main/engine_list.h"
#include "main/ini_access.h"
#include "main/record_list.h"
#include "main/star_list.h"
#include "platform/message_box.h"
#include "platform/show_message.h"
#include "platform/text.h"

#include <vector>

namespace {

TRecordRow RecordRow(const std::string& section, const std::string& key) {
    const std::string value = ReadIniString(kRecordsFileName, section, key);
    TRecordRow row;
    row.Caption = section;
    row.SubItems[TRecordRow::KeyWords] = GetStarField(value, "*", 1);
    row.SubItems[TRecordRow::Url] = GetStarField(value, "*", 2);
    row.SubItems[TRecordRow::Engine] = key;
    row.SubItems[TRecordRow::Position] = GetStarField(value, "*", 3);
    return row;
}

} // namespace

void LoadRecords(RecordList& records) {
    NameList sections;
    ReadIniSections(kRecordsFileName, sections);
    // The old rows go first, so that the new ones take their memory.
    records.Clear();
    std::vector<TRecordRow> rows;
    NameList keys;
    for (const std::string& section : sections) {
        ReadIniSection(kRecordsFileName, section, keys);
        for (const std::string& key : keys) {
            rows.push_back(RecordRow(section, key));
        }
    }
    records.SetRows(std::move(rows));
}

void SaveRecords(const EngineList& engines, const std::string& keywordsText,
                 const std::string& urlText, RecordList& records, const LocalClock& clock,
                 const RegionalSettings& settings) {
    const std::string boxes = Trim(keywordsText) + "*" + Trim(urlText) + "*";
    const int count = engines.Count();
    IniEdits edits;
    for (int i = 0; i < count; ++i) {
        const TEngineRow& row = engines.Row(i);
        if (!row.Checked) {
            continue;
        }
        std::string section = DateTimeText(clock(), settings);
        std::string value = boxes + row.SubItems[TEngineRow::Ordination] + "*" +
                            row.SubItems[TEngineRow::FoundPageUrl];
        edits.push_back({std::move(section), row.Caption, std::move(value)});
    }
    WriteIniEdits(kRecordsFileName, edits);
    LoadRecords(records);
}

void DeleteRecords(RecordList& records) {
    if (!records.AnyChecked()) {
        ShowMessage("None be selected!");
        return;
    }
    if (MessageBoxA("Are you sure delete all these selected lines?", "Delete?",
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    IniEdits removals;
    for (int i = 0; i < records.Count(); ++i) {
        const TRecordRow& row = records.Row(i);
        // An empty section would delete the engine's record from every
        // section; a row whose Date text was blanked names no record.
        if (row.Checked && !IsBlank(row.Caption)) {
            removals.push_back({row.Caption, row.SubItems[TRecordRow::Engine], std::nullopt});
        }
    }
    DeleteIniKeys(kRecordsFileName, removals);
    LoadRecords(records);
}

void SelectAllRecords(RecordList& records) {
    records.SetAllChecked(true);
}

void SelectNoRecords(RecordList& records) {
    records.SetAllChecked(false);
}

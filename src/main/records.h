#pragma once

#include "main/date_time_text.h"
#include "platform/regional_settings.h"

#include <string>

class EngineList;
class RecordList;

// The records file, always named by this bare name: one section per
// date-time text of saving, one key per engine, and as value the star list
// keywords, site URL, position text and found-page URL.
inline constexpr const char* kRecordsFileName = "records.dat";

// Rebuilds the records list from the file, in file order; every row unticked.
void LoadRecords(RecordList& records);

// Writes one record for every ticked engine row, each under the date-time
// text read for it in turn, as one change of the file, then reloads the
// records list. A refused write throws "Unable to write to records.dat":
// no record of the save is written and the list is not reloaded.
void SaveRecords(const EngineList& engines, const std::string& keywordsText,
                 const std::string& urlText, RecordList& records,
                 const LocalClock& clock = LocalTimeNow,
                 const RegionalSettings& settings = ReadRegionalSettings());

// Deletes the records of the ticked rows after the user confirms, as one
// change of the file, then reloads the list. With nothing ticked it says
// "None be selected!". A row whose Date text was made blank by editing is
// skipped.
void DeleteRecords(RecordList& records);

// Tick or untick every row; the file is not touched.
void SelectAllRecords(RecordList& records);
void SelectNoRecords(RecordList& records);

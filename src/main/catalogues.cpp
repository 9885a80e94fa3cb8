#include "main/catalogues.h"

#include "main/ini_access.h"
#include "platform/application.h"
#include "platform/show_message.h"

#include <filesystem>

namespace {

void CheckOneFile(const std::string& path, const std::string& message) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        ShowMessage(message);
        Application->Terminate();
    }
}

// One row as loaded: its four catalogue values read one request each, in
// this order: search URL, next-page markers, result-entry markers, home URL.
TEngineRow LoadRow(const std::string& file, const std::string& name, const char* kind) {
    TEngineRow row;
    row.Caption = name;
    row.SubItems = {"N/A",
                    " ",
                    "Ready",
                    ReadIniString(file, "Search URL", name),
                    ReadIniString(file, "Next Tag", name),
                    ReadIniString(file, "List Tag", name),
                    ReadIniString(file, "Engines URL", name),
                    " ",
                    kind,
                    "0"};
    return row;
}

void LoadCatalogueRows(const std::string& file, const NameList& names, const char* kind,
                       std::vector<TEngineRow>& rows) {
    for (const std::string& name : names) {
        rows.push_back(LoadRow(file, name, kind));
    }
}

} // namespace

std::string EnginesFileIn(const std::string& directory) {
    return directory + kEnginesFileName;
}

std::string CustomEnginesFileIn(const std::string& directory) {
    return directory + kCustomEnginesFileName;
}

void CheckEngineFiles(const std::string& programDirectory) {
    CheckOneFile(EnginesFileIn(programDirectory), "Error while loading engines data! ");
    CheckOneFile(CustomEnginesFileIn(programDirectory),
                 "Error while loading Custom engines data! ");
}

void LoadEngines(EngineList& LstV_eng, const std::string& EnginesFile,
                 const std::string& CustomEnginesFile, std::vector<std::string>& PageTexts) {
    NameList names;
    ReadIniSection(EnginesFile, "Engines URL", names);
    LstV_eng.Clear();
    if (names.empty()) {
        return;
    }
    std::vector<TEngineRow> rows;
    LoadCatalogueRows(EnginesFile, names, "S", rows);
    ReadIniSection(CustomEnginesFile, "Engines URL", names);
    LoadCatalogueRows(CustomEnginesFile, names, "C", rows);
    LstV_eng.SetRows(std::move(rows));
    PageTexts.assign(static_cast<std::size_t>(LstV_eng.Count()), std::string());
}

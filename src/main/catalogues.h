#pragma once

#include "main/engine_list.h"

#include <string>
#include <vector>

// The two engine catalogues beside the program: the standard one and the
// custom one that receives the engines the user adds.

inline constexpr const char* kEnginesFileName = "Engines.dat";
inline constexpr const char* kCustomEnginesFileName = "CEngines.dat";

// The catalogue paths in a directory that ends with its separator.
std::string EnginesFileIn(const std::string& directory);
std::string CustomEnginesFileIn(const std::string& directory);

// Reports each catalogue missing from the program's directory, the standard
// one first, and asks the application to end after each report.
void CheckEngineFiles(const std::string& programDirectory);

// Rebuilds the engine list from both catalogues, standard engines first, and
// gives every row an empty page text. An empty standard catalogue leaves the
// list empty and the page texts as they were.
void LoadEngines(EngineList& LstV_eng, const std::string& EnginesFile,
                 const std::string& CustomEnginesFile, std::vector<std::string>& PageTexts);

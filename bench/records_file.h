#pragma once

// The ten engines of every save in the benchmarks' records files.
inline const char* const kBenchEngines[] = {"Google", "Yahoo",  "Lycos",      "AltaVista",
                                            "Excite", "Bing",   "WebCrawler", "HotBot",
                                            "Infoseek", "Ask"};

// Writes the records file of the per-user folder anew: `saves` sections, one
// a save, each named by its date-time text and holding a record of each of
// the ten engines (about 1,200 bytes a save). Returns once the file's change
// lies a moment in the past, as that of a file the program meets at start:
// a file read just after its change is read again on the next request.
void WriteRecordsFile(int saves);

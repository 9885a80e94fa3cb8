#pragma once

// The ten engines of every save in the benchmarks' records files.
inline const char* const kBenchEngines[] = {"Google", "Yahoo",  "Lycos",      "AltaVista",
                                            "Excite", "Bing",   "WebCrawler", "HotBot",
                                            "Infoseek", "Ask"};

// Writes the records file of the per-user folder anew: `saves` sections, one
// a save, each named by its date-time text and holding a record of each of
// the ten engines (about 1,200 bytes a save).
void WriteRecordsFile(int saves);

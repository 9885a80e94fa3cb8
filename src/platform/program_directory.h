#pragma once

#include <string>

// The directory of the program's own executable file, ending with its
// separator.
std::string ProgramDirectory();

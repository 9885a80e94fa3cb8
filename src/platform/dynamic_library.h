#pragma once

#include <string>

// The system's loader for the modules the program binds at run time, with the
// names and behaviour the program expects of Windows.

// A loaded module; nullptr for none.
using HMODULE = void*;
// An entry point of a module, to be cast to its real type; nullptr for none.
using FARPROC = void (*)();

// Copies the name of the folder that holds the system's modules (our help
// module lies there) into `buffer` with its terminating NUL and returns its
// length. When `size` characters cannot take it with its NUL, writes nothing
// and returns the size needed, NUL included.
unsigned GetSystemDirectoryA(char* buffer, unsigned size);

// Points GetSystemDirectoryA at another folder (for tests); an empty text
// restores the program's own folder.
void SetSystemDirectory(const std::string& folder);

// Loads a module by its path ("\" and "/" both separate folders); nullptr
// when it cannot be loaded. A loaded module stays loaded.
HMODULE LoadLibraryA(const char* path);

// The module's exported entry point of that name, or nullptr.
FARPROC GetProcAddress(HMODULE module, const char* name);

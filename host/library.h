// Loading a library by name from the program's own directory and looking up
// its functions by name.
#pragma once

#include <string>

// The directory of the running program (no trailing slash).
std::string ProgramDirectory();

// Loads lib<name>.so from the program's directory. Returns nullptr and sets
// `error` (the loader's text) when it fails.
void* LibraryOpen(const std::string& name, std::string* error);

// nullptr when the library has no such function.
void* LibraryFunction(void* library, const char* name);

void LibraryClose(void* library);

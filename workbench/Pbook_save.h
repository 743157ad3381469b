#pragma once
// Shared by the main window's file commands.
#include <exception>

// A write that failed changed nothing on disk: "Unable to write to disk" for a file that could
// not be written, the default error report for anything else. The cursor goes back to normal.
void reportwritefailure(const std::exception& e);

#ifndef TESTS_DATA_GAMEFILES_H
#define TESTS_DATA_GAMEFILES_H

#include <string>
#include <vector>

#include "support/DataPath.h"

// Helpers for checking the game directory as the programs see it: paths are
// data paths, written with backslashes as the game writes them.

// Present as the game opens it, and with exactly the letter case written:
// the host layer's case-insensitive matching must not be needed.
void expectExactFile(const std::string& dataPath);

// The bytes of a file, read through the host path layer; empty when missing.
std::string readGameFile(const std::string& dataPath);

// The lines a reader sees, split at '\n' (a final line end gives no extra
// line here).
std::vector<std::string> splitLines(const std::string& text);

// What a run of readers wrote to standard output, less the readers' own
// "Finished Parsing File" lines: anything left is an echoed unknown line or
// a file that did not open.
std::string unexpectedOutput(const std::string& captured);

#endif

#ifndef DIAGNOSTICS_FILEEXISTS_H
#define DIAGNOSTICS_FILEEXISTS_H

#include <string>

// True when the host file system has something at the data path.
bool fileExists(std::string path);

// The diagnostic build's writer check: a file that does not exist yet is not
// written; the program says so and ends with exit code 1.
void stopUnlessFileExists(const std::string& path);

#endif

#ifndef TESTS_SUPPORT_DATAPATH_H
#define TESTS_SUPPORT_DATAPATH_H

#include <string>

// Data paths are written with backslashes, as the game writes them; the host
// writes slashes.

// The data path with '/' for every '\'.
std::string slashed(std::string dataPath);

// A path relative to the game directory ("Data/Block/a.obj") as a data path
// ("Data\Block\a.obj"), so that readers find the files it names beside it.
std::string backslashed(std::string path);

// The data path of a host file or folder as the game's files name one:
// relative to the working directory, with backslashes.
std::string dataPathOf(const std::string& hostPath);

#endif

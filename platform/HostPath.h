#ifndef PLATFORM_HOSTPATH_H
#define PLATFORM_HOSTPATH_H

#include <string>

// Turns a data path as the game writes it ("Data\Block\a.obj", any letter case)
// into a path that this host's file system opens: backslashes become '/', and
// where the path does not exist as written, each component is matched against
// its directory without regard to letter case. A component that matches
// nothing is kept as given, so a new file is created under the resolved
// directory with its name as written. A path longer than PATH_MAX is not
// matched at all: it names nothing, and opening it fails.
std::string hostPath(const std::string& dataPath);

#endif

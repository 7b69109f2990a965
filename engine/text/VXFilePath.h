#ifndef ENGINE_TEXT_VXFILEPATH_H
#define ENGINE_TEXT_VXFILEPATH_H

#include <string>

// A data path split at its backslashes (only those: forward slashes, spaces
// and dots are ordinary characters), so that files named inside a file can be
// opened relative to the directory of the file that names them.
struct VXFilePath {
    std::string path;      // as passed to set
    std::string fileName;  // the last component
    std::string directory; // every earlier component, each followed by a backslash
    std::string baseName;  // the file name up to its first "."
    std::string extension; // "." and the file name's second dot-separated word; "." alone without one

    void set(std::string newPath);
};

#endif

#ifndef TESTS_SUPPORT_TEMPDIR_H
#define TESTS_SUPPORT_TEMPDIR_H

#include <string>

// A fresh directory under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return root; }
    // path() + "/" + relative
    std::string file(const std::string& relative) const;
    // Writes `contents` to the relative path, creating its folders.
    std::string write(const std::string& relative, const std::string& contents) const;

private:
    std::string root;
};

// The whole contents of a file, or "" when it cannot be read.
std::string readWholeFile(const std::string& path);

#endif

#include "diagnostics/FileExists.h"

#include "platform/HostPath.h"

#include <sys/stat.h>

#include <cstdlib>
#include <iostream>

bool fileExists(std::string path)
{
    struct stat status;
    return stat(hostPath(path).c_str(), &status) == 0;
}

void stopUnlessFileExists(const std::string& path)
{
    if (fileExists(path)) {
        return;
    }
    std::cout << "File \"" << path << "\" does not exist. EXITING." << std::endl;
    std::exit(1);
}

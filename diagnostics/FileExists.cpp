#include "diagnostics/FileExists.h"

#include "engine/core/VXLog.h"
#include "platform/HostPath.h"

#include <sys/stat.h>

#include <cstdlib>

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
    VXLog() << "File \"" << path << "\" does not exist. EXITING.";
    std::exit(1);
}

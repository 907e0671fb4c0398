#include "files/filechecks.h"

#include <sys/stat.h>
#include <unistd.h>

namespace solvane {

bool isReadOnlyFile(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    const bool nobodyMayWrite = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return nobodyMayWrite || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace solvane

#pragma once

#include <fstream>
#include <string>

/** A figure of this process's memory from /proc/self/status, in kilobytes ("VmRSS" now,
    "VmHWM" the peak), or 0 where the system does not tell. */
inline long statusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return 0;
}

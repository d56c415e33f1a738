#pragma once
// The benchmark process's resident memory, as the kernel counts it.

#include <fstream>
#include <string>

namespace zorvane::bench {

inline long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

} // namespace zorvane::bench

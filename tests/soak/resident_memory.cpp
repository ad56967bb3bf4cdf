#include "resident_memory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace quadrix::testing {

ResidentMemory ResidentMemory::Now() {
    ResidentMemory memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string name;
        std::int64_t kiB = 0;
        fields >> name >> kiB;
        if (name == "VmRSS:") {
            memory.currentKiB = kiB;
        } else if (name == "VmHWM:") {
            memory.peakKiB = kiB;
        }
    }
    return memory;
}

}  // namespace quadrix::testing

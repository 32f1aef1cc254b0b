#include "process_cpu.h"

#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

// /proc/PID/stat: the command name in parentheses (which may hold blanks), then fields 3 on;
// utime and stime are fields 14 and 15, in clock ticks.
double cpuSeconds(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos) {
        return -1.0;
    }
    std::istringstream fields(text.substr(nameEnd + 1));
    std::string field;
    for (int number = 3; number < 14; ++number) {
        fields >> field;
    }
    long userTicks = 0;
    long systemTicks = 0;
    if (!(fields >> userTicks >> systemTicks)) {
        return -1.0;
    }
    return double(userTicks + systemTicks) / double(sysconf(_SC_CLK_TCK));
}

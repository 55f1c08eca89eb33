// Start-up timing for --measure-startup: milliseconds since the process
// was started by the kernel (10 ms steps), and since main() began.
#pragma once

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace zarvel {

// -1 when the process start time cannot be read.
inline double MsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return -1;
    // The command name may hold blanks; fields are counted after its ")".
    const auto close = line.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream rest(line.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && rest >> field; ++i)
        if (i == 22) startTicks = std::stoull(field);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (startTicks == 0 || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / ticksPerSecond;
}

class StartupClock {
public:
    StartupClock() : begin_(std::chrono::steady_clock::now()) {}
    double MsSinceMain() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin_).count();
    }
    void Report(const char* what) const {
        std::printf("%s: %.1f ms since main, %.0f ms since process start\n", what, MsSinceMain(),
                    MsSinceProcessStart());
        std::fflush(stdout);
    }

private:
    std::chrono::steady_clock::time_point begin_;
};

}  // namespace zarvel

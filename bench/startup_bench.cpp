// Start-up cost of Gemvara against yardstick programs.
//
// Runs the probe programs in turn, A B C A B C ..., each from fork to the
// moment its first window paints (the probe writes one byte to a pipe then
// and exits), and reads each run's CPU time and peak memory from the
// kernel's rusage. Prints the medians and, for every yardstick, the ratios
// Gemvara / yardstick (the median of the per-round ratios, so a slow moment
// of the machine hits both sides of a ratio alike). Needs a display.
//
//   startup_bench [-n runs] <gemvara_probe> <yardstick_probe>...
//
// Wall time is what a user waits; CPU time (user + system) is the program's
// own work, much less disturbed by other load on the machine.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run
{
    double wallMs = 0;
    double cpuMs = 0;
    long peakKiB = 0;
    bool ok = false;
};

double Millis(const timeval &t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

Run RunOnce(const char *program)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return {};
    }
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char byte = 0;
    ssize_t got;
    do {
        got = read(fds[0], &byte, 1);
    } while (got < 0 && errno == EINTR);
    const auto painted = std::chrono::steady_clock::now();
    close(fds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    Run run;
    run.wallMs = std::chrono::duration<double, std::milli>(painted - start).count();
    run.cpuMs = Millis(usage.ru_utime) + Millis(usage.ru_stime);
    run.peakKiB = usage.ru_maxrss;
    run.ok = got == 1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Series
{
    std::string name;
    std::vector<double> wall, cpu, peak;
};

std::string BaseName(const char *path)
{
    const char *slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 15;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "-n") == 0) {
        runs = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: %s [-n runs] <gemvara_probe> <yardstick_probe>...\n", argv[0]);
        return 2;
    }
    const std::vector<const char *> programs(argv + first, argv + argc);

    for (const char *program : programs) // warm the file cache for all
        RunOnce(program);

    std::vector<Series> series;
    series.reserve(programs.size());
    for (const char *program : programs)
        series.push_back({BaseName(program), {}, {}, {}});
    for (int i = 0; i < runs; ++i) {
        for (size_t p = 0; p < programs.size(); ++p) {
            const Run r = RunOnce(programs[p]);
            if (!r.ok) {
                std::fprintf(stderr, "%s failed to reach its first paint\n", programs[p]);
                return 1;
            }
            series[p].wall.push_back(r.wallMs);
            series[p].cpu.push_back(r.cpuMs);
            series[p].peak.push_back(double(r.peakKiB));
        }
    }

    std::printf("start-up to first paint, %d runs each, medians\n", runs);
    std::printf("  %-16s %9s %9s %12s\n", "program", "wall ms", "CPU ms", "peak KiB");
    for (const Series &s : series)
        std::printf("  %-16s %9.1f %9.1f %12.0f\n", s.name.c_str(), Median(s.wall), Median(s.cpu),
                    Median(s.peak));

    const Series &gem = series.front();
    for (size_t p = 1; p < series.size(); ++p) {
        const Series &y = series[p];
        std::vector<double> wall, cpu, peak;
        for (int i = 0; i < runs; ++i) {
            wall.push_back(gem.wall[i] / y.wall[i]);
            cpu.push_back(gem.cpu[i] / y.cpu[i]);
            peak.push_back(gem.peak[i] / y.peak[i]);
        }
        std::printf("  %s / %s: wall %.3f (min %.3f, max %.3f)  CPU %.3f  peak memory %.3f\n",
                    gem.name.c_str(), y.name.c_str(), Median(wall),
                    *std::min_element(wall.begin(), wall.end()),
                    *std::max_element(wall.begin(), wall.end()), Median(cpu), Median(peak));
    }
    return 0;
}

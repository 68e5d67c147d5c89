#include "bench_process.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quorrin::bench {

ChildRun runChild(const std::vector<std::string>& argv, bool keepOutput)
{
    int pipeFds[2] = {-1, -1};
    if (keepOutput && pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (keepOutput)
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    ChildRun run;
    const double start = nowMs();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (keepOutput)
        close(pipeFds[1]);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + argv[0]);
    if (keepOutput) {
        char buffer[4096];
        for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                break;
            run.output.append(buffer, static_cast<std::size_t>(got));
        }
        close(pipeFds[0]);
    }
    int status = 0;
    struct rusage usage {};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("wait4 failed");
    }
    run.wallMs = nowMs() - start;
    run.peakRssKiB = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::map<std::string, std::vector<double>> parseFigures(const std::string& output)
{
    std::map<std::string, std::vector<double>> figures;
    std::istringstream lines(output);
    std::string key;
    double value = 0;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        if (fields >> key >> value)
            figures[key].push_back(value);
    }
    return figures;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace quorrin::bench

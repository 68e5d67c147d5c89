#include "support/unprivileged.h"

#include <array>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorrin::testing {

namespace {

constexpr uid_t nobody = 65534;

} // namespace

std::string runUnprivileged(const std::function<std::string()>& check)
{
    if (geteuid() != 0)
        return check();

    int fds[2];
    if (pipe(fds) != 0)
        return "pipe failed";
    const pid_t pid = fork();
    if (pid < 0)
        return "fork failed";
    if (pid == 0) {
        close(fds[0]);
        std::string result;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
            result = "could not drop root";
        else
            result = check();
        const ssize_t ignored = write(fds[1], result.data(), result.size());
        static_cast<void>(ignored);
        _exit(0);
    }
    close(fds[1]);
    std::string result;
    std::array<char, 512> buffer{};
    ssize_t n = 0;
    while ((n = read(fds[0], buffer.data(), buffer.size())) > 0)
        result.append(buffer.data(), static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "unprivileged check crashed";
    return result;
}

} // namespace quorrin::testing

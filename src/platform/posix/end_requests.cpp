#include "platform/posix/end_requests.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quorrin::platform::posix {

namespace {

constexpr int endSignals[] = {SIGTERM, SIGHUP, SIGINT};

volatile sig_atomic_t noteDescriptor = -1;

// Only async-signal-safe calls here. A full pipe already holds a note, so a
// lost byte loses nothing.
void noteSignal(int signal)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    const ssize_t ignored = write(noteDescriptor, &number, 1);
    static_cast<void>(ignored);
    errno = savedErrno;
}

} // namespace

std::optional<int> catchEndRequests()
{
    static std::optional<int> readEnd;
    if (readEnd)
        return readEnd;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return std::nullopt;
    noteDescriptor = fds[1];
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : endSignals)
        sigaction(signal, &action, nullptr);
    readEnd = fds[0];
    return readEnd;
}

bool takeEndRequest(int descriptor)
{
    unsigned char number = 0;
    ssize_t n = 0;
    do
        n = read(descriptor, &number, 1);
    while (n < 0 && errno == EINTR);
    return n == 1;
}

} // namespace quorrin::platform::posix

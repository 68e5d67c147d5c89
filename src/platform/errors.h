#pragma once

#include <stdexcept>
#include <string>

namespace quorrin {

// Every failure the core reports carries the text the user sees; the window
// shows it as it stands (plus the closing full stop), so the message is the
// whole contract and nothing is formatted later.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A change of the current directory that the system refused. The code is the
// Windows error number (2 not found, 3 bad path, 5 denied, 21 not ready, ...);
// on POSIX the nearest of those stands in for errno.
class DirectoryChangeError : public Error {
public:
    explicit DirectoryChangeError(int code);
    int code() const noexcept { return code_; }

private:
    int code_;
};

// The text the user sees for a refused directory change with this code.
std::string directoryChangeMessage(int code);

namespace win_error {
inline constexpr int fileNotFound = 2;
inline constexpr int pathNotFound = 3;
inline constexpr int tooManyOpenFiles = 4;
inline constexpr int accessDenied = 5;
inline constexpr int notReady = 21;
inline constexpr int genFailure = 31;
inline constexpr int invalidName = 123;
inline constexpr int directoryExpected = 267;
} // namespace win_error

} // namespace quorrin

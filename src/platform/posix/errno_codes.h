#pragma once

namespace quorrin::platform::posix {

// The Windows error number whose message best tells the user why a
// directory could not be entered, for an errno from chdir and friends.
int windowsCodeForErrno(int err);

} // namespace quorrin::platform::posix

#include "platform/posix/errno_codes.h"

#include "platform/errors.h"

#include <cerrno>

namespace quorrin::platform::posix {

int windowsCodeForErrno(int err)
{
    switch (err) {
    case ENOENT: return win_error::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return win_error::pathNotFound;
    case EACCES:
    case EPERM: return win_error::accessDenied;
    case EMFILE:
    case ENFILE: return win_error::tooManyOpenFiles;
#ifdef ENOMEDIUM
    case ENOMEDIUM: return win_error::notReady;
#endif
    default: return win_error::genFailure;
    }
}

} // namespace quorrin::platform::posix

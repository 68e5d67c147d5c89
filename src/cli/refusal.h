#pragma once

#include "platform/errors.h"

namespace quorrin::cli {

// The listing cannot be made as asked (bad usage, a folder that cannot be
// listed, an output that cannot be written); the message is the user's
// whole explanation. Exit status 2.
class Refusal : public Error {
public:
    using Error::Error;
};

} // namespace quorrin::cli

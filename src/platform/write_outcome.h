#pragma once

namespace quorrin::platform {

// How writing a whole file ended. The two failures are told apart because
// the user reads a different message for each: the file could not be made
// (missing folder, no permission, a directory or a protected file in the
// way), or it was made but did not take all the bytes (a full disk).
enum class WriteOutcome { written, cannotCreate, cannotWrite };

} // namespace quorrin::platform

#pragma once

namespace quorrin::platform {

// How writing a whole file ended. The failures are told apart because the
// user reads a different message for each: the file could not be made
// (missing folder, no permission, a directory or a protected file in the
// way); it did not take all the bytes (a full disk) and holds what it held
// before; or it did not take them and its old content could not be put
// back either, so it may now be incomplete.
enum class WriteOutcome { written, cannotCreate, cannotWrite, leftIncomplete };

} // namespace quorrin::platform

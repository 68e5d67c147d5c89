#pragma once

#include <cstddef>
#include <string>

namespace quorrin::bench {

// Fills the empty folder `dir` with `count` files the way a user's media or
// document folder looks: Japanese and ASCII names, sizes from empty to
// several GiB (sparse, so they cost no disk space) and times spread over 25
// years. The same count always gives the same folder.
void fillFolder(const std::string& dir, std::size_t count);

// Removes the folder and everything in it; no error when it is gone.
void removeFolder(const std::string& dir);

} // namespace quorrin::bench

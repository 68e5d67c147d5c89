#pragma once

#include <string>
#include <string_view>

namespace quorrin::platform::posix {

// The label udev published for a block device, or empty when it has none.
std::string labelOfDevice(const std::string& device);

// udev writes unsafe bytes of a label as \xHH.
std::string decodeUdevLabel(std::string_view escaped);

} // namespace quorrin::platform::posix

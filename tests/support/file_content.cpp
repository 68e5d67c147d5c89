#include "support/file_content.h"

#include <fstream>
#include <iterator>

namespace quorrin::testing {

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace quorrin::testing

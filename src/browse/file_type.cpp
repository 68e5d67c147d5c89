#include "browse/file_type.h"

namespace quorrin::browse {

std::uint32_t searchAttribute(FileType type)
{
    // The six attribute flags sit on the same bits as the attributes they
    // name; ftNormal has no bit of its own.
    return type & 0x3Fu;
}

} // namespace quorrin::browse

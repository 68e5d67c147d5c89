#include "text/unicode_text.h"

namespace quorrin::text {

void decodeUtf8(std::string_view text, std::u32string& out)
{
    for (std::size_t i = 0; i < text.size();)
        out += nextUtf8(text, i);
}

} // namespace quorrin::text

#include "support/shift_jis_text_rules.h"

#include <iconv.h>
#include <stdexcept>

namespace quorrin::testing {

std::string ShiftJisTextRules::fromUtf8(std::string_view utf8) const
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no converter to code page 932");
    std::string in(utf8);
    std::string out(in.size() * 2 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t srcLeft = in.size();
    std::size_t dstLeft = out.size();
    const std::size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1))
        throw std::runtime_error("not representable in code page 932: " + in);
    out.resize(out.size() - dstLeft);
    return out;
}

} // namespace quorrin::testing

#include "text/ascii_case.h"

namespace quorrin::text {

namespace {

std::string foldSingleBytes(const TextRules& rules, std::string_view s, char (*fold)(char))
{
    std::string out(s);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t length = rules.charLength(out, i);
        if (length == 1)
            out[i] = fold(out[i]);
        i += length;
    }
    return out;
}

} // namespace

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

std::string lowerAsciiLetters(const TextRules& rules, std::string_view s)
{
    return foldSingleBytes(rules, s, lowerAscii);
}

std::string upperAsciiLetters(const TextRules& rules, std::string_view s)
{
    return foldSingleBytes(rules, s, upperAscii);
}

} // namespace quorrin::text

#include "listing/output_options.h"

#include <array>
#include <cstddef>
#include <utility>

namespace quorrin::listing {

namespace {

template <typename Choice, std::size_t N> using WordTable = std::array<std::pair<Choice, std::string_view>, N>;

constexpr WordTable<TextEncoding, 5> encodingWords{{
    {TextEncoding::system, "system"},
    {TextEncoding::utf8, "utf-8"},
    {TextEncoding::utf8Bom, "utf-8-bom"},
    {TextEncoding::shiftJis, "shift_jis"},
    {TextEncoding::utf16le, "utf-16le"},
}};
constexpr WordTable<LineEnd, 2> lineEndWords{{{LineEnd::crlf, "crlf"}, {LineEnd::lf, "lf"}}};
constexpr WordTable<DateStyle, 2> dateStyleWords{{{DateStyle::system, "system"}, {DateStyle::iso, "iso"}}};
constexpr WordTable<SortKey, 6> sortKeyWords{{
    {SortKey::name, "name"},
    {SortKey::natural, "natural"},
    {SortKey::size, "size"},
    {SortKey::date, "date"},
    {SortKey::genre, "genre"},
    {SortKey::ext, "ext"},
}};

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != b[i])
            return false;
    return true;
}

template <typename Choice, std::size_t N> std::string_view wordOf(const WordTable<Choice, N>& table, Choice choice)
{
    for (const auto& [value, word] : table)
        if (value == choice)
            return word;
    return table.front().second;
}

template <typename Choice, std::size_t N>
std::optional<Choice> choiceOf(const WordTable<Choice, N>& table, std::string_view word)
{
    for (const auto& [value, known] : table)
        if (sameWord(word, known))
            return value;
    return std::nullopt;
}

} // namespace

std::string_view encodingWord(TextEncoding encoding)
{
    return wordOf(encodingWords, encoding);
}

std::string_view lineEndWord(LineEnd lineEnd)
{
    return wordOf(lineEndWords, lineEnd);
}

std::string_view dateStyleWord(DateStyle dates)
{
    return wordOf(dateStyleWords, dates);
}

std::string_view sortKeyWord(SortKey sort)
{
    return wordOf(sortKeyWords, sort);
}

std::optional<TextEncoding> parseEncoding(std::string_view word)
{
    return choiceOf(encodingWords, word);
}

std::optional<LineEnd> parseLineEnd(std::string_view word)
{
    return choiceOf(lineEndWords, word);
}

std::optional<DateStyle> parseDateStyle(std::string_view word)
{
    return choiceOf(dateStyleWords, word);
}

std::optional<SortKey> parseSortKey(std::string_view word)
{
    return choiceOf(sortKeyWords, word);
}

std::string_view lineEndText(LineEnd lineEnd)
{
    return lineEnd == LineEnd::lf ? "\n" : "\r\n";
}

} // namespace quorrin::listing

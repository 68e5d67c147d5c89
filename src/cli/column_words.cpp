#include "cli/column_words.h"

#include "cli/refusal.h"
#include "listing/code_tables.h"
#include "persist/ini_mapping.h"

#include <algorithm>

namespace quorrin::cli {

namespace {

// In column-kind order: the word for kind 0 first.
constexpr std::array<std::string_view, 5> columnWords{"path", "name", "size", "date", "genre"};

// In separator-choice order, as the selector lists them.
constexpr std::array<std::string_view, 8> separatorWords{"none",   "space",      "tab",   "comma",
                                                         "hyphen", "underscore", "slash", "plus"};

} // namespace

std::array<std::int32_t, 5> columnKinds(const Texts& texts, std::string_view list)
{
    if (list.empty())
        throw Refusal(texts.say(Message::noColumns));
    std::array<std::int32_t, 5> kinds;
    kinds.fill(listing::ckNone);
    std::size_t column = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view word = list.substr(start, comma == std::string_view::npos ? comma : comma - start);
        const auto it = std::find(columnWords.begin(), columnWords.end(), word);
        if (it == columnWords.end())
            throw Refusal(texts.say(Message::unknownColumn, {word}));
        if (column == kinds.size())
            throw Refusal(texts.say(Message::tooManyColumns, {list}));
        kinds[column++] = static_cast<std::int32_t>(it - columnWords.begin());
        if (comma == std::string_view::npos)
            return kinds;
        start = comma + 1;
    }
}

SeparatorChoice separatorChoice(std::string_view word)
{
    const auto it = std::find(separatorWords.begin(), separatorWords.end(), word);
    if (it == separatorWords.end())
        return {persist::typedSeparatorChoice, std::string(word)};
    return {static_cast<std::int32_t>(it - separatorWords.begin()), {}};
}

} // namespace quorrin::cli

#include "cli/output_words.h"

#include "cli/refusal.h"
#include "text/ascii_case.h"

#include <algorithm>

namespace quorrin::cli {

namespace {

template <typename Choice>
void applyWord(const Texts& texts, const std::optional<std::string>& word,
               std::optional<Choice> (*parse)(std::string_view), Message unknown, Choice& target)
{
    if (!word)
        return;
    const std::optional<Choice> choice = parse(*word);
    if (!choice)
        throw Refusal(texts.say(unknown, {*word}));
    target = *choice;
}

bool isDescendingSuffix(std::string_view suffix)
{
    constexpr std::string_view desc = "desc";
    return suffix.size() == desc.size() && std::equal(suffix.begin(), suffix.end(), desc.begin(),
                                                      [](char a, char b) { return text::lowerAscii(a) == b; });
}

// "KEY" ascending, "KEY:desc" descending; the words in any ASCII case.
void applySort(const Texts& texts, const std::optional<std::string>& word, listing::OutputOptions& options)
{
    if (!word)
        return;
    const std::string_view text = *word;
    const std::size_t colon = text.find(':');
    const std::optional<listing::SortKey> key = listing::parseSortKey(text.substr(0, colon));
    const bool descending = colon != std::string_view::npos;
    if (!key || (descending && !isDescendingSuffix(text.substr(colon + 1))))
        throw Refusal(texts.say(Message::unknownSort, {text}));
    options.sort = *key;
    options.descending = descending;
}

} // namespace

void applyOutputFlags(const Texts& texts, const ListRequest& request, listing::OutputOptions& options)
{
    applyWord(texts, request.encoding, listing::parseEncoding, Message::unknownEncoding, options.encoding);
    applyWord(texts, request.lineEnd, listing::parseLineEnd, Message::unknownLineEnd, options.lineEnd);
    applyWord(texts, request.dates, listing::parseDateStyle, Message::unknownDateStyle, options.dates);
    options.header = request.header.value_or(options.header);
    applySort(texts, request.sort, options);
}

} // namespace quorrin::cli

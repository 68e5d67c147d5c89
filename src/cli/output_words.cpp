#include "cli/output_words.h"

#include "cli/refusal.h"

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

} // namespace

void applyOutputFlags(const Texts& texts, const ListRequest& request, listing::OutputOptions& options)
{
    applyWord(texts, request.encoding, listing::parseEncoding, Message::unknownEncoding, options.encoding);
    applyWord(texts, request.lineEnd, listing::parseLineEnd, Message::unknownLineEnd, options.lineEnd);
    applyWord(texts, request.dates, listing::parseDateStyle, Message::unknownDateStyle, options.dates);
    options.header = request.header.value_or(options.header);
}

} // namespace quorrin::cli

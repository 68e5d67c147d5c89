#include "listing/genre_matcher.h"

#include <algorithm>
#include <deque>

namespace quorrin::listing {

GenreMatcher::GenreMatcher(const text::TextRules& rules, const std::vector<GenreRule>& table, bool fold)
    : folding_(rules, fold)
{
    std::vector<std::string> keywords;
    keywords.reserve(table.size());
    for (const GenreRule& rule : table) {
        std::string keyword = folding_.apply(rule.keyword);
        if (rule.extensionOnly && keyword.starts_with('.'))
            keyword.erase(0, 1);
        keywords.push_back(std::move(keyword));
    }
    // Only bytes that occur in keywords need a column of their own; every
    // other byte leads back towards the start.
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].extensionOnly)
            continue;
        for (const char c : keywords[i]) {
            std::uint16_t& cls = byteClass_[static_cast<unsigned char>(c)];
            if (cls == 0)
                cls = static_cast<std::uint16_t>(classCount_++);
        }
    }
    states_.emplace_back();
    transitions_.assign(classCount_, -1);
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (keywords[i].empty())
            continue;
        if (table[i].extensionOnly)
            extensions_.emplace(keywords[i], i); // the first rule of a keyword stays
        else
            addKeyword(keywords[i], i);
    }
    link();
}

void GenreMatcher::addKeyword(const std::string& keyword, std::size_t rule)
{
    std::int32_t state = 0;
    for (const char c : keyword) {
        std::int32_t target = next(state, static_cast<unsigned char>(c));
        if (target < 0) {
            target = static_cast<std::int32_t>(states_.size());
            states_.push_back({states_[static_cast<std::size_t>(state)].depth + 1});
            transitions_.resize(transitions_.size() + classCount_, -1);
            next(state, static_cast<unsigned char>(c)) = target;
        }
        state = target;
    }
    State& end = states_[static_cast<std::size_t>(state)];
    end.rule = std::min(end.rule, rule);
}

void GenreMatcher::link()
{
    // Breadth first, so a state's fail target is complete before it.
    std::deque<std::int32_t> queue;
    for (std::size_t cls = 0; cls < classCount_; ++cls) {
        std::int32_t& target = transitions_[cls];
        if (target < 0)
            target = 0;
        else
            queue.push_back(target);
    }
    State& root = states_[0];
    root.output = root.rule != noRule ? 0 : -1;
    while (!queue.empty()) {
        const std::int32_t state = queue.front();
        queue.pop_front();
        State& s = states_[static_cast<std::size_t>(state)];
        const State& fail = states_[static_cast<std::size_t>(s.fail)];
        s.output = s.rule != noRule ? state : fail.output;
        s.earliest = std::min(s.rule, fail.earliest);
        const std::size_t row = static_cast<std::size_t>(state) * classCount_;
        const std::size_t failRow = static_cast<std::size_t>(s.fail) * classCount_;
        for (std::size_t cls = 0; cls < classCount_; ++cls) {
            std::int32_t& target = transitions_[row + cls];
            if (target < 0) {
                target = transitions_[failRow + cls];
            } else {
                states_[static_cast<std::size_t>(target)].fail = transitions_[failRow + cls];
                queue.push_back(target);
            }
        }
    }
}

std::size_t GenreMatcher::match(std::string_view name) const
{
    // Kept between calls: a rebuild of a million names reuses the buffers.
    thread_local std::string folded;
    thread_local std::vector<char> starts;
    folding_.apply(name, folded, starts);

    std::size_t best = extensions_.empty() ? noRule : matchExtension(folded, starts);
    std::int32_t state = 0;
    for (std::size_t i = 0; i < folded.size() && best != 0; ++i) {
        state = next(state, static_cast<unsigned char>(folded[i]));
        if (states_[static_cast<std::size_t>(state)].earliest >= best)
            continue;
        for (std::int32_t at = states_[static_cast<std::size_t>(state)].output; at >= 0;) {
            const State& s = states_[static_cast<std::size_t>(at)];
            if (s.rule < best && starts[i + 1 - static_cast<std::size_t>(s.depth)])
                best = s.rule;
            at = states_[static_cast<std::size_t>(s.fail)].output;
        }
    }
    return best;
}

std::size_t GenreMatcher::matchExtension(std::string_view folded, const std::vector<char>& starts) const
{
    const std::size_t dot = folded.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || !starts[dot])
        return noRule;
    const auto found = extensions_.find(std::string(folded.substr(dot + 1)));
    return found == extensions_.end() ? noRule : found->second;
}

} // namespace quorrin::listing

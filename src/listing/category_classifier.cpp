#include "listing/category_classifier.h"

namespace quorrin::listing {

namespace {

std::vector<std::string> labelsOf(const std::vector<GenreRule>& table)
{
    std::vector<std::string> labels;
    labels.reserve(table.size());
    for (const GenreRule& rule : table)
        labels.push_back(rule.label);
    return labels;
}

} // namespace

CategoryClassifier::CategoryClassifier(const text::TextRules& rules) : CategoryClassifier(rules, std::nullopt) {}

CategoryClassifier::CategoryClassifier(const text::TextRules& rules, const std::optional<std::vector<GenreRule>>& own)
    : labels_(labelsOf(own ? *own : standardGenreRules(rules))),
      matcher_(rules, own ? *own : standardGenreRules(rules), own.has_value())
{
}

std::string CategoryClassifier::StrFind(std::string_view name) const
{
    const std::size_t rule = matcher_.match(name);
    return rule == GenreMatcher::noRule ? std::string() : labels_[rule];
}

} // namespace quorrin::listing

#include "persist/genre_settings.h"

#include <vector>

namespace quorrin::persist {

namespace {

constexpr std::string_view tableKey = "Table";
constexpr std::string_view ownWord = "own";
constexpr std::string_view standardWord = "standard";
constexpr std::string_view extensionWord = "ext";
// No stored value holds a line break, so this fallback tells a missing key.
constexpr std::string_view missing = "\n";

std::string ruleKey(std::size_t index)
{
    return "Rule" + std::to_string(index + 1);
}

void appendEscaped(std::string& out, std::string_view field)
{
    for (const char c : field) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '|': out += "\\|"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

// The fields split at every "|" that no backslash takes.
std::vector<std::string> splitFields(std::string_view text)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '|') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < text.size()) {
            const char escaped = text[++i];
            fields.back() += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::string genreRuleText(const listing::GenreRule& rule)
{
    std::string text;
    appendEscaped(text, rule.keyword);
    text += '|';
    appendEscaped(text, rule.label);
    if (rule.extensionOnly)
        (text += '|') += extensionWord;
    return text;
}

listing::GenreRule parseGenreRuleText(std::string_view text)
{
    std::vector<std::string> fields = splitFields(text);
    listing::GenreRule rule;
    rule.keyword = std::move(fields[0]);
    if (fields.size() > 1)
        rule.label = std::move(fields[1]);
    rule.extensionOnly = fields.size() > 2 && equalsIgnoringAsciiCase(fields[2], extensionWord);
    return rule;
}

listing::GenreTable readGenreRules(SettingsFile& file)
{
    const std::string table = file.ReadText(genreSection, tableKey, "");
    if (equalsIgnoringAsciiCase(table, standardWord))
        return std::nullopt;
    std::vector<listing::GenreRule> rules;
    for (std::size_t i = 0;; ++i) {
        const std::string text = file.ReadText(genreSection, ruleKey(i), missing);
        if (text == missing)
            break;
        if (!text.empty())
            rules.push_back(parseGenreRuleText(text));
    }
    // A hand-written section without the Table key still counts when it
    // holds rules.
    if (!equalsIgnoringAsciiCase(table, ownWord) && rules.empty())
        return std::nullopt;
    return rules;
}

void writeGenreRules(SettingsFile& file, const listing::GenreTable& table)
{
    if (!table) {
        const bool hadSection = file.ReadText(genreSection, tableKey, missing) != missing ||
                                file.ReadText(genreSection, ruleKey(0), missing) != missing;
        if (hadSection)
            file.WriteText(genreSection, tableKey, standardWord);
        return;
    }
    file.WriteText(genreSection, tableKey, ownWord);
    std::size_t i = 0;
    for (; i < table->size(); ++i)
        file.WriteText(genreSection, ruleKey(i), genreRuleText((*table)[i]));
    for (; file.ReadText(genreSection, ruleKey(i), missing) != missing; ++i)
        file.WriteText(genreSection, ruleKey(i), "");
}

} // namespace quorrin::persist

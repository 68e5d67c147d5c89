#include "platform/ini_document.h"

#include <algorithm>

namespace quorrin::platform {

namespace {

constexpr std::string_view blanks = " \t";

std::string_view trimmed(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::optional<std::string_view> sectionName(std::string_view line)
{
    const std::string_view t = trimmed(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    const std::string_view inside = t.substr(1);
    return trimmed(inside.substr(0, inside.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line)
{
    const std::string_view t = trimmed(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[')
        return std::nullopt;
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{trimmed(t.substr(0, eq)), trimmed(t.substr(eq + 1))};
}

std::string keyText(std::string_view key, std::string_view value)
{
    std::string text(key);
    text += '=';
    text += value;
    return text;
}

}  // namespace

IniDocument::IniDocument(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines_.push_back({std::string(text.substr(start)), {}});
            break;
        }
        const bool crlf = lf > start && text[lf - 1] == '\r';
        const std::size_t end = crlf ? lf - 1 : lf;
        lines_.push_back({std::string(text.substr(start, end - start)), crlf ? "\r\n" : "\n"});
        start = lf + 1;
    }
    newline_ = lines_.empty() || lines_.front().ending.empty() ? "\r\n" : lines_.front().ending;
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i].content);
        if (name && sameName(*name, section))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    const auto header = findSection(section);
    if (!header)
        return std::nullopt;
    for (std::size_t i = *header + 1; i < lines_.size() && !sectionName(lines_[i].content); ++i) {
        const auto entry = keyLine(lines_[i].content);
        if (entry && sameName(entry->key, key))
            return std::string(entry->value);
    }
    return std::nullopt;
}

void IniDocument::insertLine(std::size_t at, std::string content)
{
    // The line before may be a last line without an ending; it gets one so
    // the new line stands on its own.
    if (at > 0 && lines_[at - 1].ending.empty())
        lines_[at - 1].ending = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(content), newline_});
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    const auto header = findSection(section);
    if (!header) {
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), keyText(key, value));
        return;
    }
    std::size_t lastFilled = *header;
    std::size_t i = *header + 1;
    for (; i < lines_.size() && !sectionName(lines_[i].content); ++i) {
        const auto entry = keyLine(lines_[i].content);
        if (entry && sameName(entry->key, key)) {
            lines_[i].content = keyText(key, value);
            return;
        }
        if (!trimmed(lines_[i].content).empty())
            lastFilled = i;
    }
    insertLine(lastFilled + 1, keyText(key, value));
}

std::string IniDocument::text() const
{
    std::string text;
    for (const auto& line : lines_) {
        text += line.content;
        text += line.ending;
    }
    return text;
}

}  // namespace quorrin::platform

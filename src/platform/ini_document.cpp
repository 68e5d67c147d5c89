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

} // namespace

IniDocument::IniDocument(std::string_view text)
{
    // An editor that saves UTF-8 may put a byte-order mark in front; it
    // belongs to no line, or it would hide the first section.
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(byteOrderMark)) {
        byteOrderMark_ = byteOrderMark;
        text.remove_prefix(byteOrderMark.size());
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.push_back({std::string(text.substr(start)), {}});
            break;
        }
        const std::size_t endingSize = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines_.push_back({std::string(text.substr(start, end - start)), std::string(text.substr(end, endingSize))});
        start = end + endingSize;
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
    // A lone CR right before a blank line that ends in LF would read back as
    // one CR LF, and the blank line would be gone.
    std::string ending = newline_;
    if (ending == "\r" && at < lines_.size() && lines_[at].content.empty() && lines_[at].ending == "\n")
        ending = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(content), std::move(ending)});
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
    std::string text = byteOrderMark_;
    for (const auto& line : lines_) {
        text += line.content;
        text += line.ending;
    }
    return text;
}

} // namespace quorrin::platform

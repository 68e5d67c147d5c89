#include "text/ini_document.h"

#include <algorithm>
#include <cstring>

namespace quorrin::text {

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

std::string lowerName(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        c = asciiLower(c);
    return lower;
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

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

IniDocument::IniDocument(std::string text) : text_(std::move(text))
{
    // An editor that saves UTF-8 may put a byte-order mark in front; it
    // belongs to no line, or it would hide the first section.
    if (std::string_view(text_).starts_with("\xEF\xBB\xBF"))
        bodyStart_ = 3;
    index();
}

// One pass over the bytes. Blank lines, comments and lines outside every
// section leave nothing behind, so a huge file of them costs only its text.
void IniDocument::index()
{
    const std::size_t size = text_.size();
    const std::size_t firstEnd = text_.find_first_of("\r\n", bodyStart_);
    if (firstEnd == std::string::npos)
        newline_ = "\r\n";
    else
        newline_ = text_.compare(firstEnd, 2, "\r\n") == 0 ? "\r\n" : text_.substr(firstEnd, 1);

    const char* const bytes = text_.data();
    std::size_t pos = bodyStart_;
    while (pos < size) {
        // Blank lines take the short way: a file may hold millions of them.
        if (bytes[pos] == '\n') {
            ++pos;
            continue;
        }
        if (bytes[pos] == '\r') {
            pos += pos + 1 < size && bytes[pos + 1] == '\n' ? 2 : 1;
            continue;
        }
        const std::size_t lineStart = pos;
        while (pos < size && (bytes[pos] == ' ' || bytes[pos] == '\t'))
            ++pos;
        std::size_t end = pos;
        while (end < size && !isLineEnd(bytes[end]))
            ++end;
        std::size_t next = end;
        if (next < size)
            next += bytes[next] == '\r' && next + 1 < size && bytes[next + 1] == '\n' ? 2 : 1;
        if (pos < end) {
            const char first = bytes[pos];
            if (first == '[') {
                sections_.push_back(Section{lineStart, keyLines_.size(), 0, next, std::nullopt, {}, std::nullopt, {}});
            } else if (!sections_.empty()) {
                const bool key = first != ';' && first != '#' && std::memchr(bytes + pos, '=', end - pos) != nullptr;
                if (key) {
                    keyLines_.push_back(lineStart);
                    ++sections_.back().keyCount;
                }
                sections_.back().insertAt = next;
            }
        }
        pos = next;
    }
}

std::string_view IniDocument::lineAt(std::size_t start) const
{
    const std::string_view rest = std::string_view(text_).substr(start);
    return rest.substr(0, rest.find_first_of("\r\n"));
}

std::string_view IniDocument::sectionNameOf(const Section& section) const
{
    if (section.addedName)
        return *section.addedName;
    return sectionName(lineAt(section.header)).value_or(std::string_view());
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sameName(sectionNameOf(sections_[i]), section))
            return i;
    }
    return std::nullopt;
}

// A rewrite keeps the key's name, so the text's own line still tells it.
std::optional<std::size_t> IniDocument::findKeyInText(const Section& section, std::string_view key) const
{
    if (!section.textKeys) {
        section.textKeys.emplace();
        for (std::size_t i = section.firstKey; i < section.firstKey + section.keyCount; ++i) {
            if (const auto entry = keyLine(lineAt(keyLines_[i])))
                section.textKeys->emplace(lowerName(entry->key), keyLines_[i]);
        }
    }
    const auto found = section.textKeys->find(lowerName(key));
    return found == section.textKeys->end() ? std::nullopt : std::optional<std::size_t>(found->second);
}

std::optional<std::size_t> IniDocument::findAddedKey(const Section& section, std::string_view key) const
{
    const auto found = section.addedKeys.find(lowerName(key));
    return found == section.addedKeys.end() ? std::nullopt : std::optional<std::size_t>(found->second);
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    const auto found = findSection(section);
    if (!found)
        return std::nullopt;
    const Section& entry = sections_[*found];
    if (const auto start = findKeyInText(entry, key)) {
        const auto rewritten = rewritten_.find(*start);
        return std::string(keyLine(rewritten != rewritten_.end() ? rewritten->second : lineAt(*start))->value);
    }
    if (const auto added = findAddedKey(entry, key))
        return std::string(keyLine(entry.added[*added])->value);
    return std::nullopt;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    const auto found = findSection(section);
    if (!found)
        sections_.push_back(Section{text_.size(), 0, 0, text_.size(), std::string(section), {}, std::nullopt, {}});
    Section& entry = found ? sections_[*found] : sections_.back();
    if (const auto start = findKeyInText(entry, key)) {
        rewritten_[*start] = keyText(key, value);
    } else if (const auto added = findAddedKey(entry, key)) {
        entry.added[*added] = keyText(key, value);
    } else {
        entry.addedKeys.emplace(lowerName(key), entry.added.size());
        entry.added.push_back(keyText(key, value));
    }
}

void IniDocument::appendInsertedLines(std::string& out, const Section& section) const
{
    // The line before may be a last line without an ending; it gets one so
    // the new lines stand on their own.
    if (out.size() > bodyStart_ && !isLineEnd(out.back()))
        out += newline_;
    // A lone CR right before a blank line that ends in LF would read back as
    // one CR LF, and the blank line would be gone.
    const std::size_t at = section.insertAt;
    const std::string& ending =
        newline_ == "\r" && at < text_.size() && text_[at] == '\n' ? std::string("\r\n") : newline_;
    if (section.addedName)
        out += "[" + *section.addedName + "]" + ending;
    for (const auto& line : section.added)
        out += line + ending;
}

std::string IniDocument::text() const
{
    std::string out;
    std::size_t copied = 0;
    auto rewritten = rewritten_.begin();
    // The text up to `limit`, with the rewritten lines before it in place.
    auto copyUpTo = [&](std::size_t limit) {
        for (; rewritten != rewritten_.end() && rewritten->first < limit; ++rewritten) {
            out.append(text_, copied, rewritten->first - copied);
            out += rewritten->second;
            copied = rewritten->first + lineAt(rewritten->first).size();
        }
        out.append(text_, copied, limit - copied);
        copied = limit;
    };
    out.reserve(text_.size() + 64 * (rewritten_.size() + sections_.size()));
    for (const auto& section : sections_) {
        if (section.added.empty())
            continue;
        copyUpTo(section.insertAt);
        appendInsertedLines(out, section);
    }
    copyUpTo(text_.size());
    return out;
}

} // namespace quorrin::text

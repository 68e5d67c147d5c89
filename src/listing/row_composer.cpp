#include "listing/row_composer.h"

#include "listing/date_time_format.h"
#include "listing/dos_date_time.h"

#include <charconv>
#include <cstdio>

namespace quorrin::listing {

namespace {

void appendDecimal(std::string& out, std::uint64_t value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// Rounded up to whole KiB without going through floating point, which
// would lose the last units of a size past 2^53.
std::uint64_t kibibytesRoundedUp(std::uint64_t bytes)
{
    return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
}

void appendSize(std::string& out, const ListingContext& context, std::string_view name)
{
    const std::uint64_t size = GetFileSize(context.files, name);
    appendDecimal(out, context.settings.SizeInK ? kibibytesRoundedUp(size) : size);
}

// YYYY-MM-DD hh:mm:ss, 24-hour, with the file's own seconds. Years that
// four digits cannot hold leave the field empty.
void appendIsoDate(std::string& out, const platform::LocalDateTime& time)
{
    if (time.year < 0 || time.year > 9999)
        return;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                                     time.day, time.hour, time.minute, time.second);
    out.append(text, static_cast<std::size_t>(length));
}

// A time that cannot be read or packed leaves the field empty: one odd file
// must not cost the rest of the listing.
void appendDate(std::string& out, const ListingContext& context, const DateTimeText& dateText, std::string_view name)
{
    const platform::DirEntry* entry = context.files.entry(name);
    if (entry == nullptr || entry->isDirectory())
        return;
    const auto local = context.locale.toLocalTime(entry->lastWrite);
    if (!local)
        return;
    if (context.dates == DateStyle::iso) {
        appendIsoDate(out, *local);
        return;
    }
    const auto packed = packDosDateTime(*local);
    if (!packed)
        return;
    dateText.append(out, unpackDosDateTime(*packed));
}

bool isControlCharacter(char c)
{
    return static_cast<unsigned char>(c) < 0x20;
}

bool needsCaret(std::string_view text)
{
    for (const char c : text)
        if (c == '^' || isControlCharacter(c))
            return true;
    return false;
}

// A name or folder (POSIX allows line breaks, tabs and every other control
// character in both), or a user's genre label, that would otherwise split
// its line or add a field.
// Quoted, it stays as it is: a valid CSV field. Unquoted, it is written in
// caret notation, as terminals show control characters: TAB as "^I", LF as
// "^J", CR as "^M", any byte below 0x20 as "^" and the byte plus 0x40, and
// the caret itself as "^^", so the exact bytes can always be restored. The
// walk goes by characters, so a double-byte character whose second byte is
// "^" stays whole.
void appendNameText(std::string& out, const ListingContext& context, std::string_view text)
{
    if (context.settings.QuoteOn || !needsCaret(text)) {
        out += text;
        return;
    }
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = context.rules.charLength(text, i);
        const char c = text[i];
        if (length == 1 && (c == '^' || isControlCharacter(c))) {
            out += '^';
            out += c == '^' ? '^' : static_cast<char>(c + 0x40);
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
}

// The header row's field: the column's selector caption.
void appendCaption(std::string& out, const ListingContext& context, std::int32_t kind)
{
    if (kind >= 0 && kind < ckNone)
        out += context.rules.fromUtf8(columnKindItems[static_cast<std::size_t>(kind)]);
}

void appendUnquoted(std::string& out, const ListingContext& context, const DateTimeText& dateText,
                    std::string_view name, std::int32_t kind)
{
    switch (kind) {
    case ckPath: appendNameText(out, context, context.directory); break;
    case ckFileName: appendNameText(out, context, name); break;
    case ckSize: appendSize(out, context, name); break;
    case ckDate: appendDate(out, context, dateText, name); break;
    case ckOption: appendNameText(out, context, context.classifier.StrFind(name)); break;
    default: break;
    }
}

// Doubles every quote in out[start..]. Fields rarely hold one, so the
// common case is a single search.
void doubleQuotesFrom(std::string& out, std::size_t start, std::string_view quote)
{
    if (quote.empty() || out.find(quote, start) == std::string::npos)
        return;
    const std::string field = out.substr(start);
    out.resize(start);
    std::size_t from = 0;
    for (std::size_t at = field.find(quote); at != std::string::npos; at = field.find(quote, from)) {
        out.append(field, from, at + quote.size() - from);
        out += quote;
        from = at + quote.size();
    }
    out.append(field, from);
}

// One field whose text `appendText` writes: nothing for kind none, else
// enclosed in QuoteStr with quotes inside doubled when quoting is on.
template <typename AppendText>
void appendField(std::string& line, const ListingContext& context, std::int32_t kind, const AppendText& appendText)
{
    if (kind == ckNone)
        return;
    if (!context.settings.QuoteOn) {
        appendText(line);
        return;
    }
    const std::string& quote = context.settings.QuoteStr;
    line += quote;
    const std::size_t start = line.size();
    appendText(line);
    doubleQuotesFrom(line, start, quote);
    line += quote;
}

void appendFieldOfFile(std::string& line, const ListingContext& context, const DateTimeText& dateText,
                       std::string_view name, std::int32_t kind)
{
    appendField(line, context, kind, [&](std::string& out) { appendUnquoted(out, context, dateText, name, kind); });
}

// Column 1 has no separator in front; the others have one unless their
// kind is none, whose field is empty too.
template <typename AppendFieldOf>
void appendColumns(std::string& line, const ListingContext& context, std::string_view separator,
                   const AppendFieldOf& appendFieldOf)
{
    const auto columns = context.settings.columns();
    appendFieldOf(line, columns[0]);
    for (std::size_t k = 1; k < columns.size(); ++k) {
        if (columns[k] != ckNone)
            line += separator;
        appendFieldOf(line, columns[k]);
    }
}

// The lines of `count` names, the i-th of which is nameAt(i).
template <typename NameAt>
std::vector<std::string> composeLines(const ListingContext& context, std::size_t count, const NameAt& nameAt)
{
    const std::string_view separator = TabStr(context.settings.TabNo, context.typedSeparator);
    std::vector<std::string> lines;
    lines.reserve(count + (context.header ? 1 : 0));
    // The date patterns are read once, not for every row.
    const DateTimeText dateText(context.locale.dateTimeSettings(), context.rules);
    // Each line is built in one reused buffer and then copied once, at its
    // exact length: no regrowth per field, no spare capacity kept per line.
    std::string line;
    if (context.header) {
        appendColumns(line, context, separator, [&](std::string& out, std::int32_t kind) {
            appendField(out, context, kind, [&](std::string& text) { appendCaption(text, context, kind); });
        });
        lines.emplace_back(line);
    }
    // A read leaves the names' bytes wherever the heap put them, in the
    // folder's order rather than this one: each is fetched a few rows ahead.
    constexpr std::size_t fetchAhead = 8;
    for (std::size_t i = 0; i < count; ++i) {
        if (i + fetchAhead < count)
            __builtin_prefetch(nameAt(i + fetchAhead).data());
        const std::string& name = nameAt(i);
        line.clear();
        appendColumns(line, context, separator, [&](std::string& out, std::int32_t kind) {
            appendFieldOfFile(out, context, dateText, name, kind);
        });
        lines.emplace_back(line);
    }
    return lines;
}

} // namespace

std::string_view TabStr(std::int32_t tabNo, std::string_view typedText)
{
    const std::string_view* fixed = fixedSeparator(tabNo);
    return fixed != nullptr ? *fixed : typedText;
}

std::uint64_t GetFileSize(const FileInfoSource& files, std::string_view name)
{
    // A search for files passes over directories and volume labels, so
    // neither has a size here.
    const platform::DirEntry* entry = files.entry(name);
    if (entry == nullptr || (entry->attributes & (platform::attr::directory | platform::attr::volumeId)) != 0)
        return 0;
    return entry->size;
}

std::vector<std::string> ListDataSet(const ListingContext& context, std::span<const std::string> names)
{
    return composeLines(context, names.size(), [&](std::size_t i) -> const std::string& { return names[i]; });
}

std::vector<std::string> ListDataSet(const ListingContext& context, std::span<const std::string> names,
                                     std::span<const std::size_t> order)
{
    return composeLines(context, order.size(), [&](std::size_t i) -> const std::string& { return names[order[i]]; });
}

} // namespace quorrin::listing

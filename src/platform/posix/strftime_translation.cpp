#include "platform/posix/strftime_translation.h"

#include "platform/date_time_settings.h"

#include <cctype>
#include <utility>

namespace quorrin::platform::posix {

namespace {

// One "%..." conversion: the padding flag that decides between one and two
// digits, and the conversion letter after any width and E/O modifier (the
// formatter has neither alternative eras nor alternative digits).
struct Conversion {
    char pad = 0;    // '-', '_', '0' or 0 for the conversion's own default
    char letter = 0; // 0 when the pattern ends inside the conversion
    std::size_t begin = 0;
    std::size_t end = 0; // just past the conversion
};

Conversion parseConversion(std::string_view fmt, std::size_t percent)
{
    Conversion c;
    c.begin = percent;
    std::size_t i = percent + 1;
    for (; i < fmt.size(); ++i) {
        const char f = fmt[i];
        if (f == '-' || f == '_' || f == '0')
            c.pad = f; // the last padding flag wins, as in strftime
        else if (f != '^' && f != '#')
            break;
    }
    while (i < fmt.size() && std::isdigit(static_cast<unsigned char>(fmt[i])))
        ++i;
    if (i < fmt.size() && (fmt[i] == 'E' || fmt[i] == 'O'))
        ++i;
    if (i < fmt.size())
        c.letter = fmt[i++];
    c.end = i;
    return c;
}

// Calls onLiteral for every byte of literal text and onConversion for every
// conversion, in pattern order.
template <class OnLiteral, class OnConversion>
void walkPattern(std::string_view fmt, OnLiteral onLiteral, OnConversion onConversion)
{
    for (std::size_t i = 0; i < fmt.size();) {
        if (fmt[i] != '%') {
            onLiteral(fmt[i]);
            ++i;
            continue;
        }
        const Conversion c = parseConversion(fmt, i);
        onConversion(c);
        i = c.end;
    }
}

// The pattern with the composite conversions that `expansionOf` knows
// replaced by their parts; every other piece is kept byte for byte.
template <class ExpansionOf> std::string expandComposites(std::string_view fmt, ExpansionOf expansionOf)
{
    std::string out;
    walkPattern(
        fmt, [&](char ch) { out += ch; },
        [&](const Conversion& c) {
            const std::string_view expansion = expansionOf(c.letter);
            out += expansion.empty() ? fmt.substr(c.begin, c.end - c.begin) : expansion;
        });
    return out;
}

std::string expandDatePattern(std::string_view fmt)
{
    return expandComposites(fmt, [](char letter) -> std::string_view {
        switch (letter) {
        case 'D': return "%m/%d/%y";
        case 'F': return "%Y-%m-%d";
        default: return {};
        }
    });
}

// What strftime itself uses for %r when the locale has no 12-hour pattern.
constexpr std::string_view defaultAmpmPattern = "%I:%M:%S %p";

std::string expandTimePattern(std::string_view tFmt, std::string_view tFmtAmpm)
{
    const auto expandClock = [](char letter) -> std::string_view {
        switch (letter) {
        case 'T': return "%H:%M:%S";
        case 'R': return "%H:%M";
        default: return {};
        }
    };
    const std::string ampm = expandComposites(tFmtAmpm.empty() ? defaultAmpmPattern : tFmtAmpm, expandClock);
    return expandComposites(tFmt, [&](char letter) -> std::string_view {
        return letter == 'r' ? std::string_view(ampm) : expandClock(letter);
    });
}

bool isAsciiPunctuation(char ch)
{
    const auto u = static_cast<unsigned char>(ch);
    return u < 0x80 && std::ispunct(u);
}

char firstPunctuation(std::string_view expandedFmt, char fallback)
{
    for (std::size_t i = 0; i < expandedFmt.size();) {
        if (expandedFmt[i] == '%') {
            i = parseConversion(expandedFmt, i).end;
            continue;
        }
        if (isAsciiPunctuation(expandedFmt[i]))
            return expandedFmt[i];
        ++i;
    }
    return fallback;
}

bool zeroPadded(const Conversion& c, bool byDefault)
{
    switch (c.pad) {
    case '-':
    case '_': return false;
    case '0': return true;
    default: return byDefault;
    }
}

// Collects tokens and literal text. Literal bytes are gathered into one
// quoted run, so the formatter neither reads letters in them as tokens nor
// drops their multi-byte characters.
class TokenWriter {
public:
    explicit TokenWriter(char separator) : separator_(separator) {}

    void literal(char ch)
    {
        if (ch == separator_) {
            token("/");
            return;
        }
        run_ += ch;
    }

    void token(std::string_view t)
    {
        flushRun();
        // Two tokens of the same letter side by side would read as one
        // longer token ("d" then "dd" is the day name "ddd"); an empty
        // quoted text keeps them apart.
        if (!out_.empty() && !t.empty() && out_.back() == t.front() &&
            std::isalpha(static_cast<unsigned char>(t.front())))
            out_ += "\"\"";
        out_ += t;
    }

    std::string finish()
    {
        flushRun();
        return std::move(out_);
    }

private:
    // A double quote cannot stand inside double quotes, so it goes into a
    // single-quoted piece of its own.
    void flushRun()
    {
        std::size_t start = 0;
        while (start < run_.size()) {
            const bool quoteChars = run_[start] == '"';
            std::size_t stop = start;
            while (stop < run_.size() && (run_[stop] == '"') == quoteChars)
                ++stop;
            const char quote = quoteChars ? '\'' : '"';
            out_ += quote;
            out_.append(run_, start, stop - start);
            out_ += quote;
            start = stop;
        }
        run_.clear();
    }

    char separator_;
    std::string out_;
    std::string run_;
};

} // namespace

std::string translateDatePattern(std::string_view strftimeFmt, char dateSeparator)
{
    TokenWriter writer(dateSeparator);
    walkPattern(
        expandDatePattern(strftimeFmt), [&](char ch) { writer.literal(ch); },
        [&](const Conversion& c) {
            switch (c.letter) {
            case 'Y': writer.token("yyyy"); break;
            case 'y': writer.token("yy"); break;
            case 'm': writer.token(zeroPadded(c, true) ? "mm" : "m"); break;
            case 'd': writer.token(zeroPadded(c, true) ? "dd" : "d"); break;
            case 'e': writer.token(zeroPadded(c, false) ? "dd" : "d"); break;
            case 'b':
            case 'h': writer.token("mmm"); break;
            case 'B': writer.token("mmmm"); break;
            case 'a': writer.token("ddd"); break;
            case 'A': writer.token("dddd"); break;
            case '%': writer.literal('%'); break;
            default: break; // no token for it: the formatter cannot show it
            }
        });
    return writer.finish();
}

char dateSeparatorOf(std::string_view strftimeFmt)
{
    return firstPunctuation(expandDatePattern(strftimeFmt), '/');
}

char timeSeparatorOf(std::string_view tFmt, std::string_view tFmtAmpm)
{
    return firstPunctuation(expandTimePattern(tFmt, tFmtAmpm), ':');
}

ClockStyle clockStyleOf(std::string_view tFmt, std::string_view tFmtAmpm)
{
    ClockStyle style;
    bool ampmSeen = false;
    bool hourSeen = false;
    walkPattern(
        expandTimePattern(tFmt, tFmtAmpm), [](char) {},
        [&](const Conversion& c) {
            if (hourSeen)
                return;
            switch (c.letter) {
            case 'p':
            case 'P': ampmSeen = true; break;
            case 'H':
            case 'I':
            case 'k':
            case 'l':
                hourSeen = true;
                style.twelveHour = c.letter == 'I' || c.letter == 'l';
                style.leadingZero = zeroPadded(c, c.letter == 'H' || c.letter == 'I');
                style.ampmFirst = ampmSeen;
                break;
            default: break;
            }
        });
    return style;
}

std::string longTimeFormatOf(std::string_view tFmt, std::string_view tFmtAmpm)
{
    const ClockStyle style = clockStyleOf(tFmt, tFmtAmpm);
    return buildLongTimeFormat(style.twelveHour, style.leadingZero, style.ampmFirst);
}

} // namespace quorrin::platform::posix

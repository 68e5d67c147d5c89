#include "listing/date_time_format.h"

#include "listing/calendar.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <utility>

namespace quorrin::listing {

namespace {

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isAsciiLetter(char c)
{
    const char upper = asciiUpper(c);
    return upper >= 'A' && upper <= 'Z';
}

bool isQuote(char c)
{
    return c == '\'' || c == '"';
}

void appendNumber(std::string& out, int value, int minDigits)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    const auto length = static_cast<int>(result.ptr - digits);
    if (length < minDigits)
        out.append(static_cast<std::size_t>(minDigits - length), '0');
    out.append(digits, result.ptr);
}

// Reads a pattern into the pieces a moment is written with.
class PatternReader {
public:
    PatternReader(std::string_view pattern, const text::TextRules& rules) : pattern_(pattern), rules_(rules) {}

    std::vector<DateTimePiece> read()
    {
        while (pos_ < pattern_.size()) {
            const std::size_t length = rules_.charLength(pattern_, pos_);
            if (length > 1) {
                pos_ += length;
                lastLetter_ = 0;
                continue;
            }
            readPiece();
        }
        return std::move(pieces_);
    }

private:
    using Field = DateTimePiece::Field;

    void readPiece()
    {
        const char starter = pattern_[pos_];
        char token = asciiUpper(starter);
        if (isAsciiLetter(starter)) {
            if (token == 'M' && lastLetter_ == 'H')
                token = 'N';
            lastLetter_ = token;
        }
        switch (token) {
        case 'Y': add(Field::year, takeRun() <= 2 ? 2 : 4); break;
        case 'M': {
            const int count = takeRun();
            add(count <= 2 ? Field::month : Field::monthName, count);
            break;
        }
        case 'D': {
            const int count = takeRun();
            add(count <= 2 ? Field::day : Field::dayName, count);
            break;
        }
        case 'H': {
            const int count = takeRun();
            twelveHour_ = twelveHour_ || ampmAhead();
            add(twelveHour_ ? Field::twelveHour : Field::hour, std::min(count, 2));
            break;
        }
        case 'N': add(Field::minute, std::min(takeRun(), 2)); break;
        case 'S': add(Field::second, std::min(takeRun(), 2)); break;
        case 'G':
            takeRun();
            add(Field::eraName, 0);
            break;
        case 'E': add(Field::eraYear, std::min(takeRun(), 2)); break;
        case 'A':
            if (ampmAt(pos_)) {
                add(Field::ampm, 0);
                twelveHour_ = true;
                pos_ += 4;
            } else {
                addText(std::string_view(&starter, 1));
                ++pos_;
            }
            break;
        case '/':
            add(Field::dateSeparator, 0);
            ++pos_;
            break;
        case ':':
            add(Field::timeSeparator, 0);
            ++pos_;
            break;
        case '\'':
        case '"': copyQuoted(starter); break;
        default:
            addText(std::string_view(&starter, 1));
            ++pos_;
            break;
        }
    }

    void add(Field field, int count) { pieces_.push_back(DateTimePiece{field, count, {}}); }

    // Text next to text stays one piece.
    void addText(std::string_view text)
    {
        if (pieces_.empty() || pieces_.back().field != Field::text)
            pieces_.push_back(DateTimePiece{Field::text, 0, {}});
        pieces_.back().text += text;
    }

    // Length of the run of the same letter starting here; moves past it.
    int takeRun()
    {
        const char letter = asciiUpper(pattern_[pos_]);
        int count = 0;
        while (pos_ < pattern_.size() && asciiUpper(pattern_[pos_]) == letter) {
            ++pos_;
            ++count;
        }
        return count;
    }

    bool ampmAt(std::size_t i) const
    {
        constexpr std::string_view token = "AMPM";
        if (pattern_.size() - i < token.size())
            return false;
        for (std::size_t k = 0; k < token.size(); ++k) {
            if (asciiUpper(pattern_[i + k]) != token[k])
                return false;
        }
        return true;
    }

    // Whether the first "a" or "h" ahead, outside quotes, starts AMPM: a
    // later hour token decides its own form.
    bool ampmAhead() const
    {
        char quote = 0;
        for (std::size_t i = pos_; i < pattern_.size();) {
            const std::size_t length = rules_.charLength(pattern_, i);
            const char c = pattern_[i];
            if (length == 1 && isQuote(c) && (quote == 0 || quote == c)) {
                quote = quote == 0 ? c : 0;
            } else if (length == 1 && quote == 0) {
                const char upper = asciiUpper(c);
                if (upper == 'A')
                    return ampmAt(i);
                if (upper == 'H')
                    return false;
            }
            i += length;
        }
        return false;
    }

    // Copies up to the matching quote, stepping by characters so that a
    // trail byte is never taken for the closing quote; an unclosed quote
    // runs to the end.
    void copyQuoted(char quote)
    {
        const std::size_t begin = ++pos_;
        while (pos_ < pattern_.size() && pattern_[pos_] != quote)
            pos_ += rules_.charLength(pattern_, pos_);
        pos_ = std::min(pos_, pattern_.size());
        addText(pattern_.substr(begin, pos_ - begin));
        if (pos_ < pattern_.size())
            ++pos_;
    }

    std::string_view pattern_;
    const text::TextRules& rules_;
    std::vector<DateTimePiece> pieces_;
    std::size_t pos_ = 0;
    char lastLetter_ = 0;
    bool twelveHour_ = false;
};

// The latest era that has begun by the date.
const platform::Era* eraOf(const platform::LocalDateTime& time, const platform::DateTimeSettings& settings)
{
    const platform::Era* found = nullptr;
    for (const platform::Era& era : settings.eras) {
        if (std::tie(era.startYear, era.startMonth, era.startDay) <= std::tie(time.year, time.month, time.day))
            found = &era;
    }
    return found;
}

void appendPiece(std::string& out, const DateTimePiece& piece, const platform::LocalDateTime& time,
                 const platform::DateTimeSettings& settings)
{
    using Field = DateTimePiece::Field;
    switch (piece.field) {
    case Field::text: out += piece.text; break;
    case Field::year: appendNumber(out, piece.count == 2 ? time.year % 100 : time.year, piece.count); break;
    case Field::month: appendNumber(out, time.month, piece.count); break;
    case Field::monthName:
        out += (piece.count == 3 ? settings.shortMonthNames
                                 : settings.longMonthNames)[static_cast<std::size_t>(time.month - 1)];
        break;
    case Field::day: appendNumber(out, time.day, piece.count); break;
    case Field::dayName:
        out += (piece.count == 3
                    ? settings.shortDayNames
                    : settings.longDayNames)[static_cast<std::size_t>(dayOfWeek(time.year, time.month, time.day))];
        break;
    case Field::hour: appendNumber(out, time.hour, piece.count); break;
    case Field::twelveHour:
        appendNumber(out, time.hour == 0 ? 12 : time.hour > 12 ? time.hour - 12 : time.hour, piece.count);
        break;
    case Field::minute: appendNumber(out, time.minute, piece.count); break;
    case Field::second: appendNumber(out, time.second, piece.count); break;
    case Field::eraName:
        if (const platform::Era* era = eraOf(time, settings))
            out += era->name;
        break;
    case Field::eraYear:
        if (const platform::Era* era = eraOf(time, settings))
            appendNumber(out, time.year - era->startYear + 1, piece.count);
        break;
    case Field::ampm: out += time.hour < 12 ? settings.amText : settings.pmText; break;
    case Field::dateSeparator:
        if (settings.dateSeparator != 0)
            out += settings.dateSeparator;
        break;
    case Field::timeSeparator:
        if (settings.timeSeparator != 0)
            out += settings.timeSeparator;
        break;
    }
}

} // namespace

DateTimePattern::DateTimePattern(std::string_view pattern, const text::TextRules& rules)
    : pieces_(PatternReader(pattern, rules).read())
{
}

void DateTimePattern::append(std::string& out, const platform::LocalDateTime& time,
                             const platform::DateTimeSettings& settings) const
{
    for (const DateTimePiece& piece : pieces_)
        appendPiece(out, piece, time, settings);
}

void appendFormattedDateTime(std::string& out, std::string_view pattern, const platform::LocalDateTime& time,
                             const platform::DateTimeSettings& settings, const text::TextRules& rules)
{
    DateTimePattern(pattern, rules).append(out, time, settings);
}

DateTimeText::DateTimeText(const platform::DateTimeSettings& settings, const text::TextRules& rules)
    : settings_(settings), date_(settings.shortDateFormat, rules), time_(settings.longTimeFormat, rules)
{
}

void DateTimeText::append(std::string& out, const platform::LocalDateTime& time) const
{
    date_.append(out, time, settings_);
    if (time.hour != 0 || time.minute != 0 || time.second != 0) {
        out += ' ';
        time_.append(out, time, settings_);
    }
}

void appendDateTimeText(std::string& out, const platform::LocalDateTime& time,
                        const platform::DateTimeSettings& settings, const text::TextRules& rules)
{
    DateTimeText(settings, rules).append(out, time);
}

} // namespace quorrin::listing

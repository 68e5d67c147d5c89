#include "listing/date_time_format.h"

#include "listing/calendar.h"

#include <algorithm>
#include <charconv>
#include <tuple>

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

class PatternWriter {
public:
    PatternWriter(std::string& out, std::string_view pattern, const platform::LocalDateTime& time,
                  const platform::DateTimeSettings& settings, const text::TextRules& rules)
        : out_(out), pattern_(pattern), time_(time), settings_(settings), rules_(rules)
    {
    }

    void write()
    {
        while (pos_ < pattern_.size()) {
            const std::size_t length = rules_.charLength(pattern_, pos_);
            if (length > 1) {
                pos_ += length;
                lastLetter_ = 0;
                continue;
            }
            writePiece();
        }
    }

private:
    void writePiece()
    {
        const char starter = pattern_[pos_];
        char token = asciiUpper(starter);
        if (isAsciiLetter(starter)) {
            if (token == 'M' && lastLetter_ == 'H')
                token = 'N';
            lastLetter_ = token;
        }
        switch (token) {
        case 'Y': {
            const int count = takeRun();
            if (count <= 2)
                appendNumber(out_, time_.year % 100, 2);
            else
                appendNumber(out_, time_.year, 4);
            break;
        }
        case 'M': {
            const int count = takeRun();
            if (count <= 2)
                appendNumber(out_, time_.month, count);
            else
                out_ += (count == 3 ? settings_.shortMonthNames
                                    : settings_.longMonthNames)[static_cast<std::size_t>(time_.month - 1)];
            break;
        }
        case 'D': {
            const int count = takeRun();
            if (count <= 2) {
                appendNumber(out_, time_.day, count);
            } else {
                const auto& names = count == 3 ? settings_.shortDayNames : settings_.longDayNames;
                out_ += names[static_cast<std::size_t>(dayOfWeek(time_.year, time_.month, time_.day))];
            }
            break;
        }
        case 'H': {
            const int count = takeRun();
            twelveHour_ = twelveHour_ || ampmAhead();
            int hour = time_.hour;
            if (twelveHour_ && hour == 0)
                hour = 12;
            else if (twelveHour_ && hour > 12)
                hour -= 12;
            appendNumber(out_, hour, std::min(count, 2));
            break;
        }
        case 'N': appendNumber(out_, time_.minute, std::min(takeRun(), 2)); break;
        case 'S': appendNumber(out_, time_.second, std::min(takeRun(), 2)); break;
        case 'G':
            takeRun();
            if (const platform::Era* era = currentEra())
                out_ += era->name;
            break;
        case 'E': {
            const int count = takeRun();
            if (const platform::Era* era = currentEra())
                appendNumber(out_, time_.year - era->startYear + 1, std::min(count, 2));
            break;
        }
        case 'A':
            if (ampmAt(pos_)) {
                out_ += time_.hour < 12 ? settings_.amText : settings_.pmText;
                twelveHour_ = true;
                pos_ += 4;
            } else {
                out_ += starter;
                ++pos_;
            }
            break;
        case '/': separator(settings_.dateSeparator); break;
        case ':': separator(settings_.timeSeparator); break;
        case '\'':
        case '"': copyQuoted(starter); break;
        default:
            out_ += starter;
            ++pos_;
            break;
        }
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

    void separator(char c)
    {
        if (c != 0)
            out_ += c;
        ++pos_;
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
        out_.append(pattern_.substr(begin, pos_ - begin));
        if (pos_ < pattern_.size())
            ++pos_;
    }

    // The latest era that has begun by the date.
    const platform::Era* currentEra() const
    {
        const platform::Era* found = nullptr;
        for (const platform::Era& era : settings_.eras) {
            if (std::tie(era.startYear, era.startMonth, era.startDay) <= std::tie(time_.year, time_.month, time_.day))
                found = &era;
        }
        return found;
    }

    std::string& out_;
    std::string_view pattern_;
    const platform::LocalDateTime& time_;
    const platform::DateTimeSettings& settings_;
    const text::TextRules& rules_;
    std::size_t pos_ = 0;
    char lastLetter_ = 0;
    bool twelveHour_ = false;
};

} // namespace

void appendFormattedDateTime(std::string& out, std::string_view pattern, const platform::LocalDateTime& time,
                             const platform::DateTimeSettings& settings, const text::TextRules& rules)
{
    PatternWriter(out, pattern, time, settings, rules).write();
}

void appendDateTimeText(std::string& out, const platform::LocalDateTime& time,
                        const platform::DateTimeSettings& settings, const text::TextRules& rules)
{
    appendFormattedDateTime(out, settings.shortDateFormat, time, settings, rules);
    if (time.hour != 0 || time.minute != 0 || time.second != 0) {
        out += ' ';
        appendFormattedDateTime(out, settings.longTimeFormat, time, settings, rules);
    }
}

} // namespace quorrin::listing

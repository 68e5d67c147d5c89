#pragma once

#include <optional>
#include <string_view>

namespace quorrin::listing {

// The byte form of a saved listing. `system` writes the names' own bytes
// (UTF-8 on POSIX, the ANSI code page on Windows); `shiftJis` is code page
// 932 as Windows writes it; `utf16le` starts with its byte-order mark.
enum class TextEncoding { system, utf8, utf8Bom, shiftJis, utf16le };

enum class LineEnd { crlf, lf };

// `iso` writes YYYY-MM-DD hh:mm:ss in local time with the file's own
// seconds; `system` the locale's short date and long time.
enum class DateStyle { system, iso };

// The order of the listing's rows within each folder. `name` is the order
// the folder was read in (the system's collation, case ignored); `natural`
// compares runs of digits by their value; `genre` puts unlabelled files
// last whichever the direction. Equal keys keep the name order.
enum class SortKey { name, natural, size, date, genre, ext };

// How a listing leaves the program, besides its columns: the window's
// "設定" menu, the [Output] section of the settings file and the command
// line all fill this one record. The defaults give the bytes the program
// has always written.
struct OutputOptions {
    TextEncoding encoding = TextEncoding::system;
    LineEnd lineEnd = LineEnd::crlf;
    bool header = false;
    DateStyle dates = DateStyle::system;
    SortKey sort = SortKey::name;
    bool descending = false;
    friend bool operator==(const OutputOptions&, const OutputOptions&) = default;
};

// The words that name each choice in the settings file and on the command
// line ("system", "utf-8", "utf-8-bom", "shift_jis", "utf-16le"; "crlf",
// "lf"; "system", "iso"; "name", "natural", "size", "date", "genre",
// "ext"). Reading ignores ASCII case and gives nothing for
// a word it does not know.
std::string_view encodingWord(TextEncoding encoding);
std::string_view lineEndWord(LineEnd lineEnd);
std::string_view dateStyleWord(DateStyle dates);
std::string_view sortKeyWord(SortKey sort);
std::optional<TextEncoding> parseEncoding(std::string_view word);
std::optional<LineEnd> parseLineEnd(std::string_view word);
std::optional<DateStyle> parseDateStyle(std::string_view word);
std::optional<SortKey> parseSortKey(std::string_view word);

// The bytes that end every line.
std::string_view lineEndText(LineEnd lineEnd);

} // namespace quorrin::listing

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::platform {

// The text of an INI file as a list of lines that are edited one key at a
// time. Lines the program does not touch keep their exact bytes and line
// endings, so comments, blank lines and foreign sections and keys survive.
//
// Reading: a line whose first non-blank character is "[" opens the section
// named up to the next "]"; a line holding "=" is a key (not when its first
// non-blank character is ";" or "#"); names and values are trimmed of
// spaces and tabs; names match without regard to ASCII case; the first
// section and the first key of a name count. LF, CR LF and a lone CR each
// end a line: a file from an old Mac editor reads as lines too, and no
// value ever holds a line break that a write would have to drop. A UTF-8
// byte-order mark at the start is kept but read as no part of the text.
//
// Writing: an existing key is rewritten in place; a new key goes after the
// last non-blank line of its section; a new section goes at the end of the
// file. New lines end like the file's first line, CR LF in a new file.
class IniDocument {
public:
    explicit IniDocument(std::string_view text = {});

    // The trimmed value of the key, quotes still on it.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    void set(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

private:
    struct Line {
        std::string content;
        std::string ending; // "\r\n", "\n", "\r", or empty for a last line without one
    };

    std::optional<std::size_t> findSection(std::string_view section) const;
    void insertLine(std::size_t at, std::string content);

    std::string byteOrderMark_;
    std::vector<Line> lines_;
    std::string newline_;
};

} // namespace quorrin::platform

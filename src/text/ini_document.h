#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorrin::text {

// The text of an INI file, edited one key at a time. The text itself is
// kept as it came, once; one pass over it notes where each section and each
// key line starts, and the edits are kept beside it and woven in when the
// text is asked for. Lines the program does not touch keep their exact
// bytes and line endings, so comments, blank lines and foreign sections and
// keys survive, and a file of millions of blank lines costs no more than
// its own bytes.
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
    explicit IniDocument(std::string text = {});

    // The trimmed value of the key, quotes still on it.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    void set(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

private:
    struct Section {
        // Where its header line starts in the text; for a section added by
        // a write, the text's end.
        std::size_t header;
        // Its key lines in the text, as indexes into keyLines_.
        std::size_t firstKey;
        std::size_t keyCount;
        // Where a new key of the section goes: just after its last
        // non-blank line.
        std::size_t insertAt;
        // The name a write gave a section it added; nothing for one of the
        // text.
        std::optional<std::string> addedName;
        // Key lines added by writes, in order.
        std::vector<std::string> added;
        // The first key line of each name (folded to lower case): where it
        // starts in the text, made at the first look into the section, and
        // its place among the added lines. A section of thousands of keys
        // then costs one look per key, not one pass.
        mutable std::optional<std::unordered_map<std::string, std::size_t>> textKeys;
        std::unordered_map<std::string, std::size_t> addedKeys;
    };

    void index();
    std::string_view lineAt(std::size_t start) const;
    std::string_view sectionNameOf(const Section& section) const;
    std::optional<std::size_t> findSection(std::string_view section) const;
    // Where the key's line starts in the text.
    std::optional<std::size_t> findKeyInText(const Section& section, std::string_view key) const;
    // Which of the section's added lines holds the key.
    std::optional<std::size_t> findAddedKey(const Section& section, std::string_view key) const;
    void appendInsertedLines(std::string& out, const Section& section) const;

    std::string text_;
    std::size_t bodyStart_ = 0; // after the byte-order mark
    std::string newline_;
    std::vector<std::size_t> keyLines_;            // start of every key line inside a section
    std::vector<Section> sections_;                // in the order of the text, added ones last
    std::map<std::size_t, std::string> rewritten_; // key line start -> its new content
};

} // namespace quorrin::text

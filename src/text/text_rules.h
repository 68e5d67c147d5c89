#pragma once

#include <string>
#include <string_view>

namespace quorrin::text {

// How the system's narrow code page splits bytes into characters, folds case
// and orders texts. Windows answers from its ANSI code page (Shift_JIS on a
// Japanese system), POSIX from UTF-8 and the C library's locale.
class TextRules {
public:
    virtual ~TextRules() = default;

    // Bytes of the character that starts at s[i]: 2 for a double-byte
    // character, 1..4 in UTF-8; 1 for a byte that cannot start one, so a
    // scan always moves on.
    virtual std::size_t charLength(std::string_view s, std::size_t i) const = 0;

    // Case as file names are folded: only A-Z on a double-byte code page,
    // the locale's folding otherwise.
    virtual std::string lowerAsFileName(std::string_view s) const = 0;
    virtual std::string upperAsFileName(std::string_view s) const = 0;

    // The locale's comparison with regard to case: <0, 0, >0.
    virtual int compare(std::string_view a, std::string_view b) const = 0;

    // A key whose plain byte order is the locale's order without regard to
    // case. Sorted lists compute it once per item instead of collating on
    // every comparison, which matters for folders of a million names.
    virtual std::string sortKey(std::string_view s) const = 0;
    // The same key appended to `out`, so a list can keep all its keys in one
    // buffer instead of a million small strings.
    virtual void appendSortKey(std::string& out, std::string_view s) const { out += sortKey(s); }

    // A text written in UTF-8 in our sources (captions, keywords, messages)
    // in this code page, so it can meet names and paths byte for byte.
    virtual std::string fromUtf8(std::string_view utf8) const = 0;

    // Equal as file names: folded as file names are, then compared. Where
    // the file system tells case apart (POSIX), only equal bytes are.
    virtual bool sameFileName(std::string_view a, std::string_view b) const { return sameFoldedName(a, b); }

    // Equal once folded as file names are, whatever the file system does;
    // for a volume that is known to fold case.
    bool sameFoldedName(std::string_view a, std::string_view b) const
    {
        return compare(lowerAsFileName(a), lowerAsFileName(b)) == 0;
    }
};

} // namespace quorrin::text

#include "text/utf8_text_rules.h"

#include "text/character_keys.h"
#include "text/unicode_text.h"

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <cwctype>
#include <deque>
#include <mutex>
#include <string.h>

namespace quorrin::text {

namespace {

// The ASCII letters a fold can change: those of the other case.
struct AsciiRange {
    unsigned char first;
    unsigned char last;
};
constexpr AsciiRange upperCaseLetters{'A', 'Z'};
constexpr AsciiRange lowerCaseLetters{'a', 'z'};

template <typename Fold> void appendFoldedCase(std::string& out, std::string_view s, Fold fold, AsciiRange changed)
{
    out.reserve(out.size() + s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            // ASCII folds as ASCII in every locale: a Turkish dotless i
            // would not even fit the byte it came from. No locale changes
            // a digit, a sign or a letter that has its case already, so
            // only the others cost a call.
            const bool mayChange = c >= changed.first && c <= changed.last;
            const std::wint_t folded = mayChange ? fold(c) : c;
            out += static_cast<char>(folded < 0x80 ? folded : c);
            ++i;
            continue;
        }
        const char32_t read = nextUtf8(s, i);
        if (isStrayByte(read)) {
            out += static_cast<char>(read - firstStrayByte);
            continue;
        }
        char bytes[4];
        out.append(bytes, putUtf8(bytes, static_cast<char32_t>(fold(static_cast<std::wint_t>(read)))));
    }
}

template <typename Fold> std::string foldCase(std::string_view s, Fold fold, AsciiRange changed)
{
    std::string out;
    appendFoldedCase(out, s, fold, changed);
    return out;
}

std::wint_t lower(std::wint_t c)
{
    return std::towlower(c);
}

// The C library's transformation of the folded text: the key as the locale
// defines it.
void appendTransformed(std::string& out, std::string_view s)
{
    const std::size_t start = out.size();
    appendFoldedCase(out, s, lower, upperCaseLetters);
    const std::string folded = out.substr(start);
    out.resize(start + folded.size() * 4 + 16);
    std::size_t needed = strxfrm(out.data() + start, folded.c_str(), out.size() - start);
    if (needed >= out.size() - start) {
        out.resize(start + needed + 1);
        needed = strxfrm(out.data() + start, folded.c_str(), out.size() - start);
    }
    out.resize(start + needed);
}

// How keys are made under one pair of collation and character locales.
struct KeyMaking {
    std::string collation;
    std::string characters;
    CollationShape shape = CollationShape::other;
    const CharacterKeys* characterKeys = nullptr;
};

// Every pair met so far, each with its character table, kept for the whole
// run and never destroyed: another thread may still be reading a table when
// the locale changes, or while the program exits.
const KeyMaking& keyMakingFor(const char* collation, const char* characters)
{
    static std::mutex lock;
    static auto* known = new std::deque<KeyMaking>;
    static auto* tables = new std::deque<CharacterKeys>;
    const std::lock_guard guard(lock);
    for (const KeyMaking& making : *known) {
        if (making.collation == collation && making.characters == characters)
            return making;
    }
    KeyMaking& making = known->emplace_back(KeyMaking{collation, characters, currentCollationShape()});
    if (making.shape == CollationShape::oneForwardLevel)
        making.characterKeys = &tables->emplace_back(appendTransformed);
    return making;
}

// The way keys are made under the current locale. Each thread remembers
// the last answer: asking for the locale's names is cheap, finding them
// among the known ones is not.
const KeyMaking& currentKeyMaking()
{
    thread_local const KeyMaking* last = nullptr;
    const char* collation = std::setlocale(LC_COLLATE, nullptr);
    const char* characters = std::setlocale(LC_CTYPE, nullptr);
    if (last == nullptr || last->collation != collation || last->characters != characters)
        last = &keyMakingFor(collation, characters);
    return *last;
}

} // namespace

std::size_t Utf8TextRules::charLength(std::string_view s, std::size_t i) const
{
    // A byte that starts no valid sequence is a unit of its own.
    return std::max<std::size_t>(1, detail::utf8SequenceLength(s, i));
}

std::string Utf8TextRules::lowerAsFileName(std::string_view s) const
{
    return foldCase(s, lower, upperCaseLetters);
}

std::string Utf8TextRules::upperAsFileName(std::string_view s) const
{
    return foldCase(
        s, [](std::wint_t c) { return std::towupper(c); }, lowerCaseLetters);
}

int Utf8TextRules::compare(std::string_view a, std::string_view b) const
{
    // strcoll needs terminated texts; names never hold a NUL byte.
    const int r = strcoll(std::string(a).c_str(), std::string(b).c_str());
    if (r != 0)
        return r;
    return a.compare(b);
}

std::string Utf8TextRules::sortKey(std::string_view s) const
{
    std::string key;
    appendSortKey(key, s);
    return key;
}

void Utf8TextRules::appendSortKey(std::string& out, std::string_view s) const
{
    const KeyMaking& making = currentKeyMaking();
    if (making.shape == CollationShape::bytes)
        appendFoldedCase(out, s, lower, upperCaseLetters);
    else if (making.characterKeys == nullptr || !making.characterKeys->append(out, s))
        appendTransformed(out, s);
    // Names the collation finds equal (different case, ignorable marks)
    // still need a fixed order, or a list would shuffle between reads.
    out += '\0';
    out.append(s);
}

} // namespace quorrin::text

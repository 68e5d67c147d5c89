#include "text/character_keys.h"

#include "text/unicode_text.h"

#include <cstdint>
#include <cstring>

// Only glibc tells how a locale collates; the Windows build, whose tests
// use the UTF-8 rules as their reference, has no langinfo.h.
#ifdef __GLIBC__
#include <langinfo.h>
#endif

namespace quorrin::text {

CollationShape currentCollationShape()
{
#ifdef __GLIBC__
    // The count is a 32-bit word handed back in a pointer; the rest of the
    // pointer is not defined.
    const auto levels = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(nl_langinfo(_NL_COLLATE_NRULES)));
    if (levels == 0)
        return CollationShape::bytes;
    // The rule of a level is a set of flags; 1 alone is "forward", without
    // "backward" or "position", which would make a key more than the sum
    // of its characters'. The stock one-level locales define no
    // multi-character collating elements.
    constexpr unsigned char forwardOnly = 1;
    const auto* rules = reinterpret_cast<const unsigned char*>(nl_langinfo(_NL_COLLATE_RULESETS));
    if (levels == 1 && rules != nullptr && rules[0] == forwardOnly && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0)
        return CollationShape::oneForwardLevel;
#endif
    return CollationShape::other;
}

bool CharacterKeys::append(std::string& out, std::string_view text) const
{
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = nextUtf8(text, i);
        if (isStrayByte(c)) {
            out.resize(start);
            return false;
        }
        const Page& keys = page(c >> pageBits);
        const std::size_t slot = c & (pageSize - 1);
        out.append(keys.keys, keys.starts[slot], keys.starts[slot + 1] - keys.starts[slot]);
    }
    return true;
}

const CharacterKeys::Page& CharacterKeys::page(std::size_t index) const
{
    if (const Page* ready = pages_[index].load(std::memory_order_acquire))
        return *ready;
    const std::lock_guard lock(filling_);
    if (const Page* ready = pages_[index].load(std::memory_order_relaxed))
        return *ready;
    auto fresh = std::make_unique<Page>();
    for (std::size_t slot = 0; slot < pageSize; ++slot) {
        fresh->starts[slot] = static_cast<std::uint32_t>(fresh->keys.size());
        const auto c = static_cast<char32_t>((index << pageBits) | slot);
        // Surrogates and NUL never reach a key: no name decodes to them.
        if (c == 0 || (c >= 0xD800 && c <= 0xDFFF))
            continue;
        char bytes[4];
        transform_(fresh->keys, std::string_view(bytes, static_cast<std::size_t>(putUtf8(bytes, c) - bytes)));
    }
    fresh->starts[pageSize] = static_cast<std::uint32_t>(fresh->keys.size());
    const Page* published = fresh.get();
    filled_.push_back(std::move(fresh));
    pages_[index].store(published, std::memory_order_release);
    return *published;
}

} // namespace quorrin::text

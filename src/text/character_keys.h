#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::text {

// How the C library collates texts under the current locale.
enum class CollationShape {
    bytes,           // plain byte order (C, POSIX, C.UTF-8): a text is its own key
    oneForwardLevel, // one level read forwards, UTF-8 (ja_JP, ko_KR): keys join per character
    other,           // several levels, or a system that does not say
};
CollationShape currentCollationShape();

// Collation keys put together character by character. Where the collation
// is one forward level with no multi-character elements, a text's key is
// its characters' keys one after another, so each character goes through
// the C library's costly transformation once and every later name is a
// table look-up: reading a tree of Japanese names spent more time in that
// transformation than in the file system.
//
// Safe to share between threads: a block of 256 characters is filled the
// first time one of them is met, under a lock, and read without one after.
class CharacterKeys {
public:
    // Appends the key of one character, given as its UTF-8 bytes.
    using Transform = void (*)(std::string& out, std::string_view character);

    explicit CharacterKeys(Transform transform) : transform_(transform) {}
    CharacterKeys(const CharacterKeys&) = delete;
    CharacterKeys& operator=(const CharacterKeys&) = delete;

    // Appends the key of `text`. A byte that starts no UTF-8 character has
    // no key of its own: the answer is then false and `out` is left as it was.
    bool append(std::string& out, std::string_view text) const;

private:
    static constexpr std::size_t pageBits = 8;
    static constexpr std::size_t pageSize = std::size_t{1} << pageBits;
    static constexpr std::size_t pageCount = (0x10FFFF >> pageBits) + 1;

    struct Page {
        std::array<std::uint32_t, pageSize + 1> starts{};
        std::string keys;
    };

    const Page& page(std::size_t index) const;

    Transform transform_;
    mutable std::array<std::atomic<const Page*>, pageCount> pages_{};
    mutable std::mutex filling_;
    mutable std::vector<std::unique_ptr<const Page>> filled_;
};

} // namespace quorrin::text

#pragma once

#include "text/text_rules.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorrin::compose {

// The collation part of a sort key from TextRules: up to its first zero
// byte, after which the name's own bytes follow to order names that the
// collation finds equal.
std::string_view collationPart(std::string_view sortKey);

// Sort keys for the order in which "file2" comes before "file10" and
// "第2話" before "第10話": a name is cut into runs of digits (ASCII and
// full-width ０-９) and runs of anything else. Runs of digits compare by
// their value, before any text at the same place; the other runs by the
// system's collation, case ignored. Names that differ only in leading
// zeros or letter case get equal keys.
class NaturalKey {
public:
    // The rules must outlive the key: they split and collate the names.
    explicit NaturalKey(const text::TextRules& rules);

    // Appends the key of `name`, whose plain byte order is the natural one.
    void append(std::string& out, std::string_view name) const;

private:
    // The value of the digit that starts at name[i], or -1; `length` is
    // set to its bytes either way.
    int digitAt(std::string_view name, std::size_t i, std::size_t& length) const;
    void appendNumber(std::string& out, std::string_view digits) const;
    void appendText(std::string& out, std::string_view text) const;

    const text::TextRules& rules_;
    // The full-width digits in the system's code page; empty where it has
    // no such characters.
    std::array<std::string, 10> wideDigits_;
    mutable std::string collation_;
    // The collation of text runs met before: the names of one folder share
    // most of theirs ("IMG_", ".jpg", "第", "話"), and the collation is
    // the costly part of a key.
    struct RunHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view run) const { return std::hash<std::string_view>{}(run); }
    };
    mutable std::unordered_map<std::string, std::string, RunHash, std::equal_to<>> runKeys_;
};

} // namespace quorrin::compose

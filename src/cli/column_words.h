#pragma once

#include "cli/cli_texts.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorrin::cli {

// The column kinds that "name,size,date" and the like ask for, in order;
// columns not named are none. Throws Refusal for an unknown word, an
// empty list or more than five words.
std::array<std::int32_t, 5> columnKinds(const Texts& texts, std::string_view list);

// A separator word (none, space, tab, comma, hyphen, underscore, slash,
// plus) as the separator choice it names; any other text is the typed
// separator, choice -1, and stands as it is.
struct SeparatorChoice {
    std::int32_t tabNo;
    std::string typed;
};
SeparatorChoice separatorChoice(std::string_view word);

} // namespace quorrin::cli

#pragma once

#include "browse/type_ahead.h"
#include "text/text_rules.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

// Typing on a closed drop-down selector (drives, filter presets): the typed
// prefix picks the first row that begins with it, without regard to case.
// The selector decides what a pick or a Backspace sets off.
class ClosedSelectorTyping {
public:
    explicit ClosedSelectorTyping(const text::TextRules& rules) : rules_(rules), typeAhead_(rules) {}

    void setClock(Clock clock) { typeAhead_.setClock(std::move(clock)); }

    enum class Action {
        backspace, // the prefix lost its last character; the selection stays
        choose,    // `row` begins with the prefix
        pass,      // nothing matches: the widget's own first-letter choice may act
    };
    struct Outcome {
        Action action = Action::pass;
        int row = -1;
    };

    // One key as the characters it types, "\b" for Backspace.
    Outcome key(std::string_view character, const std::vector<std::string>& rows);

private:
    const text::TextRules& rules_;
    TypeAhead typeAhead_;
};

} // namespace quorrin::browse

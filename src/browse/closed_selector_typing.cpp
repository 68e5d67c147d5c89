#include "browse/closed_selector_typing.h"

namespace quorrin::browse {

ClosedSelectorTyping::Outcome ClosedSelectorTyping::key(std::string_view character,
                                                        const std::vector<std::string>& rows)
{
    const std::string& prefix = typeAhead_.key(character);
    if (character == "\b")
        return {Action::backspace, -1};
    const int found = findPrefix(rules_, rows, prefix);
    return found >= 0 ? Outcome{Action::choose, found} : Outcome{Action::pass, -1};
}

} // namespace quorrin::browse

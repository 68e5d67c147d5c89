#include "cli/progress_line.h"

#include <algorithm>
#include <utility>

namespace quorrin::cli {

namespace {

// The end of a long path behind "...", cut at a character's start.
std::string shortened(const text::TextRules& rules, const std::string& folder)
{
    std::size_t start = 0;
    while (folder.size() - start > ProgressLine::folderBytes)
        start += rules.charLength(folder, start);
    return start == 0 ? folder : "..." + folder.substr(start);
}

} // namespace

ProgressLine::ProgressLine(Console& console, const Texts& texts, const text::TextRules& rules,
                           const std::string& folder, SteadyClock clock)
    : console_(console), texts_(texts), folder_(shortened(rules, folder)), clock_(std::move(clock)),
      enabled_(console.errorIsTerminal()), start_(enabled_ ? clock_() : std::chrono::steady_clock::time_point{})
{
}

ProgressLine::~ProgressLine()
{
    erase();
}

void ProgressLine::entriesSoFar(std::size_t count)
{
    if (!enabled_)
        return;
    const auto now = clock_();
    if (now - start_ < quiet || (drawnWidth_ > 0 && now - lastDrawn_ < redraw))
        return;
    lastDrawn_ = now;
    const std::string text = texts_.say(Message::progress, {std::to_string(count), folder_});
    // Carriage returns only, no terminal escapes: a Windows console draws
    // them as well. Spaces cover what a longer earlier line left.
    std::string line = "\r" + text;
    if (text.size() < drawnWidth_)
        line += std::string(drawnWidth_ - text.size(), ' ');
    drawnWidth_ = std::max(drawnWidth_, text.size());
    console_.writeError(line);
}

void ProgressLine::erase()
{
    if (drawnWidth_ == 0)
        return;
    console_.writeError("\r" + std::string(drawnWidth_, ' ') + "\r");
    drawnWidth_ = 0;
}

} // namespace quorrin::cli

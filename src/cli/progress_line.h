#pragma once

#include "cli/cli_texts.h"
#include "cli/console_port.h"
#include "text/text_rules.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace quorrin::cli {

using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

// One line on a terminal that tells how many entries a read has found, once
// the read has taken longer than `quiet`; redrawn at most every `redraw`,
// erased again by erase() or at the end of the line's life. Never drawn when
// standard error is no terminal, so logs and pipes get no stray bytes. A
// long folder path shows its last `folderBytes` bytes or so, so that the line
// fits a terminal's width and a carriage return can take it back.
class ProgressLine {
public:
    static constexpr std::chrono::milliseconds quiet{500};
    static constexpr std::chrono::milliseconds redraw{100};
    static constexpr std::size_t folderBytes = 48;

    ProgressLine(Console& console, const Texts& texts, const text::TextRules& rules, const std::string& folder,
                 SteadyClock clock);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void entriesSoFar(std::size_t count);
    void erase();

private:
    Console& console_;
    const Texts& texts_;
    std::string folder_;
    SteadyClock clock_;
    bool enabled_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDrawn_;
    std::size_t drawnWidth_ = 0;
};

} // namespace quorrin::cli

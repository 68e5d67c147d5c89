#pragma once

#include "platform/file_system.h"
#include "text/text_rules.h"

#include <optional>
#include <string>
#include <vector>

namespace quorrin::ui {

// What the window's command line asks for: the window (on a folder or file
// when one is named), or a text to print before leaving without a display.
struct WindowCommandLine {
    enum class Outcome {
        openWindow,
        printHelp,
        printVersion,
        wrongUsage,
    };
    Outcome outcome = Outcome::openWindow;
    // The folder or file named, exactly as given.
    std::optional<std::string> path;
    // The help, the version line or the complaint, ending in a line break.
    std::string text;
};

// Reads the arguments after the program's name. The texts are Japanese when
// `japanese`, English otherwise.
WindowCommandLine parseWindowCommandLine(const std::vector<std::string>& arguments, const std::string& version,
                                         bool japanese);

// A relative path made absolute against the process's current directory.
// The window moves that directory while it starts, so the path named on the
// command line is resolved before the window exists.
std::string absolutePath(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& path);

} // namespace quorrin::ui

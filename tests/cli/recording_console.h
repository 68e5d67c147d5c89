#pragma once

#include "cli/console_port.h"

#include <string>

namespace quorrin::cli::test {

// Keeps what the program wrote; the output can be made to fail and standard
// error to be a terminal.
struct RecordingConsole final : Console {
    bool writeOutput(std::string_view bytes) override
    {
        out += bytes;
        return outputWorks;
    }
    void writeError(std::string_view text) override { err += text; }
    bool errorIsTerminal() const override { return terminal; }
    std::string out;
    std::string err;
    bool outputWorks = true;
    bool terminal = false;
};

} // namespace quorrin::cli::test

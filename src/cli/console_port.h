#pragma once

#include <string_view>

namespace quorrin::cli {

// Where the program's output and messages go; tests record them instead.
class Console {
public:
    virtual ~Console() = default;
    // Every byte unchanged; false when the output refused some of them.
    virtual bool writeOutput(std::string_view bytes) = 0;
    virtual void writeError(std::string_view text) = 0;
    virtual bool errorIsTerminal() const = 0;
};

// The process's standard output and standard error.
class StandardConsole final : public Console {
public:
    bool writeOutput(std::string_view bytes) override;
    void writeError(std::string_view text) override;
    bool errorIsTerminal() const override;
};

} // namespace quorrin::cli

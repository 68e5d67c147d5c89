#include "cli/console_port.h"

#include "platform/console.h"

namespace quorrin::cli {

bool StandardConsole::writeOutput(std::string_view bytes)
{
    return platform::writeStandardOutput(bytes);
}

void StandardConsole::writeError(std::string_view text)
{
    platform::writeStandardError(text);
}

bool StandardConsole::errorIsTerminal() const
{
    return platform::standardErrorIsTerminal();
}

} // namespace quorrin::cli

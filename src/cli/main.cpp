#include "cli/command_line.h"
#include "cli/console_port.h"
#include "cli/listing_run.h"
#include "persist/settings_location.h"
#include "platform/console.h"
#include "platform/native.h"

#include <chrono>
#include <clocale>
#include <variant>

using namespace quorrin;

int main(int argc, char* argv[])
{
    // Dates, sorting and the language of the messages follow the user's
    // locale, as in the window.
    std::setlocale(LC_ALL, "");
    const auto rules = platform::makeNativeTextRules();
    const cli::Texts texts(*rules, platform::userReadsJapanese() ? cli::Language::japanese : cli::Language::english);
    cli::StandardConsole console;

    const auto parsed = cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), texts, QUORRIN_VERSION);
    if (const auto* answer = std::get_if<cli::ImmediateAnswer>(&parsed)) {
        if (answer->onStandardError)
            console.writeError(answer->text);
        else if (!console.writeOutput(answer->text))
            return cli::exitFailed;
        return answer->status;
    }

    const auto fileSystem = platform::makeNativeFileSystem(*rules);
    const auto locale = platform::makeNativeLocaleSettings();
    const auto charsets = platform::makeNativeCharsetConverter();
    const cli::ListServices services{*fileSystem,
                                     *rules,
                                     *locale,
                                     *charsets,
                                     [&rules] { return persist::siblingSettingsFilePath(*rules, "quorrin"); },
                                     console,
                                     texts,
                                     [] { return std::chrono::steady_clock::now(); },
                                     platform::writeWholeFile};
    return cli::runListing(std::get<cli::ListRequest>(parsed), services);
}

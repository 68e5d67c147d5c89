#include "persist/application_title.h"
#include "persist/settings_location.h"
#include "platform/native.h"
#include "ui/hint_style.h"
#include "ui/japanese_qt_texts.h"
#include "ui/main_window.h"
#include "ui/session_end.h"
#include "ui/window_command_line.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <string>
#include <vector>

using namespace quorrin;

int main(int argc, char* argv[])
{
    // Help and version need no display, so they come before Qt starts.
    const ui::WindowCommandLine commandLine =
        ui::parseWindowCommandLine(std::vector<std::string>(argv + 1, argv + argc), QUORRIN_VERSION,
                                   QLocale::system().language() == QLocale::Japanese);
    if (commandLine.outcome != ui::WindowCommandLine::Outcome::openWindow) {
        const bool wrong = commandLine.outcome == ui::WindowCommandLine::Outcome::wrongUsage;
        std::fputs(commandLine.text.c_str(), wrong ? stderr : stdout);
        return wrong ? 2 : 0;
    }
    // Qt aborts without a display; tell the user why instead.
    if (const auto reason = platform::displayUnavailableReason()) {
        std::fprintf(stderr, "quorrin: %s\n", reason->c_str());
        return 2;
    }
    // The application object also takes the user's locale, which the date
    // and time settings below are read from.
    QApplication app(argc, argv);
    QApplication::setStyle(new ui::HintStyle);
    ui::installJapaneseQtTexts(app);

    const auto rules = platform::makeNativeTextRules();
    const auto fileSystem = platform::makeNativeFileSystem(*rules);
    const auto locale = platform::makeNativeLocaleSettings();
    const std::string title = persist::applicationTitle(*rules, platform::executablePath(), platform::pathDelimiters());
    const ui::WindowServices services{*fileSystem, *rules, *locale,
                                      [&rules] { return persist::settingsFilePath(*rules); }, title};

    const auto opened =
        commandLine.path ? std::optional(ui::absolutePath(*fileSystem, *rules, *commandLine.path)) : std::nullopt;

    ui::TForm1 window(services);
    if (opened)
        window.openPath(*opened);
    ui::SessionEnd sessionEnd(window, title);
    window.show();
    return app.exec();
}

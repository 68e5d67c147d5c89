#include "persist/application_title.h"
#include "persist/settings_location.h"
#include "platform/native.h"
#include "ui/hint_style.h"
#include "ui/japanese_qt_texts.h"
#include "ui/main_window.h"
#include "ui/session_end.h"

#include <QApplication>

#include <cstdio>

using namespace quorrin;

int main(int argc, char* argv[])
{
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

    ui::TForm1 window(services);
    ui::SessionEnd sessionEnd(window, title);
    window.show();
    return app.exec();
}

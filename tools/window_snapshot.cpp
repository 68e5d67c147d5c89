// Renders the main window, listing a given folder, into a PNG without any
// display: the picture in the README comes from here.
//
//   QT_QPA_PLATFORM=offscreen quorrin_snapshot FOLDER OUT.png

#include "persist/application_title.h"
#include "platform/native.h"
#include "ui/hint_style.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>

#include <cstdio>

using namespace quorrin;

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER OUT.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    // The window moves the process into the folder it lists.
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    QApplication::setStyle(new ui::HintStyle);

    const auto rules = platform::makeNativeTextRules();
    const auto fileSystem = platform::makeNativeFileSystem(*rules);
    const auto locale = platform::makeNativeLocaleSettings();
    fileSystem->changeDirectory(argv[1]);
    // No settings file: the picture shows what a first start shows.
    const ui::WindowServices services{
        *fileSystem, *rules, *locale, [] { return std::string("/nonexistent/quorrin.ini"); },
        persist::applicationTitle(*rules, platform::executablePath(), platform::pathDelimiters())};
    ui::TForm1 window(services);
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(out)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

#include "platform/native.h"
#include "ui/main_window.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Qt aborts without a display; tell the user why instead.
    if (const auto reason = quorrin::platform::displayUnavailableReason()) {
        std::fprintf(stderr, "quorrin: %s\n", reason->c_str());
        return 2;
    }
    QApplication app(argc, argv);
    quorrin::ui::TForm1 window;
    window.show();
    return app.exec();
}

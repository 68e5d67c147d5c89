// Writes the program's icon for the desktop: one PNG per size of
// applicationIconSizes and a scalable SVG, drawn by the same code as the
// window's icon. The build runs it; nothing here is drawn by hand.
//
//   quorrin_icon_export OUT_FOLDER
//   -> OUT_FOLDER/<size>x<size>/apps/quorrin.png, OUT_FOLDER/scalable/apps/quorrin.svg (the icon theme's layout)

#include "ui/app_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

using namespace quorrin;

namespace {

bool writePng(const QDir& out, int size)
{
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        ui::paintApplicationIcon(painter, size);
    }
    return out.mkpath(folder) && image.save(out.filePath(folder + QStringLiteral("/quorrin.png")));
}

bool writeSvg(const QDir& out)
{
    if (!out.mkpath(QStringLiteral("scalable/apps")))
        return false;
    // Drawn on a large canvas: the SVG is scaled from its view box anyway,
    // and the smoothed shapes need no pixel grid.
    constexpr int size = 256;
    QSvgGenerator svg;
    svg.setFileName(out.filePath(QStringLiteral("scalable/apps/quorrin.svg")));
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Quorrin Jr"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    ui::paintApplicationIcon(painter, size);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_FOLDER\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const int size : ui::applicationIconSizes) {
        if (!writePng(out, size)) {
            std::fprintf(stderr, "cannot write the %d px icon into %s\n", size, argv[1]);
            return 1;
        }
    }
    if (!writeSvg(out)) {
        std::fprintf(stderr, "cannot write the scalable icon into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

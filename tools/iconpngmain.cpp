// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-icon-png SVG SIZE PNG: draws the program's SVG icon as a PNG of
// SIZE x SIZE pixels, for the icon themes that look for bitmaps.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: kellvar-icon-png SVG SIZE PNG\n";
        return 2;
    }
    // Only drawn into an image: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = std::atoi(argv[2]);
    if (!svg.isValid() || size <= 0) {
        std::cerr << "kellvar-icon-png: " << argv[1] << ": no SVG picture, or no size\n";
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}

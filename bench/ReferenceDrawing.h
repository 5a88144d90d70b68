#pragma once

#include <cmath>
#include <cstdint>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>

// The graph view's picture drawn the bare way: the same mapping, grid, curve and
// frame, with QPainter straight into an image and no framework in between. The
// curve must stay within 32-bit pixels, as every benchmarked one does.
namespace Reference {

inline int Column(int width, double x)
{
    return static_cast<int>(std::round((width * (x + 5.0)) / 10.0));
}

inline int Row(int height, double y)
{
    return height - static_cast<int>(std::round((height * (y + 5.0)) / 10.0));
}

inline QPen Pen(std::uint32_t rgb)
{
    QPen pen(QColor::fromRgb(rgb));
    pen.setWidth(0);
    return pen;
}

template<class Function>
void DrawGraph(QImage& image, Function&& f)
{
    int const width = image.width();
    int const height = image.height();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.fillRect(QRect(0, 0, width, height), QColor::fromRgb(0xFFFFFF));
    for (double x = -5.0; !(x > 5.0); x += 1.0) {
        painter.setPen(Pen(x == 0.0 ? 0xA0A0A0 : 0xE0E0E0));
        painter.drawLine(QPoint(Column(width, x), height), QPoint(Column(width, x), 0));
    }
    for (double y = -5.0; !(y > 5.0); y += 1.0) {
        painter.setPen(Pen(y == 0.0 ? 0xA0A0A0 : 0xE0E0E0));
        painter.drawLine(QPoint(0, Row(height, y)), QPoint(width, Row(height, y)));
    }

    painter.setPen(Pen(0x000000));
    bool first = true;
    QPoint previous;
    for (double x = -5.0; !(x > 5.0); x += 0.01) {
        QPoint const current(Column(width, x), Row(height, f(x)));
        if (!first)
            painter.drawLine(previous, current);
        first = false;
        previous = current;
    }
    // A cosmetic pen outlines one pixel beyond the rectangle's size.
    painter.drawRect(QRect(0, 0, width - 1, height - 1));
}

}

#include "framework/testing/ReferenceDrawing.h"

#include <cmath>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>

namespace Testing {

namespace {

// The graph view's mapping: the product first, then the division, then rounding.
int Column(int width, double x)
{
    return static_cast<int>(std::round((width * (x + 5.0)) / 10.0));
}

int Row(int height, double y)
{
    return height - static_cast<int>(std::round((height * (y + 5.0)) / 10.0));
}

QPen Pen(QRgb rgb)
{
    QPen pen(QColor::fromRgb(rgb));
    pen.setWidth(0);
    return pen;
}

}

struct ReferenceImage::Image {
    QImage image;
};

ReferenceImage::ReferenceImage(std::int32_t width, std::int32_t height)
    : m_image(std::make_unique<Image>(Image { QImage(width, height, QImage::Format_RGB32) }))
{
}

ReferenceImage::~ReferenceImage() = default;

std::int32_t ReferenceImage::Width() const
{
    return m_image->image.width();
}

std::int32_t ReferenceImage::Height() const
{
    return m_image->image.height();
}

std::uint32_t ReferenceImage::Pixel(std::int32_t x, std::int32_t y) const
{
    return m_image->image.pixel(x, y) & 0xFFFFFFu;
}

void ReferenceImage::Draw(std::function<double(double)> const& f)
{
    QImage& image = m_image->image;
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

#include "pictures.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <functional>

namespace pictures {
namespace {

// The ratios drawn in advance; the icon picks the nearest one.
constexpr std::array kPixelRatios = {1, 2, 3};

using Painter = std::function<QImage(QSize physical)>;

QIcon DrawnIcon(const Painter& draw, std::initializer_list<QSize> logicalSizes) {
    QIcon icon;
    for (const QSize logical : logicalSizes) {
        for (const int ratio : kPixelRatios) {
            QImage image = draw(logical * ratio);
            image.setDevicePixelRatio(ratio);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

// A triangle whose base fills one long edge and whose apex stands at the
// middle of the other, drawn row by row so that every edge stays on whole pixels.
QImage Triangle(QSize physical, bool pointsUp) {
    QImage image(physical, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int height = physical.height();
    const int middle = physical.width() / 2;
    for (int row = 0; row < height; ++row) {
        const int fromApex = pointsUp ? row : height - 1 - row;
        const int halfWidth = (fromApex + 1) * middle / height;
        for (int x = middle - halfWidth; x < middle + halfWidth; ++x) {
            image.setPixel(x, row, qRgb(0, 0, 0));
        }
    }
    return image;
}

QImage Arrowhead(QSize physical) {
    QImage image(physical, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const qreal w = physical.width();
    const qreal h = physical.height();
    const qreal edge = std::max<qreal>(1.0, w / 16);
    const QPointF apex(0, h / 2);
    const QPointF topRight(w - edge, 0);
    const QPointF middleRight(w - edge, h / 2);
    const QPointF bottomRight(w - edge, h);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawPolygon(QPolygonF({apex, topRight, middleRight}));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({apex, middleRight, bottomRight}));
    painter.fillRect(QRectF(w - edge, 0, edge, h), QColor(0x80, 0x80, 0x80));
    return image;
}

}  // namespace

QImage StripesImage(int pixels) {
    static constexpr std::array<QRgb, 3> kStripes = {qRgb(0xFF, 0, 0), qRgb(0, 0xFF, 0),
                                                     qRgb(0, 0, 0xFF)};
    constexpr int kStripesPerIcon = 16;
    const int stripeWidth = std::max(1, pixels / kStripesPerIcon);
    QImage image(pixels, pixels, QImage::Format_RGB32);
    // One scan line, copied to the others: the icon is drawn at start-up.
    auto* first = reinterpret_cast<QRgb*>(image.scanLine(0));
    for (int x = 0; x < pixels; ++x) first[x] = kStripes[static_cast<std::size_t>((x / stripeWidth) % 3)];
    for (int y = 1; y < pixels; ++y) {
        std::copy(first, first + pixels, reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

QIcon StripesIcon() {
    return DrawnIcon([](QSize physical) { return StripesImage(physical.width()); },
                     {QSize(16, 16), QSize(32, 32), QSize(48, 48)});
}

QIcon UpTriangle() {
    return DrawnIcon([](QSize physical) { return Triangle(physical, true); }, {kTriangleSize});
}

QIcon DownTriangle() {
    return DrawnIcon([](QSize physical) { return Triangle(physical, false); }, {kTriangleSize});
}

QIcon SaveArrow() {
    return DrawnIcon(Arrowhead, {QSize(16, 16), kSaveArrowSize});
}

}  // namespace pictures

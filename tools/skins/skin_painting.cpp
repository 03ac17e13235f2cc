#include "skin_painting.h"

#include <QLinearGradient>
#include <cmath>

namespace skins {

SkinStyle styleOfSkin(int skinNumber) {
    SkinStyle style;
    style.accent = skinNumber == 2 ? QColor(0xFF, 0x3D, 0x5A) : QColor(0x1E, 0xD6, 0xFF);
    style.base = QColor(0x0B, 0x0E, 0x13);
    style.plate = QColor(0x18, 0x1D, 0x25);
    style.line = QColor(0x3C, 0x46, 0x54);
    style.icon = QColor(0x8C, 0x97, 0xA6);
    style.iconLit = QColor(0xF4, 0xF9, 0xFF);
    return style;
}

QColor withAlpha(QColor color, int alpha) {
    color.setAlpha(qBound(0, alpha, 255));
    return color;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    const auto channel = [t](int from, int to) { return qRound(from + (to - from) * t); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

QPainterPath cutRect(const QRectF& rect, qreal cut, int corners) {
    const qreal topLeft = (corners & kTopLeft) ? cut : 0;
    const qreal topRight = (corners & kTopRight) ? cut : 0;
    const qreal bottomRight = (corners & kBottomRight) ? cut : 0;
    const qreal bottomLeft = (corners & kBottomLeft) ? cut : 0;
    QPainterPath path;
    path.moveTo(rect.left() + topLeft, rect.top());
    path.lineTo(rect.right() - topRight, rect.top());
    path.lineTo(rect.right(), rect.top() + topRight);
    path.lineTo(rect.right(), rect.bottom() - bottomRight);
    path.lineTo(rect.right() - bottomRight, rect.bottom());
    path.lineTo(rect.left() + bottomLeft, rect.bottom());
    path.lineTo(rect.left(), rect.bottom() - bottomLeft);
    path.lineTo(rect.left(), rect.top() + topLeft);
    path.closeSubpath();
    return path;
}

void glowStroke(QPainter& painter, const QPainterPath& path, const QColor& color, qreal width,
                int layers) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int layer = layers; layer >= 1; --layer) {
        QPen pen(withAlpha(color, color.alpha() / (layer + 1)), width + layer * 2.2);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawPath(path);
    }
    painter.restore();
}

void fillVertical(QPainter& painter, const QPainterPath& path, const QColor& top,
                  const QColor& bottom) {
    const QRectF bounds = path.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillPath(path, gradient);
}

void drawPlate(QPainter& painter, const QPainterPath& plate, const SkinStyle& style, bool isLit,
               qreal litShare) {
    if (isLit) {
        glowStroke(painter, plate, withAlpha(style.accent, 140), 1, 2);
        fillVertical(painter, plate, mix(style.plate, style.accent, litShare),
                     mix(style.base, style.accent, litShare / 2));
        painter.setPen(QPen(mix(style.accent, style.iconLit, 0.3), 1.2));
    } else {
        fillVertical(painter, plate, style.plate, style.base);
        painter.setPen(QPen(style.line, 1));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(plate);
}

void drawFrame(QPainter& painter, const QPainterPath& frame, const QBrush& fill,
               const SkinStyle& style) {
    painter.fillPath(frame, fill);
    painter.setPen(QPen(style.line, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(frame);
}

QBrush verticalBrush(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return QBrush(gradient);
}

QPainterPath hexagon(const QPointF& centre, qreal radius, qreal firstAngle) {
    QPainterPath path;
    for (int corner = 0; corner < 6; ++corner) {
        const qreal angle = firstAngle + corner * M_PI / 3;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (corner == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QImage blankPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

void preparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

}  // namespace skins

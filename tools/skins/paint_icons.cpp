// The line icons and the small square buttons that carry them.
#include <QtMath>

#include "skin_painting.h"

namespace skins {

namespace {

// Icons are drawn in a unit square, scaled to the picture.
QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool isFirst = true;
    for (const QPointF& point : points) {
        if (isFirst)
            path.moveTo(point);
        else
            path.lineTo(point);
        isFirst = false;
    }
    return path;
}

QPainterPath circle(const QPointF& centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath gear() {
    QPainterPath path;
    const int teeth = 8;
    for (int step = 0; step < teeth * 4; ++step) {
        // Each tooth: two points out, two points in.
        const qreal angle = (step - 0.5) * M_PI * 2 / (teeth * 4);
        const qreal radius = (step % 4 < 2) ? 0.40 : 0.30;
        const QPointF point(0.5 + radius * qCos(angle), 0.5 + radius * qSin(angle));
        if (step == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    path.addEllipse(QPointF(0.5, 0.5), 0.13, 0.13);
    return path;
}

// Strokes and fills of one icon, in unit coordinates.
struct IconShape {
    QPainterPath stroked;
    QPainterPath filled;
};

IconShape iconShape(const QString& icon) {
    IconShape shape;
    QPainterPath& line = shape.stroked;
    if (icon == "add") {
        line.addPath(polyline({{0.5, 0.22}, {0.5, 0.78}}));
        line.addPath(polyline({{0.22, 0.5}, {0.78, 0.5}}));
    } else if (icon == "apply") {
        line.addPath(polyline({{0.22, 0.52}, {0.42, 0.72}, {0.78, 0.30}}));
    } else if (icon == "delete") {
        line.addPath(polyline({{0.20, 0.28}, {0.80, 0.28}}));
        line.addPath(polyline({{0.40, 0.28}, {0.42, 0.19}, {0.58, 0.19}, {0.60, 0.28}}));
        line.addPath(polyline({{0.28, 0.28}, {0.33, 0.81}, {0.67, 0.81}, {0.72, 0.28}}));
        line.addPath(polyline({{0.44, 0.40}, {0.45, 0.69}}));
        line.addPath(polyline({{0.56, 0.40}, {0.55, 0.69}}));
    } else if (icon == "record") {
        line.addPath(circle({0.5, 0.5}, 0.32));
        shape.filled.addPath(circle({0.5, 0.5}, 0.17));
    } else if (icon == "stop") {
        line.addPath(circle({0.5, 0.5}, 0.32));
        shape.filled.addRect(QRectF(0.37, 0.37, 0.26, 0.26));
    } else if (icon == "reset") {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(0.22, 0.22, 0.56, 0.56), 100);
        arc.arcTo(QRectF(0.22, 0.22, 0.56, 0.56), 100, 290);
        line.addPath(arc);
        shape.filled.addPath(polyline({{0.34, 0.12}, {0.50, 0.24}, {0.33, 0.34}}));
        shape.filled.closeSubpath();
    } else if (icon == "copy") {
        line.addRoundedRect(QRectF(0.18, 0.30, 0.40, 0.50), 0.05, 0.05);
        line.addPath(
            polyline({{0.34, 0.30}, {0.34, 0.18}, {0.82, 0.18}, {0.82, 0.66}, {0.58, 0.66}}));
    } else if (icon == "cut") {
        line.addPath(circle({0.32, 0.72}, 0.11));
        line.addPath(circle({0.68, 0.72}, 0.11));
        line.addPath(polyline({{0.38, 0.63}, {0.70, 0.18}}));
        line.addPath(polyline({{0.62, 0.63}, {0.30, 0.18}}));
    } else if (icon == "paste") {
        line.addRoundedRect(QRectF(0.24, 0.22, 0.52, 0.62), 0.05, 0.05);
        line.addRect(QRectF(0.38, 0.15, 0.24, 0.12));
        line.addPath(polyline({{0.36, 0.46}, {0.64, 0.46}}));
        line.addPath(polyline({{0.36, 0.60}, {0.64, 0.60}}));
        line.addPath(polyline({{0.36, 0.72}, {0.54, 0.72}}));
    } else if (icon == "erase") {
        line.addRoundedRect(QRectF(0.20, 0.20, 0.60, 0.60), 0.08, 0.08);
        line.addPath(polyline({{0.36, 0.36}, {0.64, 0.64}}));
        line.addPath(polyline({{0.64, 0.36}, {0.36, 0.64}}));
    } else if (icon == "keydefine") {
        line.addRoundedRect(QRectF(0.28, 0.12, 0.44, 0.76), 0.21, 0.21);
        line.addPath(polyline({{0.5, 0.12}, {0.5, 0.42}}));
        line.addPath(polyline({{0.28, 0.42}, {0.72, 0.42}}));
        shape.filled.addRoundedRect(QRectF(0.46, 0.20, 0.08, 0.12), 0.03, 0.03);
    } else if (icon == "macro") {
        line.addPath(polyline({{0.16, 0.28}, {0.58, 0.28}}));
        line.addPath(polyline({{0.16, 0.50}, {0.48, 0.50}}));
        line.addPath(polyline({{0.16, 0.72}, {0.58, 0.72}}));
        shape.filled.addPath(polyline({{0.64, 0.38}, {0.86, 0.50}, {0.64, 0.62}}));
        shape.filled.closeSubpath();
    } else if (icon == "color") {
        QPainterPath drop;
        drop.moveTo(0.5, 0.12);
        drop.cubicTo(0.62, 0.30, 0.76, 0.44, 0.76, 0.60);
        drop.cubicTo(0.76, 0.76, 0.64, 0.86, 0.5, 0.86);
        drop.cubicTo(0.36, 0.86, 0.24, 0.76, 0.24, 0.60);
        drop.cubicTo(0.24, 0.44, 0.38, 0.30, 0.5, 0.12);
        line.addPath(drop);
        line.addPath(polyline({{0.36, 0.62}, {0.40, 0.72}, {0.48, 0.76}}));
    } else if (icon == "sensor") {
        line.addPath(circle({0.5, 0.5}, 0.27));
        line.addPath(polyline({{0.5, 0.08}, {0.5, 0.30}}));
        line.addPath(polyline({{0.5, 0.70}, {0.5, 0.92}}));
        line.addPath(polyline({{0.08, 0.5}, {0.30, 0.5}}));
        line.addPath(polyline({{0.70, 0.5}, {0.92, 0.5}}));
        shape.filled.addPath(circle({0.5, 0.5}, 0.07));
    } else if (icon == "setting") {
        line.addPath(gear());
    } else if (icon == "close") {
        line.addPath(polyline({{0.32, 0.32}, {0.68, 0.68}}));
        line.addPath(polyline({{0.68, 0.32}, {0.32, 0.68}}));
    }
    return shape;
}

// A square button: a cut plate, lit with the accent on _1.
QImage iconButton(int side, const QString& icon, const SkinStyle& style, bool isLit,
                  qreal iconScale) {
    QImage picture = blankPicture(side, side);
    QPainter painter(&picture);
    preparePainter(painter);
    const QRectF plateRect(2.5, 2.5, side - 5, side - 5);
    drawPlate(painter, cutRect(plateRect, side * 0.2, kTopLeft | kBottomRight), style, isLit, 0.45);
    const qreal iconSide = side * iconScale;
    const QPointF origin((side - iconSide) / 2, (side - iconSide) / 2);
    drawIcon(painter, icon, origin, iconSide, isLit ? style.iconLit : style.icon,
             qMax(1.4, side / 18.0));
    return picture;
}

// A bare icon (the function menu's), glowing with the accent when lit.
QImage bareIcon(int side, const QString& icon, const SkinStyle& style, bool isLit) {
    QImage picture = blankPicture(side, side);
    QPainter painter(&picture);
    preparePainter(painter);
    if (isLit) {
        QImage glow = blankPicture(side, side);
        {
            QPainter glowPainter(&glow);
            preparePainter(glowPainter);
            drawIcon(glowPainter, icon, QPointF(0, 0), side, withAlpha(style.accent, 90), 5.0);
        }
        painter.drawImage(0, 0, glow);
    }
    drawIcon(painter, icon, QPointF(2, 2), side - 4, isLit ? style.accent : style.icon, 2.0);
    return picture;
}

}  // namespace

void drawIcon(QPainter& painter, const QString& icon, const QPointF& origin, qreal size,
              const QColor& color, qreal strokeWidth) {
    const IconShape shape = iconShape(icon);
    painter.save();
    painter.translate(origin);
    painter.scale(size, size);
    QPen pen(color, strokeWidth / size);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape.stroked);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(shape.filled);
    painter.restore();
}

QImage paintIconPicture(const QString& name, const SkinStyle& style, bool isLit) {
    const QString stem = name.section('/', 1).section('_', 0, 0);
    static const QStringList buttons = {"add", "apply", "delete", "record", "reset", "stop"};
    if (name.startsWith("common/") && buttons.contains(stem))
        return iconButton(36, stem, style, isLit, 0.62);
    if (name.startsWith("common/solid-")) {
        QString icon = stem.mid(6);
        if (icon == "delete") icon = "erase";
        return iconButton(28, icon, style, isLit, 0.70);
    }
    if (name.startsWith("list_up/applicationSetting"))
        return iconButton(40, "setting", style, isLit, 0.62);
    if (name.startsWith("list_up/applicationMinimize"))
        return iconButton(40, "close", style, isLit, 0.62);
    if (name.startsWith("list_fn/fn")) {
        const QString icon = stem.mid(2).toLower();
        return bareIcon(32, icon, style, isLit);
    }
    return QImage();
}

}  // namespace skins

// The shared controls: button cells and their troughs, check boxes, fields,
// lists, sliders and the colour strip.
#include "skin_painting.h"

namespace skins {

namespace {

// A cell of a button group or a text button. Corners are cut by at most 7
// pixels so the pages may stretch it as a border image with 8-pixel borders.
QImage cell(int width, int height, const SkinStyle& style, bool isLit) {
    QImage picture = blankPicture(width, height);
    QPainter painter(&picture);
    preparePainter(painter);
    drawPlate(painter, cutRect(QRectF(1.5, 1.5, width - 3, height - 3), 6, kTopLeft | kBottomRight),
              style, isLit, 0.7);
    // A highlight along the top edge.
    painter.setPen(QPen(QColor(255, 255, 255, isLit ? 70 : 18), 1));
    painter.drawLine(QPointF(8, 2.5), QPointF(width - 3, 2.5));
    return picture;
}

QImage trough(int cells, int cellWidth, const SkinStyle& style) {
    const int gap = 4;
    const int width = cells * cellWidth + (cells + 1) * gap;
    QImage picture = blankPicture(width, 36);
    QPainter painter(&picture);
    preparePainter(painter);
    const QPainterPath body = cutRect(QRectF(0.5, 0.5, width - 1, 35), 8, kTopLeft | kBottomRight);
    fillVertical(painter, body, QColor(0x06, 0x08, 0x0B, 230), QColor(0x10, 0x14, 0x1A, 230));
    painter.setPen(QPen(style.line, 1));
    painter.drawPath(body);
    painter.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int index = 0; index < cells; ++index) {
        const qreal x = gap + index * (cellWidth + gap) + 0.5;
        painter.drawPath(cutRect(QRectF(x, 4.5, cellWidth - 1, 27), 6, kTopLeft | kBottomRight));
    }
    return picture;
}

QImage checkbox(const SkinStyle& style, bool isLit) {
    QImage picture = blankPicture(20, 20);
    QPainter painter(&picture);
    preparePainter(painter);
    const QPainterPath box = cutRect(QRectF(2.5, 2.5, 15, 15), 4, kTopLeft | kBottomRight);
    painter.fillPath(box, QColor(0x08, 0x0A, 0x0E));
    painter.setPen(QPen(isLit ? style.accent : style.line, 1.3));
    painter.drawPath(box);
    if (isLit) {
        const QPainterPath mark = cutRect(QRectF(6, 6, 8, 8), 2, kTopLeft | kBottomRight);
        glowStroke(painter, mark, withAlpha(style.accent, 160), 1, 2);
        painter.fillPath(mark, style.accent);
    }
    return picture;
}

QImage inputField(const SkinStyle& style) {
    QImage picture = blankPicture(72, 24);
    QPainter painter(&picture);
    preparePainter(painter);
    drawFrame(painter, cutRect(QRectF(0.5, 0.5, 71, 23), 5, kTopLeft | kBottomRight),
              QColor(0x07, 0x09, 0x0C, 235), style);
    painter.fillRect(QRectF(4, 21, 64, 1.5), withAlpha(style.accent, 170));
    return picture;
}

QImage separator(const SkinStyle& style) {
    QImage picture = blankPicture(320, 2);
    QPainter painter(&picture);
    QLinearGradient line(0, 0, 320, 0);
    line.setColorAt(0, withAlpha(style.line, 0));
    line.setColorAt(0.5, mix(style.line, style.accent, 0.5));
    line.setColorAt(1, withAlpha(style.line, 0));
    painter.fillRect(QRectF(0, 0, 320, 1), line);
    painter.fillRect(QRectF(0, 1, 320, 1), QColor(0, 0, 0, 90));
    return picture;
}

// The strip the colour picker maps: the stops are the picker's bands, so
// the gradient fills the whole picture edge to edge.
QImage palette() {
    QImage picture = blankPicture(20, 160);
    QPainter painter(&picture);
    const QColor stops[] = {Qt::black, Qt::red,     Qt::yellow, Qt::green, Qt::cyan,
                            Qt::blue,  Qt::magenta, Qt::white,  Qt::black};
    QLinearGradient strip(0, 0, 0, 160);
    for (int index = 0; index < 9; ++index) strip.setColorAt(index * 0.125, stops[index]);
    painter.fillRect(QRectF(0, 0, 20, 160), strip);
    painter.fillRect(QRectF(0, 0, 1, 160), QColor(0, 0, 0, 120));
    painter.fillRect(QRectF(19, 0, 1, 160), QColor(0, 0, 0, 120));
    return picture;
}

QImage paletteMarker(const SkinStyle& style) {
    QImage picture = blankPicture(28, 9);
    QPainter painter(&picture);
    preparePainter(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.iconLit);
    painter.drawPolygon(QPolygonF({{0, 0}, {4.5, 4.5}, {0, 9}}));
    painter.drawPolygon(QPolygonF({{28, 0}, {23.5, 4.5}, {28, 9}}));
    painter.fillRect(QRectF(4, 4, 20, 1), withAlpha(style.iconLit, 200));
    painter.setBrush(style.accent);
    painter.drawPolygon(QPolygonF({{0, 2}, {2.5, 4.5}, {0, 7}}));
    painter.drawPolygon(QPolygonF({{28, 2}, {25.5, 4.5}, {28, 7}}));
    return picture;
}

QImage listBase(const SkinStyle& style) {
    QImage picture = blankPicture(220, 300);
    QPainter painter(&picture);
    preparePainter(painter);
    const QRectF rect(0.5, 0.5, 219, 299);
    drawFrame(painter, cutRect(rect, 10, kTopLeft | kBottomRight),
              verticalBrush(rect, QColor(0x07, 0x09, 0x0C, 225), QColor(0x0F, 0x13, 0x19, 225)),
              style);
    painter.fillRect(QRectF(10, 0.5, 60, 1.5), style.accent);
    return picture;
}

QImage fileListFrame(const SkinStyle& style) {
    QImage picture = blankPicture(200, 30);
    QPainter painter(&picture);
    preparePainter(painter);
    const QRectF rect(0.5, 0.5, 199, 29);
    drawFrame(painter, cutRect(rect, 6, kTopLeft | kBottomRight),
              verticalBrush(rect, QColor(0x1A, 0x20, 0x29), QColor(0x0E, 0x12, 0x17)), style);
    // The drop-down arrow at the right end.
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.accent);
    painter.drawPolygon(QPolygonF({{178, 12}, {188, 12}, {183, 18}}));
    painter.fillRect(QRectF(168, 6, 1, 18), style.line);
    return picture;
}

QImage textButtonFrame(const SkinStyle& style) {
    QImage picture = blankPicture(120, 32);
    QPainter painter(&picture);
    preparePainter(painter);
    drawFrame(painter, cutRect(QRectF(0.5, 0.5, 119, 31), 7, kTopLeft | kBottomRight),
              QColor(0x10, 0x14, 0x1A, 200), style);
    painter.fillRect(QRectF(8, 30, 30, 1.5), withAlpha(style.accent, 200));
    return picture;
}

QImage twoButtonFrame(const SkinStyle& style) {
    QImage picture = blankPicture(96, 44);
    QPainter painter(&picture);
    preparePainter(painter);
    drawFrame(painter, cutRect(QRectF(0.5, 0.5, 95, 43), 8, kTopRight | kBottomLeft),
              QColor(0x0A, 0x0D, 0x11, 210), style);
    painter.fillRect(QRectF(47.5, 8, 1, 28), style.line);
    return picture;
}

// Sliders: steps of 28 pixels. The filler is the lit track; the slider
// shows it up to the selected step.
QImage sliderTrack(int steps, const SkinStyle& style, int kind) {
    const int width = steps * 28;
    QImage picture = blankPicture(width, 14);
    QPainter painter(&picture);
    preparePainter(painter);
    for (int step = 0; step < steps; ++step) {
        const QRectF segment(step * 28 + 1.5, 3.5, 25, 7);
        const QPainterPath shape = cutRect(segment, 3, kTopLeft | kBottomRight);
        if (kind == 0) {
            painter.fillPath(shape, QColor(0x06, 0x08, 0x0B, 235));
            painter.setPen(QPen(style.line, 1));
            painter.drawPath(shape);
        } else {
            // Brighter towards the end of the track.
            const qreal t = 0.45 + 0.55 * step / qMax(1, steps - 1);
            const QColor lit = kind == 2 ? mix(style.accent, style.iconLit, 0.25 * t)
                                         : withAlpha(style.accent, qRound(90 + 90 * t));
            if (kind == 2) glowStroke(painter, shape, withAlpha(style.accent, 120), 1, 2);
            painter.fillPath(shape, lit);
        }
    }
    return picture;
}

}  // namespace

QImage paintControlPicture(const QString& name, const SkinStyle& style, bool isLit) {
    if (name.startsWith("common/btnGroup_FILLER_")) return cell(80, 28, style, isLit);
    if (name.startsWith("common/btnGroup2_FILLER_")) return cell(64, 28, style, isLit);
    if (name == "common/btnGroup_4_BASE") return trough(4, 80, style);
    if (name == "common/btnGroup_8_BASE") return trough(8, 64, style);
    if (name.startsWith("common/checkbox_")) return checkbox(style, isLit);
    if (name == "common/draw_inputValue") return inputField(style);
    if (name == "common/draw_line") return separator(style);
    if (name == "common/draw_palette") return palette();
    if (name == "common/draw_paletteIndex") return paletteMarker(style);
    if (name == "common/filelist_BASE") return listBase(style);
    if (name == "common/btnFileListFrame") return fileListFrame(style);
    if (name == "common/btnFrame") return textButtonFrame(style);
    if (name == "common/fram_2btn") return twoButtonFrame(style);
    if (name == "common/slider_BASE") return sliderTrack(8, style, 0);
    if (name == "common/slider_11_BASE") return sliderTrack(11, style, 0);
    if (name.startsWith("common/slider_FILLER_")) return sliderTrack(8, style, isLit ? 2 : 1);
    if (name.startsWith("common/slider_11_FILLER_")) return sliderTrack(11, style, isLit ? 2 : 1);
    return QImage();
}

}  // namespace skins

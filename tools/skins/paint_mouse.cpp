// The mouse seen from above, front up: the key-definition page puts its
// button markers on it, the colour page tints its lighting zones. Button
// centres and zones are the tables of skin_pictures.h.
#include "skin_painting.h"
#include "skin_pictures.h"

namespace skins {

namespace {

QPainterPath mouseBody() {
    QPainterPath body;
    body.moveTo(140, 22);
    body.cubicTo(190, 22, 226, 40, 230, 100);
    body.cubicTo(234, 170, 228, 230, 236, 290);
    body.cubicTo(242, 350, 200, 384, 140, 384);
    body.cubicTo(80, 384, 38, 350, 44, 290);
    body.cubicTo(52, 230, 46, 170, 50, 100);
    body.cubicTo(54, 40, 90, 22, 140, 22);
    body.closeSubpath();
    return body;
}

// Everything in front of the seam between the buttons and the palm.
QPainterPath frontPart() {
    QPainterPath front;
    front.moveTo(0, 0);
    front.lineTo(280, 0);
    front.lineTo(280, 146);
    front.quadTo(140, 162, 0, 146);
    front.closeSubpath();
    return front;
}

QPainterPath rectPath(const QRectF& rect, qreal radius = 0) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QRectF keyAround(const ButtonCentre& centre, qreal width, qreal height) {
    return QRectF(centre.x - width / 2, centre.y - height / 2, width, height);
}

void drawShell(QPainter& painter, const SkinStyle& style) {
    const QPainterPath body = mouseBody();
    // A soft shadow under the body.
    painter.save();
    painter.translate(0, 6);
    painter.fillPath(body, QColor(0, 0, 0, 90));
    painter.restore();
    QLinearGradient shell(60, 30, 220, 390);
    shell.setColorAt(0, QColor(0x2C, 0x33, 0x3E));
    shell.setColorAt(0.5, QColor(0x1A, 0x1F, 0x27));
    shell.setColorAt(1, QColor(0x0E, 0x11, 0x16));
    painter.fillPath(body, shell);

    // The two main buttons, a shade lighter, with seams around them.
    const QPainterPath front = frontPart().intersected(body);
    const QPainterPath left = front.intersected(rectPath(QRectF(0, 0, 126, 400)));
    const QPainterPath right = front.intersected(rectPath(QRectF(154, 0, 126, 400)));
    for (const QPainterPath& button : {left, right}) {
        fillVertical(painter, button, QColor(0x34, 0x3C, 0x48), QColor(0x20, 0x26, 0x2F));
        painter.setPen(QPen(QColor(0x05, 0x06, 0x08), 1.6));
        painter.drawPath(button);
    }
    // Wheel slot and wheel, with the up and down marks.
    painter.fillPath(rectPath(QRectF(126, 48, 28, 104), 11), QColor(0x05, 0x06, 0x08));
    const QPainterPath wheel = rectPath(QRectF(131, 56, 18, 88), 8);
    fillVertical(painter, wheel, QColor(0x44, 0x4C, 0x58), QColor(0x22, 0x27, 0x2F));
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1));
    for (int y = 76; y <= 124; y += 6) painter.drawLine(QPointF(133, y), QPointF(147, y));
    painter.setPen(QPen(style.icon, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const ButtonCentre up = kMouseButtonCentres[14];
    const ButtonCentre down = kMouseButtonCentres[15];
    painter.drawPolyline(
        QPolygonF({{up.x - 4.0, up.y + 2.0}, {up.x + 0.0, up.y - 2.0}, {up.x + 4.0, up.y + 2.0}}));
    painter.drawPolyline(QPolygonF({{down.x - 4.0, down.y - 2.0},
                                    {down.x + 0.0, down.y + 2.0},
                                    {down.x + 4.0, down.y - 2.0}}));

    // The two top buttons behind the wheel.
    for (int index : {5, 6}) {
        const QPainterPath key = rectPath(keyAround(kMouseButtonCentres[index], 24, 16), 5);
        fillVertical(painter, key, QColor(0x3A, 0x42, 0x4E), QColor(0x20, 0x25, 0x2D));
        painter.setPen(QPen(QColor(0x05, 0x06, 0x08), 1.4));
        painter.drawPath(key);
    }
    // The side pad: nine keys on the left flank.
    const QPainterPath pad = rectPath(QRectF(63, 199, 74, 78), 9);
    painter.fillPath(pad, QColor(0x07, 0x09, 0x0C, 220));
    for (int index : {3, 4, 7, 8, 9, 10, 11, 12, 13}) {
        const QPainterPath key = rectPath(keyAround(kMouseButtonCentres[index], 18, 18), 4);
        fillVertical(painter, key, QColor(0x36, 0x3E, 0x4A), QColor(0x1C, 0x21, 0x28));
        painter.setPen(QPen(withAlpha(style.accent, 70), 1));
        painter.drawPath(key);
    }
    // A glint along the shell and the outline.
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1.2));
    QPainterPath glint;
    glint.moveTo(70, 70);
    glint.cubicTo(60, 120, 58, 170, 60, 190);
    painter.drawPath(glint);
    painter.setPen(QPen(style.line, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
}

QPainterPath palmHexagon(qreal radius) {
    return hexagon(QPointF(140, 310), radius, 0);
}

QImage keyDefineModel(const SkinStyle& style) {
    QImage picture = blankPicture(280, 400);
    QPainter painter(&picture);
    preparePainter(painter);
    drawShell(painter, style);
    painter.setPen(QPen(withAlpha(style.accent, 150), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(palmHexagon(15));
    // Accent rims along both flanks.
    QPainterPath rims;
    rims.moveTo(50, 160);
    rims.cubicTo(48, 200, 50, 240, 48, 280);
    rims.moveTo(230, 160);
    rims.cubicTo(232, 200, 230, 240, 232, 280);
    glowStroke(painter, rims, withAlpha(style.accent, 90), 1, 2);
    painter.setPen(QPen(withAlpha(style.accent, 170), 1.4));
    painter.drawPath(rims);
    return picture;
}

// The lighting zones glow neutral white, so a tint the page lays over them
// shows in its own colour.
QImage colorModel(const SkinStyle& style) {
    QImage picture = blankPicture(280, 400);
    QPainter painter(&picture);
    preparePainter(painter);
    drawShell(painter, style);
    const QColor light(0xF0, 0xF4, 0xFA);
    QPainterPath zones;
    zones.addRoundedRect(QRectF(126, 48, 28, 104), 11, 11);
    glowStroke(painter, zones, withAlpha(light, 150), 1.5, 4);
    painter.setPen(QPen(light, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(zones);
    const QPainterPath hexagon = palmHexagon(16);
    glowStroke(painter, hexagon, withAlpha(light, 160), 2, 4);
    painter.fillPath(hexagon, withAlpha(light, 220));
    for (int index : {2, 3}) {
        const Zone zone = kColorZones[index];
        const QPainterPath strip =
            rectPath(QRectF(zone.x, zone.y, zone.width, zone.height), zone.width / 2.0);
        glowStroke(painter, strip, withAlpha(light, 130), 1, 4);
        painter.fillPath(strip, withAlpha(light, 200));
    }
    return picture;
}

}  // namespace

QImage paintMousePicture(const QString& name, const SkinStyle& style) {
    if (name == "model_ms/model_Q4_KeyDefine") return keyDefineModel(style);
    if (name == "model_ms/model_Q4_Color") return colorModel(style);
    return QImage();
}

}  // namespace skins

// The window's body and frame, the bars, the menus' plates, the page
// backgrounds and the logo.
#include <QFont>
#include <QRadialGradient>

#include "skin_painting.h"

namespace skins {

namespace {

const QRectF kBodyRect(6, 6, 988, 588);
const qreal kBodyCut = 22;

QImage background(const SkinStyle& style) {
    QImage picture = blankPicture(1000, 600);
    QPainter painter(&picture);
    preparePainter(painter);
    const QPainterPath body = cutRect(kBodyRect, kBodyCut);
    fillVertical(painter, body, QColor(0x14, 0x19, 0x21, 246), QColor(0x08, 0x0A, 0x0E, 246));
    painter.setClipPath(body);
    // Fine diagonal hatching, barely there.
    painter.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (int x = -600; x < 1000; x += 14) painter.drawLine(x, 600, x + 600, 0);
    // The accent light behind the logo and a second, fainter one below.
    QRadialGradient top(500, 40, 420);
    top.setColorAt(0, withAlpha(style.accent, 46));
    top.setColorAt(1, withAlpha(style.accent, 0));
    painter.fillRect(QRectF(0, 0, 1000, 600), top);
    QRadialGradient bottom(500, 640, 520);
    bottom.setColorAt(0, withAlpha(style.accent, 22));
    bottom.setColorAt(1, withAlpha(style.accent, 0));
    painter.fillRect(QRectF(0, 0, 1000, 600), bottom);
    // A dot grid over the page area.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 16));
    for (int y = 84; y < 560; y += 16)
        for (int x = 24; x < 980; x += 16) painter.drawEllipse(QPointF(x, y), 0.7, 0.7);
    return picture;
}

QImage frame(const SkinStyle& style) {
    QImage picture = blankPicture(1000, 600);
    QPainter painter(&picture);
    preparePainter(painter);
    const QPainterPath body = cutRect(kBodyRect, kBodyCut);
    painter.setPen(QPen(style.line, 1.6));
    painter.drawPath(body);
    painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
    painter.drawPath(cutRect(kBodyRect.adjusted(5, 5, -5, -5), kBodyCut - 2));
    // Accent brackets on the four cut corners.
    const qreal cut = kBodyCut;
    const qreal left = kBodyRect.left(), right = kBodyRect.right();
    const qreal top = kBodyRect.top(), bottom = kBodyRect.bottom();
    QPainterPath brackets;
    brackets.moveTo(left, top + cut + 40);
    brackets.lineTo(left, top + cut);
    brackets.lineTo(left + cut, top);
    brackets.lineTo(left + cut + 60, top);
    brackets.moveTo(right - cut - 60, top);
    brackets.lineTo(right - cut, top);
    brackets.lineTo(right, top + cut);
    brackets.lineTo(right, top + cut + 40);
    brackets.moveTo(right, bottom - cut - 40);
    brackets.lineTo(right, bottom - cut);
    brackets.lineTo(right - cut, bottom);
    brackets.lineTo(right - cut - 60, bottom);
    brackets.moveTo(left + cut + 60, bottom);
    brackets.lineTo(left + cut, bottom);
    brackets.lineTo(left, bottom - cut);
    brackets.lineTo(left, bottom - cut - 40);
    glowStroke(painter, brackets, withAlpha(style.accent, 140), 1.5, 3);
    painter.setPen(QPen(style.accent, 2.0));
    painter.drawPath(brackets);
    return picture;
}

QImage decoration(const SkinStyle& style, bool isRight) {
    QImage picture = blankPicture(120, 24);
    QPainter painter(&picture);
    preparePainter(painter);
    if (isRight) {
        painter.translate(120, 0);
        painter.scale(-1, 1);
    }
    // Chevrons that fade away from the logo, over a thin rail.
    QLinearGradient rail(0, 0, 120, 0);
    rail.setColorAt(0, withAlpha(style.line, 0));
    rail.setColorAt(1, style.line);
    painter.fillRect(QRectF(0, 17, 120, 1), rail);
    painter.setPen(Qt::NoPen);
    for (int index = 0; index < 6; ++index) {
        const qreal x = 44 + index * 12;
        QPainterPath chevron;
        chevron.moveTo(x, 4);
        chevron.lineTo(x + 6, 4);
        chevron.lineTo(x + 12, 12);
        chevron.lineTo(x + 6, 20);
        chevron.lineTo(x, 20);
        chevron.lineTo(x + 6, 12);
        chevron.closeSubpath();
        painter.setBrush(withAlpha(style.accent, 40 + index * 36));
        painter.drawPath(chevron);
    }
    return picture;
}

QImage logo(const SkinStyle& style, bool isLit) {
    QImage picture = blankPicture(180, 48);
    QPainter painter(&picture);
    preparePainter(painter);
    const QPainterPath emblem = hexagon(QPointF(34, 24), 19, M_PI / 6);
    const QPainterPath inner = hexagon(QPointF(34, 24), 10, M_PI / 6);
    if (isLit) glowStroke(painter, emblem, withAlpha(style.accent, 200), 2, 4);
    painter.setPen(QPen(style.accent, 2.4));
    painter.setBrush(isLit ? withAlpha(style.accent, 70) : withAlpha(style.base, 200));
    painter.drawPath(emblem);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isLit ? style.iconLit : style.accent);
    painter.drawPath(inner);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(34);
    QPainterPath letters;
    letters.addText(QPointF(62, 38), font, QStringLiteral("Q4"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setBold(true);
    small.setPixelSize(9);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    QPainterPath caption;
    caption.addText(QPointF(118, 22), small, QStringLiteral("GAMING"));
    caption.addText(QPointF(118, 35), small, QStringLiteral("MOUSE"));
    if (isLit) glowStroke(painter, letters, withAlpha(style.accent, 170), 1, 4);
    fillVertical(painter, letters, style.iconLit, isLit ? style.accent : QColor(0xA8, 0xB4, 0xC2));
    painter.fillPath(caption, isLit ? style.iconLit : style.icon);
    return picture;
}

// The top and bottom bars: the window's cut corners on the outer side, and
// on the side towards the pages an edge with a step at the logo's section
// (down under the logo at the top, up in the middle at the bottom).
QImage bar(const SkinStyle& style, bool isTop) {
    QImage picture = blankPicture(1000, 56);
    QPainter painter(&picture);
    preparePainter(painter);
    const qreal edgeY = isTop ? 46 : 10;
    const qreal stepY = isTop ? 55 : 1;
    const qreal outerY = isTop ? 6 : 50;
    const qreal cutY = isTop ? outerY + kBodyCut : outerY - kBodyCut;
    QPainterPath edge;
    edge.moveTo(6, edgeY);
    edge.lineTo(374, edgeY);
    edge.lineTo(384, stepY);
    edge.lineTo(616, stepY);
    edge.lineTo(626, edgeY);
    edge.lineTo(994, edgeY);
    QPainterPath body = edge;
    body.lineTo(994, cutY);
    body.lineTo(994 - kBodyCut, outerY);
    body.lineTo(6 + kBodyCut, outerY);
    body.lineTo(6, cutY);
    body.closeSubpath();
    const QColor light(0x1C, 0x22, 0x2C, 235), dark(0x0E, 0x12, 0x18, 235);
    fillVertical(painter, body, isTop ? light : dark, isTop ? dark : light);
    glowStroke(painter, edge, withAlpha(style.accent, 90), 1, 3);
    painter.setPen(QPen(withAlpha(style.accent, 200), 1.2));
    painter.drawPath(edge);
    if (!isTop) {
        // Grip marks in the middle section.
        painter.setPen(QPen(style.line, 2));
        for (int x = 470; x <= 530; x += 10) painter.drawLine(QPointF(x, 22), QPointF(x + 6, 30));
    }
    return picture;
}

QImage functionButton(const SkinStyle& style, bool isLit) {
    QImage picture = blankPicture(150, 48);
    QPainter painter(&picture);
    preparePainter(painter);
    const QPainterPath plate = cutRect(QRectF(2.5, 4.5, 145, 39), 12, kTopLeft | kBottomRight);
    if (isLit) {
        glowStroke(painter, plate, withAlpha(style.accent, 120), 1, 3);
        QLinearGradient fill(0, 0, 150, 0);
        fill.setColorAt(0, mix(style.plate, style.accent, 0.55));
        fill.setColorAt(1, mix(style.base, style.accent, 0.12));
        painter.fillPath(plate, fill);
        painter.setPen(QPen(style.accent, 1.3));
    } else {
        fillVertical(painter, plate, withAlpha(style.plate, 230), withAlpha(style.base, 230));
        painter.setPen(QPen(style.line, 1));
    }
    painter.drawPath(plate);
    // The marker bar on the left.
    painter.fillRect(QRectF(7, 14, 3, 20), isLit ? style.iconLit : withAlpha(style.accent, 110));
    return picture;
}

QImage profileColumn(const SkinStyle& style) {
    QImage picture = blankPicture(64, 420);
    QPainter painter(&picture);
    preparePainter(painter);
    const QRectF rect(4.5, 1.5, 55, 417);
    drawFrame(painter, cutRect(rect, 14, kTopLeft | kBottomRight),
              verticalBrush(rect, QColor(0x16, 0x1B, 0x23, 215), QColor(0x0B, 0x0E, 0x13, 215)),
              style);
    painter.setPen(QPen(style.accent, 2));
    painter.drawLine(QPointF(20, 1.5), QPointF(56, 1.5));
    painter.drawLine(QPointF(8, 418.5), QPointF(44, 418.5));
    return picture;
}

QImage profileButton(const SkinStyle& style, bool isLit) {
    QImage picture = blankPicture(48, 34);
    QPainter painter(&picture);
    preparePainter(painter);
    drawPlate(painter, cutRect(QRectF(2.5, 2.5, 43, 29), 8, kTopRight | kBottomLeft), style, isLit,
              0.6);
    return picture;
}

// The four function pages share one plate; each carries its own faint
// watermark icon in the corner.
QImage pageBackground(const SkinStyle& style, const QString& watermark) {
    QImage picture = blankPicture(759, 442);
    QPainter painter(&picture);
    preparePainter(painter);
    const QPainterPath plate = cutRect(QRectF(1.5, 1.5, 756, 439), 24, kTopLeft | kBottomRight);
    fillVertical(painter, plate, QColor(0x12, 0x17, 0x1E, 220), QColor(0x09, 0x0B, 0x0F, 220));
    painter.save();
    painter.setClipPath(plate);
    painter.setPen(QPen(QColor(255, 255, 255, 9), 1));
    for (int x = 24; x < 759; x += 24) painter.drawLine(x, 0, x, 442);
    for (int y = 24; y < 442; y += 24) painter.drawLine(0, y, 759, y);
    if (!watermark.isEmpty())
        drawIcon(painter, watermark, QPointF(520, 210), 220, QColor(255, 255, 255, 12), 6);
    painter.restore();
    painter.setPen(QPen(style.line, 1));
    painter.drawPath(plate);
    QPainterPath ticks;
    ticks.moveTo(1.5, 70);
    ticks.lineTo(1.5, 25.5);
    ticks.lineTo(25.5, 1.5);
    ticks.lineTo(110, 1.5);
    ticks.moveTo(757.5, 372);
    ticks.lineTo(757.5, 416.5);
    ticks.lineTo(733.5, 440.5);
    ticks.lineTo(649, 440.5);
    glowStroke(painter, ticks, withAlpha(style.accent, 120), 1, 2);
    painter.setPen(QPen(style.accent, 2));
    painter.drawPath(ticks);
    return picture;
}

QImage settingsPanel(const SkinStyle& style) {
    QImage picture = blankPicture(340, 420);
    QPainter painter(&picture);
    preparePainter(painter);
    const QRectF rect(1.5, 1.5, 337, 417);
    drawFrame(painter, cutRect(rect, 18, kTopRight | kBottomLeft),
              verticalBrush(rect, QColor(0x17, 0x1C, 0x24, 248), QColor(0x0C, 0x0F, 0x14, 248)),
              style);
    painter.fillRect(QRectF(1.5, 1.5, 3, 398), withAlpha(style.accent, 200));
    QLinearGradient underline(0, 0, 340, 0);
    underline.setColorAt(0, withAlpha(style.accent, 0));
    underline.setColorAt(0.5, withAlpha(style.accent, 200));
    underline.setColorAt(1, withAlpha(style.accent, 0));
    painter.fillRect(QRectF(20, 36, 300, 1), underline);
    return picture;
}

}  // namespace

QImage paintFramePicture(const QString& name, const SkinStyle& style, bool isLit) {
    if (name == "background") return background(style);
    if (name == "frame/frameBackground") return frame(style);
    if (name == "frame/decoration1") return decoration(style, false);
    if (name == "frame/decoration2") return decoration(style, true);
    if (name.startsWith("frame/web_")) return logo(style, isLit);
    if (name == "list_up/listUpContainer") return bar(style, true);
    if (name == "list_dn/listDnContainer") return bar(style, false);
    if (name.startsWith("list_fn/listFnBtn_")) return functionButton(style, isLit);
    if (name == "list_pf/listPfContainer") return profileColumn(style);
    if (name.startsWith("list_pf/profileFW_")) return profileButton(style, isLit);
    if (name == "list_center/fnKeydefineBackground") return pageBackground(style, "keydefine");
    if (name == "list_center/fnMacroBackground") return pageBackground(style, "macro");
    if (name == "list_center/fnColorBackground") return pageBackground(style, "color");
    if (name == "list_center/fnCommonBackground") return pageBackground(style, "sensor");
    if (name == "list_center/globalsettingBackground") return settingsPanel(style);
    return QImage();
}

}  // namespace skins

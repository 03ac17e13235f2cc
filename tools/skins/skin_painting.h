#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

// Shared drawing of the skin pictures: one look (dark plates, thin lines,
// cut corners) with one accent colour per skin.
namespace skins {

struct SkinStyle {
    QColor accent;   // the skin's one accent colour
    QColor base;     // darkest body colour
    QColor plate;    // raised plates
    QColor line;     // idle outlines
    QColor icon;     // idle icons and marks
    QColor iconLit;  // icons on a lit plate
};

// Skin 1 is cyan, skin 2 crimson; everything else is shared.
SkinStyle styleOfSkin(int skinNumber);

// A colour with another alpha (0 to 255).
QColor withAlpha(QColor color, int alpha);
// Mixes a into b: t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, qreal t);

// A rectangle with its corners cut at 45 degrees; corners is a mask of
// kTopLeft, kTopRight, kBottomRight, kBottomLeft.
enum Corner { kTopLeft = 1, kTopRight = 2, kBottomRight = 4, kBottomLeft = 8, kAllCorners = 15 };
QPainterPath cutRect(const QRectF& rect, qreal cut, int corners = kAllCorners);

// A soft glow along a path: wide faint strokes under the path.
void glowStroke(QPainter& painter, const QPainterPath& path, const QColor& color, qreal width,
                int layers = 4);
// Fills a path with a vertical gradient.
void fillVertical(QPainter& painter, const QPainterPath& path, const QColor& top,
                  const QColor& bottom);

// A raised plate: idle in the dark plate colours with a line outline; lit,
// filled towards the accent by litShare (0 to 1) with a glow around it.
void drawPlate(QPainter& painter, const QPainterPath& plate, const SkinStyle& style, bool isLit,
               qreal litShare);
// A flat frame: the fill with a line-coloured outline.
void drawFrame(QPainter& painter, const QPainterPath& frame, const QBrush& fill,
               const SkinStyle& style);
// A vertical gradient brush over the rectangle.
QBrush verticalBrush(const QRectF& rect, const QColor& top, const QColor& bottom);
// A regular hexagon, its first corner at firstAngle (radians, clockwise
// from the right).
QPainterPath hexagon(const QPointF& centre, qreal radius, qreal firstAngle);

// A transparent picture with antialiased painting ready.
QImage blankPicture(int width, int height);
void preparePainter(QPainter& painter);

// The picture painters, one per family. Each returns a null image for a
// name it does not draw. isLit is true for the _1 pictures.
QImage paintFramePicture(const QString& name, const SkinStyle& style, bool isLit);
QImage paintControlPicture(const QString& name, const SkinStyle& style, bool isLit);
QImage paintIconPicture(const QString& name, const SkinStyle& style, bool isLit);
QImage paintMousePicture(const QString& name, const SkinStyle& style);

// A line icon (names: add, apply, delete, record, reset, stop, copy, cut,
// paste, erase, keydefine, macro, color, sensor, setting, close) drawn with
// the given pen colour into the square of side size at origin.
void drawIcon(QPainter& painter, const QString& icon, const QPointF& origin, qreal size,
              const QColor& color, qreal strokeWidth);

}  // namespace skins

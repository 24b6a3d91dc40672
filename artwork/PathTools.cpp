// Path geometry for the artwork; the logo builds its marks from these.
#include "artwork/PathTools.h"

#include <QFont>
#include <QTransform>
#include <QtGlobal>

namespace zarvelo::artwork {

// Qt's path set operations flatten curves at a fixed tolerance, so they run at a large scale.
QPainterPath Combine(const QPainterPath& a, PathOp op, const QPainterPath& b) {
    constexpr qreal kFine = 16.0;
    const QTransform up = QTransform::fromScale(kFine, kFine);
    const QPainterPath fa = up.map(a), fb = up.map(b);
    const QPainterPath out = op == PathOp::Unite       ? fa.united(fb)
                             : op == PathOp::Intersect ? fa.intersected(fb)
                                                       : fa.subtracted(fb);
    return QTransform::fromScale(1 / kFine, 1 / kFine).map(out);
}

// Whatever the font metrics turn out to be, the path ends up the size of the box.
QPainterPath FittedInto(const QPainterPath& path, const QRectF& box) {
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return path;
    const qreal s = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

QPainterPath TextPath(const QString& text, const QString& family, int weight) {
    QFont font(family);
    font.setPixelSize(100);
    font.setWeight(static_cast<QFont::Weight>(weight));
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

}  // namespace zarvelo::artwork

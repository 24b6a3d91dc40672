// A persistent drawing surface for a table widget: a backing image at the widget's pixel ratio.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace zarvelo::cardlib {

class TableSurface {
public:
    // The surface follows the pixel ratio of the view's screen, or keeps fixedRatio when that is
    // given (pictures made off screen, tests of other ratios).
    TableSurface(QWidget* view, QSize logicalSize, qreal fixedRatio = 0);

    QWidget* view() const { return view_; }
    QSize logicalSize() const { return logicalSize_; }
    const QImage& image() const { return image_; }

    // Where the table's origin falls between device pixels of the window, less than half a pixel
    // either way; whole ratios and most positions give none.
    QPointF phase() const { return phase_; }

    // Follows the pixel ratio of the screen the view is on and the view's place in its window;
    // returns true when the image was made anew (its old contents are gone and the table must be
    // painted again).
    bool syncPixelRatio();

    // Fills the whole surface, or one rectangle of it, with the table colour.
    void clear();
    void clearRect(const QRect& area);

    // Paints with a painter in logical pixels and shows the changed rectangle. The painter
    // carries the phase, so device pixels of the image are device pixels of the window.
    template <typename PaintFn>
    void paint(const QRect& changed, PaintFn&& fn) {
        syncPixelRatio();
        {
            QPainter painter(&image_);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(phase_ / image_.devicePixelRatio());
            fn(painter);
        }
        markChanged(changed);
    }

    // Copies the part of the image under a logical rectangle of the view onto the view's
    // painter, pixel for pixel.
    void show(QPainter& painter, const QRect& area) const;

private:
    void markChanged(const QRect& changed);

    QPointer<QWidget> view_;
    QSize logicalSize_;
    QImage image_;
    QPointF phase_;
    qreal fixedRatio_;
};

}  // namespace zarvelo::cardlib

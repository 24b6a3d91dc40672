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
    TableSurface(QWidget* view, QSize logicalSize);

    QWidget* view() const { return view_; }
    QSize logicalSize() const { return logicalSize_; }
    const QImage& image() const { return image_; }

    // Follows the pixel ratio of the screen the view is on; returns true when the image was made
    // anew (its old contents are gone and the table must be painted again).
    bool syncPixelRatio();

    // Fills the whole surface, or one rectangle of it, with the table colour.
    void clear();
    void clearRect(const QRect& area);

    // Paints with a painter in logical pixels and shows the changed rectangle.
    template <typename PaintFn>
    void paint(const QRect& changed, PaintFn&& fn) {
        syncPixelRatio();
        {
            QPainter painter(&image_);
            painter.setRenderHint(QPainter::Antialiasing);
            fn(painter);
        }
        markChanged(changed);
    }

private:
    void markChanged(const QRect& changed);

    QPointer<QWidget> view_;
    QSize logicalSize_;
    QImage image_;
};

}  // namespace zarvelo::cardlib

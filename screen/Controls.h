// The small widgets the forms are built from: labels, captioned frames, outlines, suit pictures.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <functional>

#include "platform/SmallPrint.h"

namespace zarvelo {

// A label with a transparent background that keeps clicks to itself, as a label control does.
// Text is laid out from the label's top edge with no extra margin, so a small font fits rows
// as tight as the table's 8-pixel pitch. Wrapped text breaks between phrases where it can.
class Label : public QLabel {
public:
    explicit Label(QWidget* parent);
    // QLabel's, and then the watcher of the text, if there is one, is told of a change.
    void setText(const QString& text);
    // The one watcher of the text's changes: assistive technology announces them.
    void setTextWatcher(std::function<void()> watcher);
    // What a screen reader reads for the label, worked out when asked; empty: its own text.
    void setSpokenName(std::function<QString()> name) { spokenName_ = std::move(name); }
    const std::function<QString()>& spokenName() const { return spokenName_; }
    void setTextColour(const QColor& colour);
    QColor textColour() const;
    void setBorder(bool on);
    // Paints the text in the panels' small print; the label's font draws it where the pixel face
    // cannot.
    void setSmallPrint(platform::SmallPrintSpacing spacing);
    bool smallPrint() const { return smallPrint_; }

    // A figure or name too wide for its box is drawn smaller, on the same baseline, down to
    // kSmallestFittedPixels, and only then cut short with "…"; its tooltip holds the whole text.
    void setFitToWidth();
    // The panels' small print, the smallest text the windows show anywhere.
    static constexpr int kSmallestFittedPixels = 8;
    // What a single line paints: the text, or less of it, in the label's font or a smaller one.
    QString shownText() const { return shown().text; }
    QFont shownFont() const { return shown().font; }
    // Height the text takes when wrapped to the label's width.
    int wrappedTextHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool border_ = false;
    std::function<void()> textWatcher_;
    std::function<QString()> spokenName_;
    bool smallPrint_ = false;
    platform::SmallPrintSpacing spacing_ = platform::SmallPrintSpacing::Proportional;

    struct Shown {
        QString text;
        QFont font;
    };
    Shown shown() const;
    void tipIfShortened();
    bool fitToWidth_ = false;
    bool fittingTip_ = false;  // the tooltip is ours, holding the text fitting shortened
};

// A panel with an etched outline and a coloured caption breaking its top edge.
class CaptionFrame : public QWidget {
public:
    CaptionFrame(QWidget* parent, const QString& caption, const QFont& font, const QColor& colour);
    QString caption() const { return caption_; }
    QColor captionColour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QColor colour_;
};

// A one-pixel rectangle outline with no fill; clicks go through it to the table.
class ShapeOutline : public QWidget {
public:
    ShapeOutline(QWidget* parent, const QColor& colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

// A picture box holding one suit symbol on black, exactly the size of its picture.
class SuitPicture : public QWidget {
public:
    SuitPicture(QWidget* parent, int suit, bool outlineOnly, const QColor& colour);
    int suit() const { return suit_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int suit_;
    bool outlineOnly_;
    QColor colour_;
};

}  // namespace zarvelo

// Painting and mouse behaviour of the form controls.
#include "screen/Controls.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

#include "cardlib/PixelGrid.h"
#include "cardlib/SuitSymbols.h"

namespace zarvelo {

namespace {

// Where Japanese text reads best broken: after a blank or a mark that ends a phrase.
bool EndsPhrase(QChar c) {
    static const QString kMarks = QString::fromUtf8(" 　、。，．！？!?");
    return c == QChar::LineSeparator || kMarks.contains(c);
}

// The text with a line separator wherever it wraps at that width. A line that would end inside
// a phrase ends after its last phrase instead, so that no word's tail (a lone "け！！") is left
// on a line of its own; a phrase in the line's first quarter is too short to end it.
QString PhrasedLines(QString text, const QFont& font, int width, const QPaintDevice* device) {
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QString lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const int start = line.textStart();
        const int end = start + line.textLength();
        if (end < text.size() && !EndsPhrase(text[end - 1])) {
            for (int i = end - 2; i >= start + line.textLength() / 4; --i) {
                if (EndsPhrase(text[i])) {
                    line.setNumColumns(i + 1 - start);
                    break;
                }
            }
        }
        if (!lines.isEmpty() && !lines.endsWith(QChar::LineSeparator))
            lines += QChar::LineSeparator;
        lines += text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

int PixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

}  // namespace

Label::Label(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
}

void Label::setText(const QString& text) {
    if (text == QLabel::text()) return;
    QLabel::setText(text);
    tipIfShortened();
    if (textWatcher_) textWatcher_();
}

Label::Shown Label::shown() const {
    Shown shown{text(), font()};
    if (!fitToWidth_ || smallPrint_ || wordWrap() ||
        QFontMetricsF(shown.font, this).horizontalAdvance(shown.text) <= width())
        return shown;
    for (int pixels = PixelSizeOf(font()) - 1; pixels >= kSmallestFittedPixels; --pixels) {
        shown.font.setPixelSize(pixels);
        if (QFontMetricsF(shown.font, this).horizontalAdvance(shown.text) <= width()) return shown;
    }
    shown.text = QFontMetricsF(shown.font, this).elidedText(shown.text, Qt::ElideRight, width());
    return shown;
}

void Label::tipIfShortened() {
    const Shown line = shown();
    const bool shortened = line.font != font() || line.text != text();
    // The tooltip is left alone unless fitting put it there.
    if (shortened || fittingTip_) setToolTip(shortened ? text() : QString());
    fittingTip_ = shortened;
}

int Label::wrappedTextHeight() const {
    const QString lines = PhrasedLines(text(), font(), width(), this);
    return QFontMetrics(font(), this)
        .boundingRect(QRect(0, 0, width(), QWIDGETSIZE_MAX),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines)
        .height();
}

void Label::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    tipIfShortened();
}

void Label::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) tipIfShortened();
}

void Label::setTextWatcher(std::function<void()> watcher) { textWatcher_ = std::move(watcher); }

void Label::setTextColour(const QColor& colour) {
    // A palette change repaints the label and the table under it, even for the same colour.
    if (colour == textColour()) return;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

QColor Label::textColour() const { return palette().color(QPalette::WindowText); }

void Label::setBorder(bool on) {
    if (on == border_) return;
    border_ = on;
    update();
}

void Label::setSmallPrint(platform::SmallPrintSpacing spacing) {
    smallPrint_ = true;
    spacing_ = spacing;
    update();
}

void Label::setFitToWidth() {
    fitToWidth_ = true;
    tipIfShortened();
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if (border_) {
        cardlib::PixelGrid(painter).outline(painter, area, textColour());
        area.adjust(1, 0, -1, 0);
    }
    if (smallPrint_) {
        platform::PaintSmallPrint(painter, area, alignment(), text(), textColour(), spacing_,
                                  font());
        return;
    }
    painter.setPen(textColour());
    int flags = static_cast<int>(alignment());
    if (wordWrap()) {
        painter.setFont(font());
        painter.drawText(area, flags | Qt::TextWordWrap,
                         PhrasedLines(text(), font(), area.width(), this));
        return;
    }
    flags |= Qt::TextSingleLine;
    const Shown line = shown();
    if (line.font == font()) {
        painter.setFont(font());
        painter.drawText(area, flags, line.text);
        return;
    }
    // Smaller text stands on the baseline the label's own font would have.
    QRectF lowered(area);
    if (alignment() & Qt::AlignTop)
        lowered.translate(
            0, QFontMetricsF(font(), this).ascent() - QFontMetricsF(line.font, this).ascent());
    painter.setFont(line.font);
    painter.drawText(lowered, flags, line.text);
}

void Label::mousePressEvent(QMouseEvent* event) { event->accept(); }
void Label::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

CaptionFrame::CaptionFrame(QWidget* parent, const QString& caption, const QFont& font,
                           const QColor& colour)
    : QWidget(parent), caption_(caption), colour_(colour) {
    setFont(font);
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int captionMid = metrics.height() / 2;
    // An etched edge: a dark line with a lighter one beside it.
    const QRectF outer = QRectF(rect()).adjusted(0, captionMid, -1, -1);
    const cardlib::PixelGrid grid(painter);
    grid.outline(painter, outer, QColor(128, 128, 128));
    grid.outline(painter, outer.translated(1, 1), QColor(255, 255, 255, 110));
    const int textWidth = metrics.horizontalAdvance(caption_);
    const QRect captionBox(7, 0, textWidth + 4, metrics.height());
    painter.fillRect(captionBox, Qt::black);
    painter.setPen(colour_);
    painter.drawText(captionBox, Qt::AlignCenter, caption_);
}

void CaptionFrame::mousePressEvent(QMouseEvent* event) { event->accept(); }
void CaptionFrame::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

ShapeOutline::ShapeOutline(QWidget* parent, const QColor& colour)
    : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShapeOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    cardlib::PixelGrid(painter).outline(painter, rect(), colour_);
}

SuitPicture::SuitPicture(QWidget* parent, int suit, bool outlineOnly, const QColor& colour)
    : QWidget(parent), suit_(suit), outlineOnly_(outlineOnly), colour_(colour) {}

void SuitPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const cardlib::PixelGrid grid(painter);
    grid.inDevicePixels(painter, [&] { painter.fillRect(grid.deviceRect(rect()), Qt::black); });
    cardlib::PaintSuitSymbol(painter, rect(), suit_, outlineOnly_, colour_);
}

void SuitPicture::mousePressEvent(QMouseEvent* event) { event->accept(); }
void SuitPicture::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

}  // namespace zarvelo

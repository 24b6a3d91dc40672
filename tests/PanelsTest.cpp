// The small print of the "Card Point", "Porker Prize" and chart panels and the chart's suit
// pictures: whole pixels at ratio 1, no glyph cut off, rows kept apart, figures in columns; and
// at other ratios the outline face inside the same rows.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSet>
#include <vector>

#include "platform/SmallPrint.h"
#include "screen/CardChart.h"
#include "tests/GameFixture.h"
#include "windows/MainForm.h"

namespace zarvelo::testing {
namespace {

using platform::SmallPrintSpacing;

using PanelsTest = GameFixture;

std::vector<Label*> SmallPrintLabels(MainForm& f) {
    std::vector<Label*> labels;
    for (int i = 0; i < 7; ++i)
        labels.insert(labels.end(), {f.LabelPoint[i], f.LabelPointValue[i]});
    for (int i = 0; i < 5; ++i)
        labels.insert(labels.end(),
                      {f.LabelPorker[i], f.LabelPorkerPoint[i], f.LabelPorkerScore[i]});
    for (Label* row : f.LeftCard) labels.push_back(row);
    return labels;
}

// The label painted alone on black, as the window shows it at ratio 1.
QImage Shot(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    widget->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool Ink(const QImage& image, int x, int y) { return image.pixel(x, y) != qRgb(0, 0, 0); }

// Rows and columns of an image that hold ink.
std::vector<int> InkRows(const QImage& image) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image, x, y)) {
                rows.push_back(y);
                break;
            }
    return rows;
}

std::vector<int> InkColumns(const QImage& image) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (Ink(image, x, y)) {
                columns.push_back(x);
                break;
            }
    return columns;
}

TEST_F(PanelsTest, SmallPrintIsWholePixelsOfItsColour) {
    MainForm& f = Form();
    for (Label* label : SmallPrintLabels(f)) {
        SCOPED_TRACE(label->text().toStdString());
        ASSERT_TRUE(label->smallPrint());
        const QImage shot = Shot(label);
        const QSet<QRgb> expected{qRgb(0, 0, 0), label->textColour().rgb()};
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                ASSERT_TRUE(expected.contains(shot.pixel(x, y))) << x << "," << y;
        EXPECT_FALSE(InkRows(shot).empty());
    }
}

// Every text the panels show, painted into a box twice the label's height: its ink must lie in
// the label's nine rows (nothing cut off), and leave the ninth free so that the next row, eight
// lower, starts below a blank row.
TEST_F(PanelsTest, NoGlyphIsCutOffAndRowsStayApart) {
    QStringList texts{QStringLiteral("Royal Flush"),  QStringLiteral("Straight Flush"),
                      QStringLiteral("Four Of Kind"), QStringLiteral("Full House"),
                      QStringLiteral("Flush"),        kFullRankList};
    for (const char* range : kPointRangeTexts) texts << QString::fromLatin1(range);
    for (int n : {0, 1, 13, 114, 500, 1000, 99999, -5}) texts << QString::number(n);
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        QImage image(160, 18, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        platform::PaintSmallPrint(painter, QRect(0, 0, 160, 18), Qt::AlignLeft, text, Qt::white,
                                  SmallPrintSpacing::Proportional, QFont());
        painter.end();
        const std::vector<int> rows = InkRows(image);
        ASSERT_FALSE(rows.empty());
        EXPECT_GE(rows.front(), 1);
        EXPECT_LE(rows.back(), 8);
    }
    // Descenders show: the "y" of "Royal" and the "g" of "Straight" reach below the baseline.
    MainForm& f = Form();
    for (Label* label : {f.LabelPorker[0], f.LabelPorker[1]}) {
        const std::vector<int> rows = InkRows(Shot(label));
        EXPECT_EQ(rows.back(), platform::kSmallPrintBaseline + platform::kSmallPrintDescent - 1);
    }
}

TEST_F(PanelsTest, TheWindowsPanelRowsAreParted) {
    MainForm& f = Form();
    struct Panel {
        QWidget* frame;
        int rows, right;  // the rows of small print and where its columns end
    };
    for (const Panel& panel : {Panel{f.FrameNumberOfCards, 7, 113}, Panel{f.Frame3, 5, 145}}) {
        const QImage shot = Shot(panel.frame);
        // Between two rows (tops 8 apart from 16 on) one pixel row of the text columns is blank.
        for (int i = 0; i + 1 < panel.rows; ++i) {
            const int blank = 16 + 8 * i + 9;
            for (int x = 8; x < panel.right; ++x) {
                // The sides of the bordered bottom row of "Card Point" are no text.
                const bool border = panel.rows == 7 && i == 5 && (x == 32 || x == 64);
                if (!border) {
                    EXPECT_FALSE(Ink(shot, x, blank)) << i << " " << x;
                }
            }
        }
    }
}

TEST_F(PanelsTest, FiguresStandInColumns) {
    MainForm& f = Form();
    // Right-aligned figures: each digit in a 4-pixel cell counted from the right edge, the cells
    // one pixel apart, so units stand under units whatever the digits.
    std::vector<Label*> figures;
    for (int i = 0; i < 7; ++i) figures.push_back(f.LabelPointValue[i]);
    for (int i = 0; i < 5; ++i)
        figures.insert(figures.end(), {f.LabelPorkerPoint[i], f.LabelPorkerScore[i]});
    for (Label* label : figures) {
        SCOPED_TRACE(label->text().toStdString());
        const int width = label->width();
        for (int x : InkColumns(Shot(label))) EXPECT_NE((width - 1 - x) % 5, 4) << x;
        EXPECT_EQ(platform::SmallPrintWidth(label->text(), SmallPrintSpacing::Proportional),
                  5 * label->text().size() - 1);
    }
    // The chart: a card gone leaves its cell blank and every later rank where it was.
    const QString before = f.LeftCard[1]->text();
    f.LeftCard[0]->setText(kFullRankList);
    f.LeftCard[1]->setText(QStringLiteral("A   3 4 5 6 7 8 9    J   K "));
    const QImage a = Shot(f.LeftCard[0]), b = Shot(f.LeftCard[1]);
    f.LeftCard[1]->setText(before);
    for (int x = 120; x < a.width(); ++x)  // the "K", in the last cell
        for (int y = 0; y < a.height(); ++y) EXPECT_EQ(Ink(a, x, y), Ink(b, x, y)) << x << "," << y;
    for (int x : InkColumns(a)) EXPECT_NE(x % 5, 4) << x;
}

TEST_F(PanelsTest, ChartSuitsAreWhiteOutlinesAndSolidReds) {
    MainForm& f = Form();
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), red = qRgb(255, 0, 0);
    const QImage club = Shot(f.PicSuit[0]), spade = Shot(f.PicSuit[2]);
    for (const QImage& image : {club, spade}) {
        int whites = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                EXPECT_TRUE(p == black || p == white);
                whites += p == white;
            }
        EXPECT_GT(whites, 20);
    }
    EXPECT_NE(club, spade);
    for (QWidget* redSuit : {f.PicSuit[1], f.PicSuit[3]}) {
        const QImage image = Shot(redSuit);
        int reds = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                EXPECT_TRUE(p == black || p == red);
                reds += p == red;
            }
        EXPECT_GT(reds, image.width() * image.height() / 3);
    }
}

// At 1.5 and 2 the outline face draws the text: smooth, and still inside the label's rows.
TEST(SmallPrintAtOtherRatios, TheOutlineFaceKeepsToTheRows) {
    QFont face(QStringLiteral("DejaVu Sans"));
    for (qreal ratio : {1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        QImage image(QSize(100, 20) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        QPainter painter(&image);
        platform::PaintSmallPrint(painter, QRect(0, 0, 100, 20), Qt::AlignLeft,
                                  QStringLiteral("Straight Flushy"), Qt::white,
                                  SmallPrintSpacing::Proportional, face);
        painter.end();
        const std::vector<int> rows = InkRows(image);
        ASSERT_FALSE(rows.empty());
        EXPECT_GE(rows.front() / ratio, 1.0);
        EXPECT_LT(rows.back() / ratio, 9.0);
        // The descenders reach the label's last two rows.
        EXPECT_GE(rows.back() / ratio, 7.0);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 4);
    }
}

TEST(SmallPrintFace, GlyphsKeepTheirRows) {
    for (char16_t c = 32; c < 127; ++c) {
        const QStringList rows = platform::SmallPrintGlyph(QChar(c));
        if (rows.isEmpty()) continue;
        SCOPED_TRACE(static_cast<char>(c));
        EXPECT_GE(rows.size(), 5);
        EXPECT_LE(rows.size(), 5 + platform::kSmallPrintDescent);
        for (const QString& row : rows) {
            EXPECT_EQ(row.size(), rows.first().size());
            for (QChar p : row) EXPECT_TRUE(p == u'#' || p == u'.');
        }
        if (QChar(c).isDigit()) {
            EXPECT_EQ(rows.first().size(), 4);
        }
        // Capitals and digits stand on the baseline and reach the capital line.
        if (QChar(c).isUpper() || QChar(c).isDigit()) {
            EXPECT_EQ(rows.size(), 5);
            EXPECT_TRUE(rows.first().contains(u'#'));
            EXPECT_TRUE(rows[4].contains(u'#'));
        }
    }
    for (char c : QByteArray("AZaz09 -")) {
        if (c) {
            EXPECT_FALSE(platform::SmallPrintGlyph(QLatin1Char(c)).isEmpty()) << c;
        }
    }
}

}  // namespace
}  // namespace zarvelo::testing

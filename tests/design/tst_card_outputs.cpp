// Shapes, lines and pictures come out the same on screen, in picture export
// and on paper: every pen style and pen mode a card file may hold, hatches
// under a mode, and bitmaps stretched plain, flipped or reversed.  The paper
// copy is a real PDF from the printer report, rasterised with pdftoppm; the
// three are compared block by block (6 x 6 pixels), and a few pixels are
// checked for what the style or mode means.  Set CW_OUTPUT_DIR to keep the
// three pictures side by side.
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGLineShape.h"
#include "objects/model/TGPRichBaseLabel.h"
#include "objects/model/TSuperShape.h"
#include "support/BlockMeans.h"
#include "support/CardOutputs.h"
#include "support/TestFolder.h"
#include "text/model/TGPLabel.h"

#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

TBCShapes *addShape(ui::TGBasePanel &card, QRect bounds, TShapeType kind, TGPen pen, TGBrush brush)
{
    auto s = std::make_unique<TBCShapes>();
    s->SetBounds(bounds);
    s->SetShape(kind);
    s->SetPen(pen);
    s->SetTransparent(brush.Style == bsClear);
    s->SetBrush(brush);
    s->Loaded();
    return static_cast<TBCShapes *>(card.AddObject(std::move(s)));
}

void addLine(ui::TGBasePanel &card, QRect bounds, TLineStyle direction, TGPen pen)
{
    auto l = std::make_unique<TGLineShape>();
    l->SetBounds(bounds);
    l->SetLineStyle(direction);
    l->SetPen(pen);
    l->Loaded();
    card.AddObject(std::move(l));
}

// Labels of spaces only, underlined and struck out: all they draw are the
// two bars, so each bar's rows can be read off the screen and the paper.
void decorationsCard(ui::TGBasePanel &card)
{
    const char *faces[] = {"Liberation Sans", "DejaVu Serif", "Courier New", "Times New Roman"};
    int at = 0;
    for (const char *face : faces)
        for (const int height : {-13, -21, -29, -40}) {
            auto label = std::make_unique<TGPLabel>();
            label->SetBounds(6 + (at % 8) * 41, 6 + (at / 8) * 46, 38, 44);
            TGFont font;
            font.Name = QString::fromLatin1(face);
            font.Height = height;
            font.Style = fsUnderline | fsStrikeOut;
            label->SetLabelFont(font);
            label->SetCaption(QStringLiteral("      "));
            label->Loaded();
            card.AddObject(std::move(label));
            ++at;
        }
}

// Labels in three faces, each turned 0, 90, 180 and 270 degrees: the text
// of each is a block of ink whose centre can be read off every picture.
QList<QRect> turnedLabelsCard(ui::TGBasePanel &card)
{
    const char *faces[] = {"Liberation Sans", "DejaVu Serif", "Courier New"};
    QList<QRect> boxes;
    int flat = 0, upright = 0;
    for (const char *face : faces)
        for (const int angle : {0, 90, 180, 270}) {
            const bool turned = angle == 90 || angle == 270;
            const QRect box = turned ? QRect(6 + upright++ * 28, 96, 26, 90)
                                     : QRect(6 + (flat % 2) * 164, 6 + (flat / 2) * 29, 158, 27);
            if (!turned)
                ++flat;
            auto label = std::make_unique<TGPLabel>();
            label->SetBounds(box);
            TGFont font;
            font.Name = QString::fromLatin1(face);
            font.Height = -19;
            label->SetLabelFont(font);
            label->SetCaption(QStringLiteral("Quality"));
            label->SetAngle(angle);
            label->Loaded();
            card.AddObject(std::move(label));
            boxes << box;
        }
    return boxes;
}

// The centre of the ink (darkness) inside `box`, in pixels.
QPointF inkCentre(const QImage &image, const QRect &box)
{
    double sum = 0, x = 0, y = 0;
    for (int row = box.top(); row <= box.bottom(); ++row)
        for (int column = box.left(); column <= box.right(); ++column) {
            const double ink = 255 - qGray(image.pixel(column, row));
            sum += ink;
            x += ink * column;
            y += ink * row;
        }
    return sum > 0 ? QPointF(x / sum, y / sum) : QPointF(-1, -1);
}

// A rich text label of lines in four sizes, of letters with neither
// ascenders nor descenders, so blank rows part the lines.
void richLinesCard(ui::TGBasePanel &card)
{
    auto label = std::make_unique<TGPRichBaseLabel>();
    label->SetRTFText("{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\froman Times New "
                      "Roman;}}\\f0\\fs19 acorn wave max\\par\\fs27 sea cove\\par\\f1\\fs23 anew summer "
                      "\\fs33 ocean\\par\\f0\\fs21 raw comes are\\par}");
    label->SetTransparent(true);
    label->SetBorderStyle(bsNone);
    label->SetBounds(12, 10, 300, 170);
    label->Loaded(); // finds the shared master document it draws through
    QVERIFY(label->Master());
    card.AddObject(std::move(label));
}

// A SuperShape rectangle filled with a texture of black and white stripes
// five pixels high, its top half a printer dot off the dot grid.
QRect stripesCard(ui::TGBasePanel &card)
{
    QImage stripes(24, 24, QImage::Format_RGB32);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            stripes.setPixel(x, y, (y / 5) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    TGPicture texture;
    texture.SetBitmap(stripes);
    auto shape = std::make_unique<TSuperShape>();
    shape->SetBounds(49, 41, 150, 100);
    shape->SetShape(TSuperShape::gstRectangle);
    shape->SetSurfaceType(TSuperShape::stBrushImage);
    shape->SetImage(texture);
    shape->SetOutlineStyle(psClear);
    card.AddObject(std::move(shape));
    return QRect(49, 41, 150, 100);
}

// The bands of rows holding ink inside `box`, top to bottom.
QList<QPair<int, int>> inkedBands(const QImage &image, const QRect &box)
{
    QList<QPair<int, int>> bands;
    int start = -1;
    for (int y = box.top(); y <= box.bottom() + 1; ++y) {
        bool inked = false;
        for (int x = box.left(); y <= box.bottom() && x <= box.right() && !inked; ++x)
            inked = qGray(image.pixel(x, y)) < 250;
        if (inked && start < 0)
            start = y;
        if (!inked && start >= 0) {
            bands << qMakePair(start, y - 1);
            start = -1;
        }
    }
    return bands;
}

// The bands (rows of ink inside `box`) whose ink centre lies more than
// `limit` pixels higher or lower on paper than in the export, described.
QStringList movedBands(const test::CardOutputs &out, const QRect &box, const QList<QPair<int, int>> &bands,
                       double limit)
{
    QStringList moved;
    for (const auto &[top, bottom] : bands) {
        const int from = std::max(box.top(), top - 1), to = std::min(box.bottom(), bottom + 1);
        const QRect band(box.left(), from, box.width(), to - from + 1);
        const double d = inkCentre(out.paper, band).y() - inkCentre(out.exported, band).y();
        if (std::abs(d) > limit)
            moved << QStringLiteral("ink on rows %1-%2 moved by %3").arg(top).arg(bottom).arg(d, 0, 'f', 2);
    }
    return moved;
}

// The rows of column x, from top to bottom, darker than mid-grey.
QList<int> darkRows(const QImage &image, int x, int top, int bottom)
{
    QList<int> rows;
    for (int y = top; y < bottom; ++y)
        if (qGray(image.pixel(x, y)) < 128)
            rows << y;
    return rows;
}

TGImage *addImage(ui::TGBasePanel &card, QRect bounds, const TGPicture &picture, bool flip, bool reverse)
{
    auto i = std::make_unique<TGImage>();
    i->SetPicture(picture);
    i->SetBounds(bounds);
    i->SetFlip(flip);
    i->SetReverse(reverse);
    i->Loaded();
    return static_cast<TGImage *>(card.AddObject(std::move(i)));
}

// Three by two pixels of distinct colours, so every mirror shows.
TGPicture sixColours()
{
    QImage image(3, 2, QImage::Format_RGB32);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::black, Qt::white, Qt::yellow};
    for (int i = 0; i < 6; ++i)
        image.setPixelColor(i % 3, i / 3, colours[i]);
    TGPicture p;
    p.SetBitmap(image);
    return p;
}

const TGBrush clear{clWhite, bsClear};

void stylesCard(ui::TGBasePanel &card)
{
    addShape(card, {12, 12, 150, 60}, stRectangle, {clBlack, pmCopy, psDash, 1}, clear);
    addShape(card, {180, 12, 144, 72}, stEllipse, {clBlue, pmCopy, psDot, 1}, clear);
    addShape(card, {12, 96, 150, 84}, stRoundRect, {clRed, pmCopy, psDashDot, 2}, {clYellow, bsSolid});
    addLine(card, {180, 99, 144, 10}, stHorizontal, {clBlack, pmCopy, psDash, 1});
    addLine(card, {182, 114, 10, 72}, stVertical, {clBlack, pmCopy, psDot, 3});
    addLine(card, {210, 114, 114, 72}, stAngleSlopingDown, {clBlack, pmCopy, psDashDotDot, 1});
}

// Wide dashed outlines, whose dashes must start where paper starts them and
// keep their length all round: a pen a fraction of a pixel narrower, or a
// curve walked another way, moves the later dashes into the gaps.
void wideDashesCard(ui::TGBasePanel &card)
{
    addShape(card, {12, 12, 150, 72}, stRectangle, {clRed, pmCopy, psDot, 6}, {clPurple, bsSolid});
    addShape(card, {180, 12, 144, 72}, stRoundRect, {clBlack, pmCopy, psDashDotDot, 4}, {clMaroon, bsSolid});
    addShape(card, {12, 102, 150, 78}, stEllipse, {clBlue, pmCopy, psDash, 3}, {clYellow, bsSolid});
    addShape(card, {180, 102, 144, 78}, stRoundRect, {clLime, pmCopy, psDash, 1}, {clBlack, bsCross});
}

void modesCard(ui::TGBasePanel &card)
{
    addShape(card, {12, 12, 96, 60}, stRectangle, {clRed, pmXor, psSolid, 3}, {clYellow, bsSolid});
    addShape(card, {120, 12, 96, 60}, stRectangle, {clLime, pmNotXor, psSolid, 2}, {clBlue, bsDiagCross});
    addShape(card, {228, 12, 96, 60}, stRectangle, {clRed, pmNop, psSolid, 3}, {clBlue, bsSolid});
    // A black band under a merging shape and an inverting ellipse.
    addLine(card, {12, 129, 312, 10}, stHorizontal, {clBlack, pmCopy, psSolid, 6});
    addShape(card, {48, 108, 96, 60}, stRectangle, {clRed, pmMerge, psSolid, 1}, {clYellow, bsSolid});
    addShape(card, {180, 108, 96, 60}, stEllipse, {clRed, pmNot, psSolid, 1}, {clYellow, bsSolid});
    addLine(card, {288, 100, 40, 80}, stAngleSlopingUp, {clRed, pmNotCopy, psSolid, 2});
}

void picturesCard(ui::TGBasePanel &card)
{
    const TGPicture picture = sixColours();
    addImage(card, {12, 12, 96, 72}, picture, false, false);
    addImage(card, {120, 12, 96, 72}, picture, true, false);
    addImage(card, {228, 12, 96, 72}, picture, false, true);
    addImage(card, {12, 102, 96, 72}, picture, true, true);
}

QImage mirrored(const QImage &image, QRect area, bool flip, bool reverse)
{
    return image.copy(area).mirrored(reverse, flip);
}

bool near(QColor a, QColor b, int limit = 8)
{
    return std::abs(a.red() - b.red()) <= limit && std::abs(a.green() - b.green()) <= limit &&
           std::abs(a.blue() - b.blue()) <= limit;
}

} // namespace

class TestCardOutputs : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestFolder> folder;
    std::unique_ptr<ui::TGBusinessCardPanel32> card;

    test::CardOutputs render(const QString &name)
    {
        const QString keep = qEnvironmentVariable("CW_OUTPUT_DIR");
        test::CardOutputs out =
            test::RenderCardOutputs(*card, keep.isEmpty() ? QString() : keep + "/" + name + ".pdf");
        if (!keep.isEmpty())
            test::SaveSideBySide(keep + "/" + name + ".png", out.screen, out.exported, out.paper);
        return out;
    }

    // Screen and export come from one drawing routine; paper is drawn at
    // 600 dpi and read back at 96, so edges may fall half a pixel apart:
    // a block holding a one-pixel line differs by at most about a twelfth.
    static void verifyAgreement(const test::CardOutputs &out, int paperLimit = 24)
    {
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        const test::BlockDifference screen = test::CompareBlocks(out.screen, out.exported);
        QVERIFY2(screen.worst <= 2, qPrintable("screen/export: " + screen.ToString()));
        const test::BlockDifference paper = test::CompareBlocks(out.exported, out.paper);
        QVERIFY2(paper.worst <= paperLimit, qPrintable("export/paper: " + paper.ToString()));
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::TestFolder>();
        card = std::make_unique<ui::TGBusinessCardPanel32>();
        card->setCardSize(336, 192);
    }
    void cleanup()
    {
        card.reset();
        folder.reset();
    }

    void penStylesAgreeAndKeepTheirDashLengths()
    {
        stylesCard(*card);
        const test::CardOutputs out = render("pen-styles");
        verifyAgreement(out, 24);
        // The dashed line: 18 pixels of ink, 6 of gap, from its left end.
        const QImage &s = out.screen;
        for (int x : {180, 190, 197, 204, 221})
            QVERIFY2(qGray(s.pixel(x, 99)) < 64, qPrintable(QString::number(x)));
        for (int x : {198, 203, 222, 227})
            QVERIFY2(qGray(s.pixel(x, 99)) > 192, qPrintable(QString::number(x)));
        // The dotted 3-pixel line: 3 on, 3 off, down from its top.
        QVERIFY(qGray(s.pixel(183, 115)) < 64);
        QVERIFY(qGray(s.pixel(183, 118)) > 192);
    }

    void wideDashedOutlinesFallWhereTheyPrint()
    {
        wideDashesCard(*card);
        verifyAgreement(render("wide-dashes"), 24);
    }

    // Text decorations are drawn by the label, not by the font: each device
    // would otherwise place them by its own font metrics, up to a pixel from
    // the screen's on paper.
    void underlineAndStrikeOutPrintOnTheScreensRows()
    {
        decorationsCard(*card);
        const test::CardOutputs out = render("decorations");
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        for (int at = 0; at < 16; ++at) {
            const int x = 6 + (at % 8) * 41 + 4, top = 6 + (at / 8) * 46;
            const QList<int> screen = darkRows(out.screen, x, top, top + 44);
            QVERIFY2(screen.size() >= 2, qPrintable(QString::number(at)));
            QCOMPARE(darkRows(out.paper, x, top, top + 44), screen);
        }
    }

    // The text of a label, turned or not, prints where the screen shows it:
    // its ink's centre moves less than a quarter of a pixel (the screen sets
    // the glyphs of turned text on whole pixels along the line).  Printed
    // through a recorded picture, the label laid its text out anew at the
    // printer's resolution, and a whole-dot frame scaled it: up to 0.4 off.
    void turnedLabelsPrintTheirTextWhereTheScreenShowsIt()
    {
        const QList<QRect> boxes = turnedLabelsCard(*card);
        const test::CardOutputs out = render("turned-labels");
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        QStringList moved;
        for (const QRect &box : boxes) {
            const QPointF screen = inkCentre(out.exported, box);
            const QPointF paper = inkCentre(out.paper, box);
            QVERIFY(screen.x() > box.left());
            const QPointF d = paper - screen;
            if (std::abs(d.x()) > 0.25 || std::abs(d.y()) > 0.25)
                moved << QStringLiteral("label at (%1,%2) moved by (%3, %4)")
                             .arg(box.x())
                             .arg(box.y())
                             .arg(d.x(), 0, 'f', 2)
                             .arg(d.y(), 0, 'f', 2);
        }
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QStringLiteral("; "))));
    }

    // Every line of rich text prints on the rows the screen shows it on.
    // The screen draws a line on the whole pixel nearest its baseline, which
    // the layout puts between pixels; paper drew it there, up to half a
    // pixel off, until the layout put every baseline on a whole pixel.
    void richTextLinesPrintOnTheScreensRows()
    {
        richLinesCard(*card);
        const test::CardOutputs out = render("rich-lines");
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        const QRect box(12, 10, 300, 170);
        const QList<QPair<int, int>> lines = inkedBands(out.exported, box);
        QCOMPARE(lines.size(), 4);
        const QStringList moved = movedBands(out, box, lines, 0.15);
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QStringLiteral("; "))));
    }

    // A texture's stripes print on the rows the screen shows them on: each
    // black stripe's ink centre moves less than a tenth of a pixel.
    void textureStripesPrintOnTheScreensRows()
    {
        const QRect shape = stripesCard(*card);
        const test::CardOutputs out = render("texture-stripes");
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        // The columns inside the shape, away from its sides.
        const QRect box(shape.left() + 4, shape.top(), shape.width() - 8, shape.height());
        const QList<QPair<int, int>> stripes = inkedBands(out.exported, box);
        QVERIFY2(stripes.size() >= 4, qPrintable(QString::number(stripes.size())));
        const QStringList moved = movedBands(out, box, stripes, 0.1);
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QStringLiteral("; "))));
    }

    void penModesAreTheSameInkEverywhere()
    {
        modesCard(*card);
        const test::CardOutputs out = render("pen-modes");
        verifyAgreement(out, 24);
        const QImage &s = out.screen;
        // Xor over white card: the outline and fill come out inverted.
        QVERIFY(near(s.pixelColor(60, 42), QColor(0, 0, 255)));
        QVERIFY(near(s.pixelColor(13, 42), QColor(0, 255, 255)));
        // Not-xor over a hatch: the pen's and the brush's own colours, and
        // the hatch's gaps stay unpainted.
        QVERIFY(near(s.pixelColor(121, 42), QColor(0, 255, 0)));
        int blue = 0, white = 0;
        for (int x = 130; x < 146; ++x) {
            blue += near(s.pixelColor(x, 40), QColor(0, 0, 255)) ? 1 : 0;
            white += near(s.pixelColor(x, 40), Qt::white) ? 1 : 0;
        }
        QVERIFY2(blue >= 2 && white >= 8, qPrintable(QString("%1 blue, %2 white").arg(blue).arg(white)));
        // No-op: nothing at all.
        QVERIFY(near(s.pixelColor(229, 42), Qt::white));
        QVERIFY(near(s.pixelColor(276, 42), Qt::white));
        // Merge over white paints white, over the black band as well.
        QVERIFY(near(s.pixelColor(96, 131), Qt::white));
        QVERIFY(near(s.pixelColor(30, 131), Qt::black));
        // Not: black.
        QVERIFY(near(s.pixelColor(228, 150), Qt::black));
        for (const QImage *image : {&out.exported, &out.paper})
            QVERIFY(test::BlockMean(*image, QPoint(54, 36)).blue() > 200 &&
                    test::BlockMean(*image, QPoint(54, 36)).red() < 40);
    }

    void picturesAreSmoothedAlikePlainFlippedAndReversed()
    {
        picturesCard(*card);
        const test::CardOutputs out = render("pictures");
        verifyAgreement(out, 12);
        const QImage &s = out.screen;
        const QRect plain(12, 12, 96, 72);
        // Mirrored pictures are the plain one mirrored, pixel block for block.
        const QImage flipped = s.copy(120, 12, 96, 72);
        const QImage reversed = s.copy(228, 12, 96, 72);
        const QImage turned = s.copy(12, 102, 96, 72);
        for (auto [image, flip, reverse] :
             {std::tuple{flipped, true, false}, std::tuple{reversed, false, true},
              std::tuple{turned, true, true}}) {
            const test::BlockDifference d = test::CompareBlocks(image, mirrored(s, plain, flip, reverse));
            QVERIFY2(d.worst <= 2, qPrintable(d.ToString()));
        }
        // Smoothed on paper: between the red and the green pixel the
        // colours blend instead of changing in one step.
        for (const QImage *image : {&out.screen, &out.paper}) {
            const QColor between = test::BlockMean(*image, QPoint(12 + 30, 12 + 6));
            QVERIFY2(between.red() > 60 && between.red() < 200 && between.green() > 60 &&
                         between.green() < 200,
                     qPrintable(between.name()));
        }
    }
};

QTEST_MAIN(TestCardOutputs)
#include "tst_card_outputs.moc"

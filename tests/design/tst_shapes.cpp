#include "FakeObjectHost.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLineShape.h"
#include "print/engine/TCanvasReport.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

using namespace cw;
using namespace cw::model;

namespace {

// Records the drawing calls objects make on the print engine.
class RecordingReport : public engine::TCanvasReport
{
public:
    explicit RecordingReport(QImage &image) : TCanvasReport(image, 96, 96) {}
    QStringList calls;
    double penWidth = 0;
    engine::TPenMode penMode = engine::TPenMode::pmCopy;
    Qt::BrushStyle brushStyle = Qt::SolidPattern;

    void SetPen(const QColor &c, Qt::PenStyle s, double width, engine::TPenMode mode) override
    {
        penWidth = width;
        penMode = mode;
        TCanvasReport::SetPen(c, s, width, mode);
    }
    void SetBrush(const QColor &c, Qt::BrushStyle style, const QImage &bitmap) override
    {
        brushStyle = style;
        TCanvasReport::SetBrush(c, style, bitmap);
    }
    void Rectangle(double x1, double y1, double x2, double y2) override
    {
        record("Rectangle", {x1, y1, x2, y2});
    }
    void RoundRect(double x1, double y1, double x2, double y2, double cw, double ch) override
    {
        record("RoundRect", {x1, y1, x2, y2, cw, ch});
    }
    void Ellipse(double x1, double y1, double x2, double y2) override { record("Ellipse", {x1, y1, x2, y2}); }
    void MoveTo(double x, double y) override { record("MoveTo", {x, y}); }
    void LineTo(double x, double y) override { record("LineTo", {x, y}); }

private:
    void record(const QString &name, std::initializer_list<double> values)
    {
        QStringList parts;
        for (double v : values)
            parts << QString::number(v, 'f', 6);
        calls << name + "(" + parts.join(", ") + ")";
    }
};

QString inches(std::initializer_list<double> values)
{
    QStringList parts;
    for (double v : values)
        parts << QString::number(v, 'f', 6);
    return "(" + parts.join(", ") + ")";
}

QImage render(TGGraphicControl &o, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    o.PaintTo(painter, 0, 0);
    return image;
}

bool inked(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) != QColor(Qt::white);
}

TGMenuItem *find(TGGraphicControl &o, const QString &caption)
{
    return TGMenuItem::Find(o.PopupMenu(), caption);
}

} // namespace

class TestShapes : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAndStoredEntries()
    {
        TBCShapes shape;
        QCOMPARE(shape.BoundsRect(), QRect(0, 0, 25, 25));
        QCOMPARE(shape.RoundPerc(), 25);
        QCOMPARE(shape.Brush(), TGBrush());
        QCOMPARE(shape.Pen().Width, 1);
        TGLineShape line;
        QCOMPARE(line.BoundsRect(), QRect(0, 0, 10, 10));
        QCOMPARE(line.LineStyle(), stHorizontal);

        // An ellipse at (10, 20), 100 x 50, all else default, stores exactly these entries.
        shape.SetBounds(10, 20, 100, 50);
        shape.SetShape(stEllipse);
        QStringList stored;
        for (const TPropertyInfo &p : shape.Properties().Properties())
            if (TPropertyTable::IsStored(p, shape))
                stored << p.Name;
        QCOMPARE(stored, QStringList({"Left", "Top", "Width", "Height", "Locked", "Unselectable",
                                      "Transparent", "Shape"}));
        QCOMPARE(shape.Properties().Find("Shape")->ValueNames.at(shape.Shape()), QString("stEllipse"));

        QStringList lineNames;
        for (const TPropertyInfo &p : line.Properties().Properties())
            lineNames << p.Name;
        QCOMPARE(lineNames.mid(9),
                 QStringList({"LineStyle", "Pen.Color", "Pen.Mode", "Pen.Style", "Pen.Width"}));
    }

    void storedBrushStyleWinsOverTransparent()
    {
        TBCShapes shape;
        shape.BeginLoading();
        const TPropertyTable &t = shape.Properties();
        // File order: "Transparent" comes before "Brush.Style".
        t.Find("Transparent")->Set(shape, true);
        QCOMPARE(shape.Brush().Style, bsClear);
        t.Find("Brush.Style")->Set(shape, int(bsCross));
        shape.Loaded();
        QVERIFY(shape.Transparent());
        QCOMPARE(shape.Brush().Style, bsCross);
    }

    void penRectangleAndZoomedWidth()
    {
        TBCShapes shape;
        shape.SetBounds(0, 0, 100, 60);
        QCOMPARE(shape.PenRect(), QRect(0, 0, 100, 60));
        TGPen pen;
        pen.Width = 3;
        shape.SetPen(pen);
        QCOMPARE(shape.PenRect(), QRect(QPoint(1, 1), QPoint(98, 58))); // (1, 1, 99, 59) exclusive
        pen.Width = 4;
        shape.SetPen(pen);
        shape.SetZoom(1.5f);
        QCOMPARE(shape.ScreenPenWidth(), 6);
        pen.Width = 1;
        shape.SetPen(pen);
        shape.SetZoom(1.4f);
        QCOMPARE(shape.ScreenPenWidth(), 1);
        shape.SetZoom(0.4f);
        QCOMPARE(shape.ScreenPenWidth(), 1); // shapes keep at least one pixel
        TGLineShape line;
        line.SetZoom(0.4f);
        QCOMPARE(line.ScreenPenWidth(), 0);
    }

    void thickOutlineStaysInside()
    {
        TBCShapes shape;
        shape.SetBounds(0, 0, 100, 60);
        TGPen pen;
        pen.Width = 3;
        shape.SetPen(pen);
        const QImage image = render(shape, QSize(120, 80));
        for (int x : {0, 1, 2, 97, 98, 99})
            QVERIFY2(inked(image, x, 30), qPrintable(QString::number(x)));
        for (int x : {3, 96, 100})
            QVERIFY2(!inked(image, x, 30), qPrintable(QString::number(x)));
        QVERIFY(inked(image, 50, 59));
        QVERIFY(!inked(image, 50, 60));
        // The inside is filled with the brush unless the shape is transparent.
        TGBrush yellow;
        yellow.Color = clYellow;
        shape.SetBrush(yellow);
        QCOMPARE(render(shape, QSize(120, 80)).pixelColor(50, 30), QColor(Qt::yellow));
        shape.SetTransparent(true);
        QCOMPARE(render(shape, QSize(120, 80)).pixelColor(50, 30), QColor(Qt::white));
    }

    void horizontalLinePixels()
    {
        TGLineShape line;
        line.SetBounds(0, 0, 100, 10);
        QCOMPARE(line.ScreenLine(), QLine(0, 0, 100, 0));
        QImage image = render(line, QSize(120, 20));
        QVERIFY(inked(image, 0, 0));
        QVERIFY(inked(image, 99, 0));
        QVERIFY(!inked(image, 100, 0));
        QVERIFY(!inked(image, 50, 1));

        TGPen pen;
        pen.Width = 3;
        line.SetPen(pen);
        QCOMPARE(line.ScreenLine(), QLine(1, 1, 99, 1));
        image = render(line, QSize(120, 20));
        QVERIFY(!inked(image, 0, 1));
        QVERIFY(inked(image, 1, 1));
        QVERIFY(inked(image, 98, 1));
        QVERIFY(!inked(image, 99, 1));
        QVERIFY(inked(image, 50, 0) && inked(image, 50, 2));
        QVERIFY(!inked(image, 50, 3));

        line.SetLineStyle(stVertical);
        QCOMPARE(line.ScreenLine(), QLine(1, 1, 1, 9));
    }

    void roundCornersFollowTheLargerSide()
    {
        TBCShapes shape;
        shape.SetShape(stRoundRect);
        shape.SetBounds(0, 0, 100, 60);
        QCOMPARE(shape.CornerSize(), 25);
        shape.SetHeight(120);
        QCOMPARE(shape.CornerSize(), 30);
    }

    void shapeMenus()
    {
        test::FakeObjectHost host;
        TBCShapes rect;
        rect.SetHost(&host);
        rect.Loaded();
        QVERIFY(!find(rect, "Degree of Rounding"));
        // The menu is built once: changing the shape later adds nothing.
        rect.SetShape(stRoundRect);
        QVERIFY(!find(rect, "Degree of Rounding"));

        TBCShapes round;
        round.SetHost(&host);
        round.SetShape(stRoundSquare);
        round.Loaded();
        TGMenuItem *degrees = find(round, "Degree of Rounding");
        QVERIFY(degrees);
        QCOMPARE(degrees->Items.size(), std::size_t(7));
        QCOMPARE(degrees->Items[1].Caption, QString("30 %"));
        degrees->Items[1].Action();
        QCOMPARE(round.RoundPerc(), 30);

        // Thickness entries are "n Point", checked for the pen width.
        TGMenuItem *thickness = find(round, "Line Thickness");
        QCOMPARE(thickness->Items[9].Caption, QString("10 Point"));
        thickness->Items[3].Action();
        QCOMPARE(round.Pen().Width, 4);
        QVERIFY(find(round, "Line Thickness")->Items[3].Checked);
        QVERIFY(!find(round, "Line Thickness")->Items[0].Checked);

        // "Background Color" on a transparent shape makes it opaque.
        find(round, "Transparent")->Action();
        QVERIFY(round.Transparent());
        QVERIFY(find(round, "Transparent")->Checked);
        host.changes = 0;
        host.colours.enqueue(clRed);
        find(round, "Background Color")->Action();
        QCOMPARE(round.Brush().Color, clRed);
        QCOMPARE(round.Brush().Style, bsSolid);
        QVERIFY(!round.Transparent());
        QVERIFY(host.changes >= 1);
        // A cancelled colour dialog changes nothing.
        host.changes = 0;
        find(round, "Line Color")->Action();
        QCOMPARE(round.Pen().Color, clBlack);
        QCOMPARE(host.changes, 0);
    }

    void lineMenus()
    {
        test::FakeObjectHost host;
        host.size = QSize(300, 200);
        TGLineShape line;
        line.SetHost(&host);
        line.Loaded();
        line.SetBounds(10, 20, 50, 5);
        TGMenuItem *style = find(line, "Style");
        QCOMPARE(style->Items[2].Caption, QString("Angled Sloping Up"));
        QVERIFY(style->Items[0].Checked);
        style->Items[3].Action();
        QCOMPARE(line.LineStyle(), stAngleSlopingDown);
        QVERIFY(find(line, "Style")->Items[3].Checked);
        // Diagonal lines do not stretch.
        find(line, "Stretch To Edges")->Action();
        QCOMPARE(line.BoundsRect(), QRect(10, 20, 50, 5));
        line.SetLineStyle(stHorizontal);
        find(line, "Stretch To Edges")->Action();
        QCOMPARE(line.BoundsRect(), QRect(0, 20, 300, 5));
        line.SetLineStyle(stVertical);
        find(line, "Stretch To Edges")->Action();
        QCOMPARE(line.BoundsRect(), QRect(0, 0, 300, 200));
    }

    void shapePrintGeometry()
    {
        QImage image(100, 100, QImage::Format_RGB32);
        RecordingReport report(image);
        TBCShapes shape;
        shape.SetBounds(10, 20, 100, 50);
        TGPen pen;
        pen.Width = 10;
        pen.Mode = pmXor;
        shape.SetPen(pen);
        shape.SetTransparent(true);
        shape.PrintTo(report, 1.0, 2.0);
        // Ten card pixels in hundredths of an inch, not cut to whole ones.
        QCOMPARE(report.penWidth, -10 * 100 / 96.0);
        QCOMPARE(report.penMode, engine::TPenMode::pmXor);
        QCOMPARE(report.brushStyle, Qt::NoBrush);
        const double x1 = 1 + 10 / 96.0, y1 = 2 + 20 / 96.0, x2 = 1 + 110 / 96.0, y2 = 2 + 70 / 96.0;
        QCOMPARE(report.calls.last(), "Rectangle" + inches({x1, y1, x2, y2}));

        pen.Width = 3;
        shape.SetPen(pen);
        shape.SetShape(stRoundRect);
        shape.PrintTo(report, 1.0, 2.0);
        QCOMPARE(report.penWidth, -3 * 100 / 96.0);
        // Wider than high: the corners follow the width.
        const double corner = 0.25 * (x2 - x1);
        QCOMPARE(report.calls.last(), "RoundRect" + inches({x1, y1, x2, y2, corner, corner}));

        shape.SetShape(stCircle);
        shape.PrintTo(report, 1.0, 2.0);
        QCOMPARE(report.calls.last(), "Ellipse" + inches({x1, y1, x2, y2}));
    }

    // A line prints the ink the surface shows: for every direction, many
    // widths and solid or dashed pens, the printed pixels (at 96 and at 192
    // dots per inch, where one card pixel is a 2 x 2 block) are the painted
    // ones, strictly for straight lines and within the edge's antialiasing
    // for sloping ones.  Before, lines printed with round ends half their
    // width beyond both ends, sloping lines half a width low, and lines
    // sloping up a pixel off.
    void linesPrintTheInkTheSurfaceShows()
    {
        const QSize card(160, 100);
        int compared = 0;
        for (TLineStyle style : {stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown})
            for (int width : {1, 2, 3, 4, 5, 6, 8, 11})
                for (TPenStyle dash : {psSolid, psDash}) {
                    TGLineShape line;
                    line.SetBounds(13, 17, 111, 61);
                    line.SetLineStyle(style);
                    TGPen pen;
                    pen.Color = clNavy;
                    pen.Width = width;
                    pen.Style = dash;
                    line.SetPen(pen);
                    QImage screen(card, QImage::Format_RGB32);
                    screen.fill(Qt::white);
                    {
                        QPainter painter(&screen);
                        line.PaintTo(painter, line.Left(), line.Top());
                    }
                    for (int dpi : {96, 192}) {
                        const int k = dpi / 96;
                        QImage page(card * k, QImage::Format_RGB32);
                        page.fill(Qt::white);
                        {
                            engine::TCanvasReport report(page, dpi, dpi);
                            report.SetProcessEvents({});
                            report.OnPrint = [&](engine::TBaseReport &r) { line.PrintTo(r, 0, 0); };
                            report.Execute();
                        }
                        const bool sloping = style == stAngleSlopingUp || style == stAngleSlopingDown;
                        int differing = 0;
                        for (int y = 0; y < card.height(); ++y)
                            for (int x = 0; x < card.width(); ++x) {
                                int dark = 0;
                                for (int j = 0; j < k; ++j)
                                    for (int i = 0; i < k; ++i)
                                        dark += qGray(page.pixel(x * k + i, y * k + j)) < 128;
                                const bool printed = dark * 2 > k * k;
                                if (printed != (qGray(screen.pixel(x, y)) < 128))
                                    ++differing;
                            }
                        // A sloping edge's pixels may fall either way (a thin
                        // line is stepped on the surface, filled on paper): at
                        // most one pixel for each pixel of the line's length.
                        const int allowed = sloping ? int(std::hypot(111.0, 61.0)) : 0;
                        QVERIFY2(
                            differing <= allowed,
                            qPrintable(QStringLiteral("style %1 width %2 dash %3 at %4 dpi: %5 pixels differ")
                                           .arg(int(style))
                                           .arg(width)
                                           .arg(int(dash))
                                           .arg(dpi)
                                           .arg(differing)));
                        ++compared;
                    }
                }
        QCOMPARE(compared, 4 * 8 * 2 * 2);
    }
};

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"

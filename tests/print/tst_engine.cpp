// The report engine on a plain image: job order, status line, abort, pen
// widths, inch-to-device arithmetic and where shapes, text and clips put ink.
#include "app/model/Exception.h"
#include "print/engine/TCanvasReport.h"

#include <QImage>
#include <QtTest>

using namespace cw::engine;

namespace {

// Bounding box of the pixels darker than mid-grey (or of one colour).
QRect InkBounds(const QImage &image, QRect within = QRect())
{
    if (within.isNull())
        within = image.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool Dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

QImage WhiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// A report whose device has no printer, for the job's refusal.
class TNoPrinterReport : public TCanvasReport
{
public:
    explicit TNoPrinterReport(QImage &image) : TCanvasReport(image, 100, 100) {}
    bool HasPrinter() const override { return false; }
};

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void statusFormatExpansion_data();
    void statusFormatExpansion();
    void statusUpdatesReachLabelAndLetEventsRun();
    void jobCallsHandlersInOrderAndCountsPages();
    void noPrinterRefusesTheJob();
    void abortStopsDrawingAndSurvivesExecute();
    void penWidthRules();
    void inchesToDeviceSubtractUnprintableOffset();
    void rectangleEllipseAndLinesLandOnInchPositions();
    void wideOutlinesStayInsideTheirBox();
    void polygonAndFillRectWorkInDevicePixels();
    void clipRegionsLimitFills();
    void textStandsOnTheBaseline();
    void textPathAsClip();
    void stretchDrawFillsTheDeviceRectangle();
    void stateResetsAtEachJob();
    void patternBrushesAndPenModes();
    void dashesAreCardPixelsAndNopDrawsNothing();
    void pictureTextScalesWithTheStretch();
};

void TestEngine::statusFormatExpansion_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");

    QTest::newRow("page and lines") << "Printing Page %p\r%0\r%1" << 3 << QStringList{"a", "b"}
                                    << "Printing Page 3\ra\rb";
    QTest::newRow("upper-case page") << "Page %P of many" << 12 << QStringList{} << "Page 12 of many";
    QTest::newRow("missing lines are empty") << "[%0][%9]" << 1 << QStringList{"x"} << "[x][]";
    QTest::newRow("doubled percent") << "100%% sure, %%p" << 2 << QStringList{} << "100% sure, %p";
    QTest::newRow("other percent signs stay")
        << "%x and 50% and %" << 1 << QStringList{} << "%x and 50% and %";
    QTest::newRow("closing text") << "\rBusiness Card Print Canceled!" << 4 << QStringList{}
                                  << "\rBusiness Card Print Canceled!";
}

void TestEngine::statusFormatExpansion()
{
    QFETCH(QString, format);
    QFETCH(int, page);
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    QCOMPARE(TBaseReport::ExpandStatus(format, page, lines), expected);
}

void TestEngine::statusUpdatesReachLabelAndLetEventsRun()
{
    QImage image = WhiteImage(10, 10);
    TCanvasReport report(image, 100, 100);
    QStringList shown;
    int eventRuns = 0;
    report.SetStatusLabel([&](const QString &text) { shown << text; });
    report.SetProcessEvents([&] { ++eventRuns; });
    report.SetStatusFormat(QStringLiteral("Preparing Preview Page %p\r%0\r%1"));
    report.StatusText() << QString() << QStringLiteral("two");
    report.UpdateStatus();
    QCOMPARE(shown, QStringList{"Preparing Preview Page 0\n\ntwo"});
    QCOMPARE(report.StatusString(), QStringLiteral("Preparing Preview Page 0\r\rtwo"));
    QCOMPARE(eventRuns, 1);
}

void TestEngine::jobCallsHandlersInOrderAndCountsPages()
{
    QImage image = WhiteImage(10, 10);
    TCanvasReport report(image, 100, 100);
    QStringList trace;
    report.SetStatusFormat(QStringLiteral("Page %p"));
    report.SetStatusLabel([&](const QString &text) { trace << text; });
    report.OnBeforePrint = [&](TBaseReport &r) {
        trace << QStringLiteral("before %1").arg(r.CurrentPage());
        r.SetStatusFormat(QStringLiteral("Printing Page %p"));
    };
    report.OnPrint = [&](TBaseReport &r) {
        trace << QStringLiteral("print %1").arg(r.CurrentPage());
        r.NewPage();
        r.NewPage();
        trace << QStringLiteral("last %1").arg(r.CurrentPage());
    };
    report.OnAfterPrint = [&](TBaseReport &r) { trace << QStringLiteral("after %1").arg(r.Printing()); };
    report.Execute();
    QCOMPARE(trace, (QStringList{"before 0", "Printing Page 1", "print 1", "Printing Page 2",
                                 "Printing Page 3", "last 3", "after 0"}));

    // A failing handler ends the job and reaches the caller.
    report.OnPrint = [](TBaseReport &) { throw cw::Exception(QStringLiteral("object failed")); };
    QVERIFY_THROWS_EXCEPTION(cw::Exception, report.Execute());
    QVERIFY(!report.Printing());
    report.ClearEvents();
    QVERIFY(!report.OnPrint && !report.OnBeforePrint && !report.OnAfterPrint && !report.OnNewPage);
}

void TestEngine::noPrinterRefusesTheJob()
{
    QImage image = WhiteImage(10, 10);
    TNoPrinterReport report(image);
    bool printed = false;
    report.OnPrint = [&](TBaseReport &) { printed = true; };
    try {
        report.Execute();
        QFAIL("the job ran without a printer");
    } catch (const cw::Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("No printers are defined, aborting print job."));
    }
    QVERIFY(!printed);
}

void TestEngine::abortStopsDrawingAndSurvivesExecute()
{
    QImage image = WhiteImage(300, 300);
    TCanvasReport report(image, 100, 100);
    int lastPage = 0;
    report.OnPrint = [&](TBaseReport &r) {
        r.SetBrush(Qt::black, Qt::SolidPattern);
        r.Rectangle(0.1, 0.1, 0.5, 0.5);
        r.Abort();
        r.Rectangle(1.0, 1.0, 2.0, 2.0);
        r.FillRect(QRect(150, 10, 20, 20));
        r.Canvas().fillRect(QRect(200, 200, 50, 50), Qt::black);
        // Composition that runs "until the last sheet" must still end.
        while (r.CurrentPage() < 3)
            r.NewPage();
        lastPage = r.CurrentPage();
    };
    report.Execute();
    QVERIFY(report.Aborted());
    QCOMPARE(lastPage, 3);
    QVERIFY(Dark(image, 30, 30));
    QCOMPARE(InkBounds(image), QRect(QPoint(10, 10), QPoint(49, 49)));

    // The next job starts afresh.
    report.OnPrint = [](TBaseReport &r) {
        r.SetBrush(Qt::black, Qt::SolidPattern);
        r.Rectangle(1.0, 1.0, 2.0, 2.0);
    };
    report.Execute();
    QVERIFY(!report.Aborted());
    QVERIFY(Dark(image, 150, 150));
}

void TestEngine::penWidthRules()
{
    QImage image = WhiteImage(10, 10);
    TCanvasReport at600(image, 600, 600);
    QCOMPARE(at600.PenWidthPixels(-1), 6); // a hundredth of an inch
    QCOMPARE(at600.PenWidthPixels(-3), 18);
    QCOMPARE(at600.PenWidthPixels(0), 1);
    QCOMPARE(at600.PenWidthPixels(4), 4); // positive widths are device pixels
    TCanvasReport at96(image, 96, 96);
    QCOMPARE(at96.PenWidthPixels(-1), 1);
    QCOMPARE(at96.PenWidthPixels(-25), 24);
    TCanvasReport at50(image, 50, 50);
    QCOMPARE(at50.PenWidthPixels(-1), 1); // half a pixel: still one pixel
    QCOMPARE(at50.PenWidthPixels(-3), 1.5); // fractions are kept
    // A pen as wide as six card pixels (1/16 inch) is as wide on paper.
    QCOMPARE(at600.PenWidthPixels(-6 * 100 / 96.0), 37.5);

    // A -1 pen draws six pixels wide at 600 dpi.
    QImage wide = WhiteImage(600, 100);
    TCanvasReport report(wide, 600, 600);
    report.OnPrint = [](TBaseReport &r) {
        r.SetPen(Qt::black, Qt::SolidLine, -1, TPenMode::pmCopy);
        r.MoveTo(0.1, 0.1);
        r.LineTo(0.9, 0.1);
    };
    report.Execute();
    const QRect ink = InkBounds(wide);
    QCOMPARE(ink.height(), 6);
    QVERIFY(ink.top() <= 60 && ink.bottom() >= 60);
}

void TestEngine::inchesToDeviceSubtractUnprintableOffset()
{
    QImage image = WhiteImage(10, 10);
    TCanvasReport report(image, 300, 300, 75, 60);
    QCOMPARE(report.UnprintableLeft(), 0.25);
    QCOMPARE(report.UnprintableTop(), 0.2);
    QCOMPARE(report.XI2D(1.0), 225);
    QCOMPARE(report.YI2D(1.0), 240);
    QCOMPARE(report.XI2D(0.0), -75);
    QCOMPARE(report.CreateRect(1.0, 1.0, 2.0, 2.5), QRect(QPoint(225, 240), QPoint(524, 689)));
    // Halves go to the even pixel.
    TCanvasReport at64(image, 64, 64);
    QCOMPARE(at64.XI2D(2.5 / 64), 2);
    QCOMPARE(at64.XI2D(3.5 / 64), 4);
    QCOMPARE(at64.YI2D(-2.5 / 64), -2);
    QCOMPARE(report.WidthToDevice(0.01), 3);
    QCOMPARE(report.XD2I(225), 1.0);
    report.SetUnitsFactor(2.0); // two units per inch
    QCOMPARE(report.XI2D(2.0), 225);
}

void TestEngine::rectangleEllipseAndLinesLandOnInchPositions()
{
    QImage image = WhiteImage(400, 400);
    TCanvasReport report(image, 100, 100, 10, 20);
    report.OnPrint = [](TBaseReport &r) {
        r.Rectangle(1.0, 1.0, 2.0, 1.5); // device 90..189 x 80..129
        r.Ellipse(0.5, 2.5, 1.5, 3.5);   // device 40..139 x 230..329
        r.MoveTo(2.5, 0.5);              // device 240, 30
        r.LineTo(3.5, 0.5);
        r.MoveTo(3.8, 1.0);
        r.LineTo(3.8, 2.0);
    };
    report.Execute();

    QCOMPARE(InkBounds(image, QRect(60, 60, 160, 100)), QRect(QPoint(90, 80), QPoint(189, 129)));
    QVERIFY(Dark(image, 90, 100) && Dark(image, 189, 100) && Dark(image, 140, 80) && Dark(image, 140, 129));
    QVERIFY(!Dark(image, 140, 100)); // the brush is clear at the start of a job
    const QRect ellipse = InkBounds(image, QRect(20, 210, 150, 150));
    QVERIFY2(std::abs(ellipse.left() - 40) <= 1 && std::abs(ellipse.right() - 139) <= 1 &&
                 std::abs(ellipse.top() - 230) <= 1 && std::abs(ellipse.bottom() - 329) <= 1,
             qPrintable(QStringLiteral("ellipse ink %1,%2 %3,%4")
                            .arg(ellipse.left())
                            .arg(ellipse.top())
                            .arg(ellipse.right())
                            .arg(ellipse.bottom())));
    QCOMPARE(InkBounds(image, QRect(220, 0, 150, 60)), QRect(QPoint(240, 30), QPoint(339, 30)));
    QCOMPARE(InkBounds(image, QRect(350, 60, 49, 120)), QRect(QPoint(370, 80), QPoint(370, 179)));
}

// A wide outline lies inside the shape's rectangle, as the surface draws it,
// so a shape with a thick pen is no larger on paper than on screen.
void TestEngine::wideOutlinesStayInsideTheirBox()
{
    QImage image = WhiteImage(400, 300);
    TCanvasReport report(image, 100, 100, 10, 20);
    report.OnPrint = [](TBaseReport &r) {
        r.SetPen(Qt::black, Qt::SolidLine, -8, TPenMode::pmCopy); // 8 device pixels
        r.Rectangle(1.0, 1.0, 2.0, 1.5);                          // device 90..189 x 80..129
        r.RoundRect(2.5, 1.0, 3.5, 2.0, 0.3, 0.3);                // device 240..339 x 80..179
        r.Ellipse(0.5, 2.0, 1.5, 2.8);                            // device 40..139 x 180..259
    };
    report.Execute();
    QCOMPARE(InkBounds(image, QRect(60, 50, 170, 110)), QRect(QPoint(90, 80), QPoint(189, 129)));
    QVERIFY(Dark(image, 97, 100) && !Dark(image, 99, 100)); // 8 pixels of outline, inside
    const QRect round = InkBounds(image, QRect(220, 50, 170, 160));
    QVERIFY2(round.left() >= 240 && round.right() <= 339 && round.top() >= 80 && round.bottom() <= 179,
             qPrintable(QStringLiteral("%1,%2 %3,%4")
                            .arg(round.left())
                            .arg(round.top())
                            .arg(round.right())
                            .arg(round.bottom())));
    const QRect ellipse = InkBounds(image, QRect(0, 165, 170, 110));
    QVERIFY2(ellipse.left() >= 40 && ellipse.right() <= 139 && ellipse.top() >= 180 &&
                 ellipse.bottom() <= 259,
             qPrintable(QStringLiteral("%1,%2 %3,%4")
                            .arg(ellipse.left())
                            .arg(ellipse.top())
                            .arg(ellipse.right())
                            .arg(ellipse.bottom())));
    QVERIFY(ellipse.left() <= 41 && ellipse.bottom() >= 258);
}

void TestEngine::polygonAndFillRectWorkInDevicePixels()
{
    QImage image = WhiteImage(200, 200);
    TCanvasReport report(image, 100, 100, 10, 10);
    report.OnPrint = [](TBaseReport &r) {
        r.SetBrush(Qt::black, Qt::SolidPattern);
        r.FillRect(QRect(QPoint(5, 5), QPoint(24, 14))); // right and bottom included
        r.SetPen(Qt::black, Qt::SolidLine, 1, TPenMode::pmCopy);
        r.SetBrush(Qt::white, Qt::NoBrush);
        r.Polygon(QPolygon({QPoint(100, 100), QPoint(150, 100), QPoint(125, 150)}));
    };
    report.Execute();
    QCOMPARE(InkBounds(image, QRect(0, 0, 60, 60)), QRect(QPoint(5, 5), QPoint(24, 14)));
    const QRect triangle = InkBounds(image, QRect(80, 80, 100, 100));
    QVERIFY(std::abs(triangle.left() - 100) <= 1 && std::abs(triangle.right() - 150) <= 1);
    QVERIFY(std::abs(triangle.top() - 100) <= 1 && std::abs(triangle.bottom() - 150) <= 1);
    QVERIFY(!Dark(image, 125, 120)); // outline only
}

void TestEngine::clipRegionsLimitFills()
{
    QImage image = WhiteImage(300, 300);
    TCanvasReport report(image, 100, 100);
    report.OnPrint = [](TBaseReport &r) {
        r.SetBrush(Qt::black, Qt::SolidPattern);
        QPainterPath ellipse = r.CreateEllipticRegion(0.5, 0.5, 1.5, 1.5);
        r.SelectClipRegion(ellipse);
        r.FillRect(QRect(0, 0, 300, 300));
        r.ClearClip();
        QPainterPath triangle =
            r.CreatePolygonRegion(QPolygon({QPoint(200, 200), QPoint(280, 200), QPoint(200, 280)}));
        r.SelectClipRegion(triangle);
        r.FillRect(QRect(150, 150, 150, 150));
        r.ClearClip();
    };
    report.Execute();
    const QRect circle = InkBounds(image, QRect(0, 0, 180, 180));
    QVERIFY(std::abs(circle.left() - 50) <= 1 && std::abs(circle.right() - 149) <= 1);
    QVERIFY(!Dark(image, 55, 55)); // outside the circle, inside its square
    QVERIFY(Dark(image, 100, 100));
    QVERIFY(Dark(image, 210, 210));
    QVERIFY(!Dark(image, 270, 270)); // beyond the triangle's diagonal
}

void TestEngine::textStandsOnTheBaseline()
{
    QImage image = WhiteImage(400, 300);
    TCanvasReport report(image, 100, 100, 10, 10);
    double height = 0, width = 0, xAfter = 0;
    report.OnPrint = [&](TBaseReport &r) {
        r.SetFont(QStringLiteral("Arial"), 72); // one inch em: 100 px
        height = r.FontHeight();
        width = r.TextWidth(QStringLiteral("H"));
        r.SetTransparentText(true);
        r.PrintXY(1.0, 2.0, QStringLiteral("H"));
        xAfter = r.XPos();
    };
    report.Execute();
    QCOMPARE(height, 1.0);
    QCOMPARE(xAfter, 1.0 + width);
    const QRect ink = InkBounds(image);
    QVERIFY(!ink.isNull());
    // The baseline is device row 190: the letter's foot sits on it, its cap
    // height (about 0.72 em in Arial) above.
    QVERIFY2(std::abs(ink.bottom() - 189) <= 1, qPrintable(QString::number(ink.bottom())));
    QVERIFY2(ink.top() > 190 - 80 && ink.top() < 190 - 64, qPrintable(QString::number(ink.top())));
    QVERIFY(ink.left() >= 90 && ink.left() < 110);
}

void TestEngine::textPathAsClip()
{
    QImage image = WhiteImage(400, 200);
    TCanvasReport report(image, 100, 100);
    report.OnPrint = [](TBaseReport &r) {
        r.SetFont(QStringLiteral("Arial"), 72);
        r.SetTransparentText(true);
        r.BeginPath();
        r.PrintXY(0.5, 1.5, QStringLiteral("I"));
        r.EndPath();
        r.SelectClipPath();
        r.SetBrush(Qt::black, Qt::SolidPattern);
        r.FillRect(QRect(0, 0, 400, 200));
        r.ClearClip();
    };
    report.Execute();
    const QRect ink = InkBounds(image);
    QVERIFY(!ink.isNull());
    // Only the letter's stem is filled: narrow, standing on row 150.
    QVERIFY(ink.width() < 20);
    QVERIFY(std::abs(ink.bottom() - 149) <= 1);
    QVERIFY(ink.left() >= 50);
}

void TestEngine::stretchDrawFillsTheDeviceRectangle()
{
    QImage image = WhiteImage(300, 300);
    TCanvasReport report(image, 100, 100);
    QPicture picture;
    {
        QPainter p(&picture);
        p.fillRect(QRect(0, 0, 40, 20), Qt::black);
    }
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    report.OnPrint = [&](TBaseReport &r) {
        r.StretchDraw(r.CreateRect(0.1, 0.1, 0.9, 0.5), QSizeF(10, 10),
                      [](QPainter &p) { p.fillRect(QRectF(0, 0, 10, 10), Qt::black); });
        r.StretchDraw(r.CreateRect(1.0, 1.0, 2.0, 1.5), picture, QRectF(0, 0, 40, 20));
        r.PrintBitmapRect(2.0, 2.0, 2.5, 2.9, bitmap);
    };
    report.Execute();
    QCOMPARE(InkBounds(image, QRect(0, 0, 95, 95)), QRect(QPoint(10, 10), QPoint(89, 49)));
    QCOMPARE(InkBounds(image, QRect(QPoint(95, 95), QPoint(199, 160))),
             QRect(QPoint(100, 100), QPoint(199, 149)));
    QCOMPARE(InkBounds(image, QRect(QPoint(195, 195), QPoint(299, 299))),
             QRect(QPoint(200, 200), QPoint(249, 289)));
}

void TestEngine::stateResetsAtEachJob()
{
    QImage image = WhiteImage(10, 10);
    TCanvasReport report(image, 100, 100);
    report.OnPrint = [](TBaseReport &r) {
        r.SetPen(Qt::red, Qt::DashLine, -3, TPenMode::pmXor);
        r.SetBrush(Qt::blue, Qt::SolidPattern);
        r.SetFont(QStringLiteral("Courier New"), 20);
    };
    report.Execute();
    QCOMPARE(report.PenWidth(), -3);
    report.OnPrint = nullptr;
    report.Execute();
    QCOMPARE(report.PenColor(), QColor(Qt::black));
    QCOMPARE(report.PenStyle(), Qt::SolidLine);
    QCOMPARE(report.PenWidth(), 1);
    QCOMPARE(report.PenMode(), TPenMode::pmCopy);
    QCOMPARE(report.BrushStyle(), Qt::NoBrush);
    QCOMPARE(report.FontName(), QStringLiteral("Arial"));
    QCOMPARE(report.FontSize(), 10.0);
}

void TestEngine::patternBrushesAndPenModes()
{
    QImage image = WhiteImage(100, 100);
    image = image.convertToFormat(QImage::Format_RGB32); // raster operations need an opaque image
    TCanvasReport report(image, 100, 100);
    QImage checker(2, 2, QImage::Format_Mono);
    checker.setColor(0, qRgb(0, 0, 0));
    checker.setColor(1, qRgb(255, 255, 255));
    checker.setPixel(0, 0, 0);
    checker.setPixel(1, 1, 0);
    checker.setPixel(1, 0, 1);
    checker.setPixel(0, 1, 1);
    report.OnPrint = [&](TBaseReport &r) {
        // A monochrome pattern paints its dark bits in the brush colour.
        r.SetBrush(Qt::red, Qt::SolidPattern, checker);
        r.FillRect(QRect(0, 0, 10, 10));
        // A pen mode is an ink, the same on every device: xor over white
        // card stock, painted once or twice (never the paper given back, as
        // a printer could not do it).
        r.SetPen(Qt::black, Qt::NoPen, 1, TPenMode::pmXor);
        r.SetBrush(Qt::blue, Qt::SolidPattern);
        r.Rectangle(0.5, 0.5, 0.9, 0.9);
        r.Rectangle(0.5, 0.5, 0.7, 0.7);
    };
    report.Execute();
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(image.pixel(1, 0)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(1, 1)), QColor(Qt::red));
    QCOMPARE(QColor(image.pixel(9, 8)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(60, 60)), QColor(Qt::yellow)); // painted twice
    QCOMPARE(QColor(image.pixel(80, 80)), QColor(Qt::yellow)); // white xor blue once

    // Horizontal hatches on a 192-dpi device: a 2-pixel line every 16 pixels,
    // as 1 in 8 on the screen.
    QImage hatched = WhiteImage(64, 64);
    TCanvasReport fine(hatched, 192, 192);
    fine.OnPrint = [](TBaseReport &r) {
        r.SetBrush(Qt::black, Qt::HorPattern);
        r.FillRect(QRect(0, 0, 64, 64));
    };
    fine.Execute();
    QList<int> rows;
    for (int y = 0; y < 64; ++y)
        if (Dark(hatched, 30, y))
            rows << y;
    QCOMPARE(rows.size(), 8);
    QCOMPARE(rows.at(2) - rows.at(0), 16);
    QCOMPARE(rows.at(1) - rows.at(0), 1);
}

// A label records itself as a picture in card pixels with a point-size font;
// stretched over its inch rectangle the letters keep their size in inches.
void TestEngine::dashesAreCardPixelsAndNopDrawsNothing()
{
    // At 192 dpi a card pixel is two device pixels: a dash of 18 card pixels
    // is 36 dots long and its gap 12, whatever the pen's width.
    QImage image = WhiteImage(200, 100);
    TCanvasReport report(image, 192, 192);
    report.OnPrint = [](TBaseReport &r) {
        r.SetPen(Qt::black, Qt::DashLine, -3, TPenMode::pmCopy);
        r.MoveTo(0, 0.25);
        r.LineTo(1, 0.25);
        // pmNop leaves outline and fill out.
        r.SetPen(Qt::black, Qt::SolidLine, -3, TPenMode::pmNop);
        r.SetBrush(Qt::blue, Qt::SolidPattern);
        r.Rectangle(0.1, 0.3, 0.9, 0.5);
    };
    report.Execute();
    QList<int> starts;
    for (int x = 0; x < 192; ++x)
        if (Dark(image, x, 48) && (x == 0 || !Dark(image, x - 1, 48)))
            starts << x;
    QCOMPARE(starts.mid(0, 4), QList<int>({0, 48, 96, 144}));
    QVERIFY(Dark(image, 35, 48));
    QVERIFY(!Dark(image, 36, 48) && !Dark(image, 47, 48));
    QCOMPARE(InkBounds(image, QRect(0, 55, 200, 45)), QRect());
    QCOMPARE(QColor(image.pixel(96, 80)), QColor(Qt::white));
}

void TestEngine::pictureTextScalesWithTheStretch()
{
    QPicture label;
    {
        QPainter p(&label);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(72.0 * label.logicalDpiY() / 96.0); // one inch em at 96 card pixels per inch
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPointF(10, 150), QStringLiteral("H"));
    }
    QImage image = WhiteImage(700, 700);
    TCanvasReport report(image, 300, 300);
    report.OnPrint = [&](TBaseReport &r) {
        // The label is 192 x 192 card pixels: two inches square on paper.
        r.StretchDraw(r.CreateRect(0.0, 0.0, 2.0, 2.0), label, QRectF(0, 0, 192, 192));
    };
    report.Execute();
    const QRect ink = InkBounds(image);
    QVERIFY(!ink.isNull());
    // Baseline at 150 card pixels = 468.75 device pixels; cap height about
    // 0.72 inch = 215 pixels.
    QVERIFY2(std::abs(ink.bottom() - 468) <= 3, qPrintable(QString::number(ink.bottom())));
    QVERIFY2(std::abs(ink.height() - 215) <= 12, qPrintable(QString::number(ink.height())));
}

QTEST_MAIN(TestEngine)
#include "tst_engine.moc"

// Printing of the text labels through the print engine: the label is
// recorded as a picture and stretched into its inch rectangle, so the text,
// its copies and the border land inside that rectangle and scale with it.
#include "TextTestSupport.h"
#include "print/engine/TCanvasReport.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "print/engine/Units.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGPLabel.h"

#include <QBuffer>
#include <QTest>

using namespace cw;
using namespace cw::model;
using namespace cw::engine;

namespace {

// Prints one object for a card cell at (cellLeft, cellTop) inches on a
// Letter page recorded by the engine, and renders the page at `dpi`.
QImage PrintPage(TGGraphicControl &object, double cellLeft, double cellTop, double dpi)
{
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [&](TBaseReport &r) { object.PrintTo(r, cellLeft, cellTop); };
    filer.Execute();
    TReportReader reader;
    if (!reader.Load(data))
        return {};
    return reader.RenderPage(1, dpi);
}

// The object's rectangle on the page in pixels at `dpi`.
QRect InchRect(const TGGraphicControl &o, double cellLeft, double cellTop, double dpi)
{
    const double ppi = 96.0;
    const QPointF tl((cellLeft + o.Left() / ppi) * dpi, (cellTop + o.Top() / ppi) * dpi);
    const QPointF br((cellLeft + (o.Left() + o.Width()) / ppi) * dpi,
                     (cellTop + (o.Top() + o.Height()) / ppi) * dpi);
    return QRectF(tl, br).toAlignedRect();
}

} // namespace

class TestLabelPrint : public QObject
{
    Q_OBJECT
private slots:
    void textInkLiesInTheInchRectangle_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::newRow("150 dpi") << 150.0;
        QTest::newRow("300 dpi") << 300.0;
    }

    void textInkLiesInTheInchRectangle()
    {
        QFETCH(double, dpi);
        TGPLabel label;
        label.SetCaption("HHHH");
        label.SetBounds(48, 24, 142, 33);
        label.CalcLayout();
        const QImage screen = test::Render(label);
        const QRect screenInk = test::InkBounds(screen);
        QVERIFY(!screenInk.isEmpty());

        const QImage page = PrintPage(label, 1.0, 0.5, dpi);
        QVERIFY(!page.isNull());
        const QRect area = InchRect(label, 1.0, 0.5, dpi);
        const QRect ink = test::InkBounds(page);
        QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(ink), qPrintable(QString("ink %1,%2 %3x%4 outside")
                                                                           .arg(ink.x())
                                                                           .arg(ink.y())
                                                                           .arg(ink.width())
                                                                           .arg(ink.height())));
        // The font scales with the position: the ink is the screen's ink
        // times dpi / 96 (glyph hinting allows a little slack).
        const double scale = dpi / 96.0;
        QVERIFY(qAbs(ink.height() - screenInk.height() * scale) <= 2 * scale);
        QVERIFY(qAbs(ink.width() - screenInk.width() * scale) <= 2 * scale);
        QVERIFY(qAbs(ink.left() - (area.left() + screenInk.left() * scale)) <= 2 * scale);
        QVERIFY(qAbs(ink.top() - (area.top() + screenInk.top() * scale)) <= 2 * scale);
    }

    void borderAndBackgroundFillTheRectangle()
    {
        TGPLabel label;
        label.SetCaption("x");
        label.SetBounds(96, 96, 96, 48);
        label.SetBorderStyle(bsSingle);
        label.SetTransparent(false);
        label.SetBackColor(clYellow);
        label.CalcLayout();
        const double dpi = 192;
        const QImage page = PrintPage(label, 0.25, 0.25, dpi);
        const QRect area = InchRect(label, 0.25, 0.25, dpi);
        // Everything not white is the label; it fills its rectangle exactly.
        const QRect ink = test::InkBounds(page);
        QVERIFY(qAbs(ink.left() - area.left()) <= 1);
        QVERIFY(qAbs(ink.top() - area.top()) <= 1);
        QVERIFY(qAbs(ink.right() - area.right()) <= 1);
        QVERIFY(qAbs(ink.bottom() - area.bottom()) <= 1);
        // The border scales with the picture: two device pixels at twice the screen's resolution.
        QVERIFY(qGray(page.pixel(area.left() + 1, area.center().y())) < 64);
        QCOMPARE(page.pixelColor(area.center().x(), area.bottom() - 4), QColor(Qt::yellow));
    }

    void shadowScalesWithThePrint()
    {
        TGPLabel label;
        label.SetCaption("HH");
        label.SetBounds(0, 0, 142, 33);
        label.SetDepthShadow(3);
        label.SetDirectionShadow(sdRight);
        label.SetColorShadow(clRed);
        label.CalcLayout();
        const double dpi = 288; // three times the screen
        const QImage page = PrintPage(label, 1, 1, dpi);
        const QRect black = test::ColourBounds(page, Qt::black);
        const QRect red = test::ColourBounds(page, Qt::red);
        QVERIFY(!black.isEmpty() && !red.isEmpty());
        QVERIFY(qAbs((red.right() - black.right()) - 9) <= 3);
    }

    void copiesMoveByTheZoomedDepth_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::newRow("100 %") << 1.0f;
        QTest::newRow("150 %") << 1.5f;
        QTest::newRow("200 %") << 2.0f;
    }

    // Paper enlarges the whole label, copies included; the screen must
    // enlarge the copies' distance with the font when zoomed.
    void copiesMoveByTheZoomedDepth()
    {
        QFETCH(float, zoom);
        TGPLabel label;
        label.SetZoom(zoom);
        label.SetCaption("HH");
        label.SetBounds(0, 0, 300, 90);
        label.SetDepthShadow(3);
        label.SetDirectionShadow(sdRight);
        label.SetColorShadow(clRed);
        label.SetDepthHighlight(2);
        label.SetDirectionHighlight(hdUp);
        label.SetColorHighlight(clBlue);
        label.CalcLayout();
        const QImage shown = test::Render(label);
        // Ink of one colour: the glyph's coverage above one half, measured
        // the same way for the text and its copies.
        auto bounds = [&shown](bool red, bool blue) {
            QRect r;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const QColor c = shown.pixelColor(x, y);
                    if ((c.red() > 127) == red && c.green() < 128 && (c.blue() > 127) == blue)
                        r |= QRect(x, y, 1, 1);
                }
            return r;
        };
        const QRect text = bounds(false, false), shadow = bounds(true, false),
                    highlight = bounds(false, true);
        QVERIFY(!text.isEmpty() && !shadow.isEmpty() && !highlight.isEmpty());
        QCOMPARE(shadow.right() - text.right(), cw::Round(3 * double(zoom)));
        QCOMPARE(text.top() - highlight.top(), cw::Round(2 * double(zoom)));
        QCOMPARE(shadow.bottom(), text.bottom());
    }

    void multiLineLabelPrintsItsLines()
    {
        TGMultiLineLabel label;
        label.SetItems({"HHH", "HHH"});
        label.SetBounds(48, 48, 120, 40);
        label.FitToLines();
        const double dpi = 200;
        const QImage page = PrintPage(label, 0.5, 0.5, dpi);
        const QRect area = InchRect(label, 0.5, 0.5, dpi);
        const QRect ink = test::InkBounds(page);
        QVERIFY(!ink.isEmpty());
        QVERIFY(area.adjusted(-1, -1, 1, 1).contains(ink));
        // Two lines: the ink spans most of the two-line box.
        QVERIFY(ink.height() > area.height() / 2);
    }
};

QTEST_MAIN(TestLabelPrint)
#include "tst_label_print.moc"

// Every object prints with its own colours, whatever was printed before it.
// A label is recorded as a picture that only holds the state it changed from
// a fresh painter's; replayed on a painter that still carries the previous
// shape's pen or brush, black text came out in that shape's colour and a
// bordered label became a bar of the shape's fill.  Each case prints a shape
// or line, then a label, through the print engine onto a page image, onto a
// recorded page (what preview shows), and paints the same objects as the
// screen does, and checks the colour of the label's ink block by block.
#include "design/model/TGLabelShapes.h"
#include "design/model/TGLineShape.h"
#include "print/engine/TCanvasReport.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "print/engine/Units.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGPLabel.h"

#include <QBuffer>
#include <QPainter>
#include <QTest>
#include <functional>
#include <memory>

using namespace cw;
using namespace cw::model;
using namespace cw::engine;

namespace {

constexpr double Dpi = 192; // two device pixels per card pixel
constexpr double CellLeft = 0.5, CellTop = 0.25;

using Objects = std::vector<TGGraphicControl *>;

QImage PrintOnImage(const Objects &objects)
{
    QImage page(cw::Round(4 * Dpi), cw::Round(3 * Dpi), QImage::Format_RGB32);
    page.fill(Qt::white);
    TCanvasReport report(page, Dpi, Dpi);
    report.OnPrint = [&](TBaseReport &r) {
        for (TGGraphicControl *o : objects)
            o->PrintTo(r, CellLeft, CellTop);
    };
    report.Execute();
    return page;
}

QImage PrintRecorded(const Objects &objects)
{
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [&](TBaseReport &r) {
        for (TGGraphicControl *o : objects)
            o->PrintTo(r, CellLeft, CellTop);
    };
    filer.Execute();
    TReportReader reader;
    if (!reader.Load(data))
        return {};
    return reader.RenderPage(1, Dpi);
}

// The screen: every object painted in z-order with one painter, as the
// surface and the picture export do, scaled to the page's resolution.
QImage PaintOnScreen(const Objects &objects)
{
    QImage page(cw::Round(4 * Dpi), cw::Round(3 * Dpi), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.translate(CellLeft * Dpi, CellTop * Dpi);
    painter.scale(Dpi / 96, Dpi / 96);
    for (TGGraphicControl *o : objects)
        o->PaintTo(painter, o->Left(), o->Top());
    return page;
}

QRect DeviceRect(const TGGraphicControl &o)
{
    const double s = Dpi / 96;
    return QRect(cw::Round(CellLeft * Dpi + o.Left() * s), cw::Round(CellTop * Dpi + o.Top() * s),
                 cw::Round(o.Width() * s), cw::Round(o.Height() * s));
}

// Every inked pixel of `area` must be the expected ink laid over white at
// some coverage (anti-aliased edges are partly covered, never of another
// hue), checked in 6 x 6 blocks, and somewhere the ink must be solid (light
// grey text fails).  Returns an empty string when it is, else where not.
QString CheckInk(const QImage &image, const QRect &area, QColor expected, int tolerance = 40)
{
    const double e[3] = {255.0 - expected.red(), 255.0 - expected.green(), 255.0 - expected.blue()};
    const double ee = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
    double solidest = 0;
    for (int by = area.top(); by < area.bottom(); by += 6)
        for (int bx = area.left(); bx < area.right(); bx += 6)
            for (int y = by; y < std::min(by + 6, area.bottom()); ++y)
                for (int x = bx; x < std::min(bx + 6, area.right()); ++x) {
                    const QRgb p = image.pixel(x, y);
                    const double d[3] = {255.0 - qRed(p), 255.0 - qGreen(p), 255.0 - qBlue(p)};
                    if (d[0] + d[1] + d[2] < 3 * 20)
                        continue; // white paper
                    const double a = std::clamp((d[0] * e[0] + d[1] * e[1] + d[2] * e[2]) / ee, 0.0, 1.0);
                    solidest = std::max(solidest, a);
                    for (int c = 0; c < 3; ++c)
                        if (std::abs(d[c] - a * e[c]) > tolerance)
                            return QStringLiteral("block at %1,%2: pixel %3 is not %4 over white")
                                .arg(bx)
                                .arg(by)
                                .arg(QColor(p).name(), expected.name());
                }
    if (solidest < 0.75)
        return QStringLiteral("the ink is never solid %1 (at most %2 %)")
            .arg(expected.name())
            .arg(cw::Round(solidest * 100));
    return QString();
}

// The share of `area` that is inked: a label with a border and a clear
// inside must not print as a filled bar.
double InkedShare(const QImage &image, const QRect &area)
{
    int inked = 0;
    for (int y = area.top(); y < area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x)
            inked += qGray(image.pixel(x, y)) < 200;
    return double(inked) / (area.width() * area.height());
}

std::unique_ptr<TGGraphicControl> Line(TColor colour)
{
    auto line = std::make_unique<TGLineShape>();
    TGPen pen;
    pen.Color = colour;
    pen.Width = 3;
    line->SetPen(pen);
    line->SetBounds(10, 10, 200, 6);
    return line;
}

std::unique_ptr<TGGraphicControl> Shape(TColor outline, TColor fill)
{
    auto shape = std::make_unique<TGLabelShapes>();
    TGPen pen;
    pen.Color = outline;
    pen.Width = 2;
    shape->SetPen(pen);
    shape->SetBrush(TGBrush{fill, bsSolid});
    shape->SetBounds(10, 130, 60, 40);
    return shape;
}

std::unique_ptr<TGGraphicControl> Label(const QString &caption, int top, bool border)
{
    auto label = std::make_unique<TGPLabel>();
    label->SetCaption(caption);
    label->SetBounds(20, top, 180, 22);
    label->SetBorderStyle(border ? bsSingle : bsNone);
    label->CalcLayout();
    return label;
}

std::unique_ptr<TGGraphicControl> Lines(const QStringList &lines, int top)
{
    auto label = std::make_unique<TGMultiLineLabel>();
    label->SetItems(lines);
    label->SetBounds(20, top, 200, 40);
    return label;
}

const QColor Black(0, 0, 0);

} // namespace

class TestPainterState : public QObject
{
    Q_OBJECT

    using Render = std::function<QImage(const Objects &)>;

    static void addOutputs()
    {
        QTest::addColumn<int>("output");
        QTest::newRow("paper") << 0;
        QTest::newRow("recorded page (preview)") << 1;
        QTest::newRow("screen and export") << 2;
    }
    static QImage render(int output, const Objects &objects)
    {
        switch (output) {
        case 0:
            return PrintOnImage(objects);
        case 1:
            return PrintRecorded(objects);
        default:
            return PaintOnScreen(objects);
        }
    }

private slots:
    void blackTextAfterAColouredLineStaysBlack_data() { addOutputs(); }
    void blackTextAfterAColouredLineStaysBlack()
    {
        QFETCH(int, output);
        const auto line = Line(0x808000); // teal
        const auto name = Label(QStringLiteral("John Smith"), 30, false);
        const auto address = Lines({QStringLiteral("12 High Street"), QStringLiteral("Springfield")}, 60);
        const QImage page = render(output, {line.get(), name.get(), address.get()});
        QVERIFY(!page.isNull());
        QString fault = CheckInk(page, DeviceRect(*name), Black);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("label: ") + fault));
        fault = CheckInk(page, DeviceRect(*address), Black);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("multi-line label: ") + fault));
    }

    void blackTextAfterAnOutlinedShapeStaysBlack_data() { addOutputs(); }
    void blackTextAfterAnOutlinedShapeStaysBlack()
    {
        QFETCH(int, output);
        const auto shape = Shape(0x0000FF /* red */, 0xFFFFFF);
        const auto label = Label(QStringLiteral("Smith & Co"), 30, false);
        const QImage page = render(output, {shape.get(), label.get()});
        const QString fault = CheckInk(page, DeviceRect(*label), Black);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void borderedLabelAfterAFilledShapeKeepsItsClearInside_data() { addOutputs(); }
    void borderedLabelAfterAFilledShapeKeepsItsClearInside()
    {
        QFETCH(int, output);
        const auto shape = Shape(0xFF0000 /* blue */, 0xFF0000);
        const auto label = Label(QStringLiteral("Sales"), 30, true);
        const QImage page = render(output, {shape.get(), label.get()});
        const QRect area = DeviceRect(*label);
        const double share = InkedShare(page, area);
        QVERIFY2(share < 0.4, qPrintable(QString::number(share)));
        const QString fault = CheckInk(page, area, Black);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_MAIN(TestPainterState)
#include "tst_painterstate.moc"

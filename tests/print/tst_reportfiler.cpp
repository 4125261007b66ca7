// Recording pages into a memory stream and playing them back: geometry at
// any replay resolution, page count and sizes, aborted jobs and damaged
// streams.
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

using namespace cw::engine;

namespace {

QRect InkBounds(const QImage &image, QRect within)
{
    within = within.intersected(image.rect());
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

bool Near(const QRect &actual, const QRect &expected, int tolerance = 1)
{
    return std::abs(actual.left() - expected.left()) <= tolerance &&
           std::abs(actual.right() - expected.right()) <= tolerance &&
           std::abs(actual.top() - expected.top()) <= tolerance &&
           std::abs(actual.bottom() - expected.bottom()) <= tolerance;
}

QString Describe(const QRect &r)
{
    return QStringLiteral("%1,%2 - %3,%4").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

// A page with the primitives objects print with.
void DrawPage(TBaseReport &r)
{
    r.SetPen(Qt::black, Qt::SolidLine, -1, TPenMode::pmCopy);
    r.SetBrush(Qt::white, Qt::NoBrush);
    r.Rectangle(1.0, 1.0, 3.0, 2.0);
    r.SetPen(Qt::black, Qt::NoPen, 1, TPenMode::pmCopy);
    r.SetBrush(Qt::black, Qt::SolidPattern);
    r.Ellipse(4.0, 1.0, 5.0, 3.0);
    r.SetPen(Qt::black, Qt::SolidLine, -2, TPenMode::pmCopy);
    r.MoveTo(1.0, 5.0);
    r.LineTo(6.0, 5.0);
    r.SetBrush(Qt::black, Qt::SolidPattern);
    const int x = r.XI2D(2.0), y = r.YI2D(7.0);
    r.FillRect(QRect(x, y, r.WidthToDevice(1.5), r.HeightToDevice(0.5)));
}

void CheckPage(const QImage &page, double dpi)
{
    auto px = [dpi](double inches) { return static_cast<int>(std::lround(inches * dpi)); };
    const QRect outline = InkBounds(page, QRect(px(0.8), px(0.8), px(2.4), px(1.4)));
    // The outline's pen (0.01 inch) is centred on the edge.
    const int halfPen = static_cast<int>(std::ceil(0.005 * dpi));
    QVERIFY2(Near(outline, QRect(QPoint(px(1.0), px(1.0)), QPoint(px(3.0) - 1, px(2.0) - 1)), halfPen + 1),
             qPrintable(Describe(outline)));
    const QRect ellipse = InkBounds(page, QRect(px(3.8), px(0.8), px(1.4), px(2.4)));
    QVERIFY2(Near(ellipse, QRect(QPoint(px(4.0), px(1.0)), QPoint(px(5.0) - 1, px(3.0) - 1))),
             qPrintable(Describe(ellipse)));
    const QRect line = InkBounds(page, QRect(px(0.5), px(4.8), px(6.0), px(0.4)));
    // A 0.02-inch pen with round ends reaches 0.01 inch beyond them.
    const int cap = static_cast<int>(std::ceil(0.01 * dpi)) + 1;
    QVERIFY2(std::abs(line.left() - px(1.0)) <= cap && std::abs(line.right() - px(6.0)) <= cap &&
                 line.top() <= px(5.0) && line.bottom() >= px(5.0) - 1 && line.height() <= px(0.02) + 2,
             qPrintable(Describe(line)));
    const QRect block = InkBounds(page, QRect(px(1.8), px(6.8), px(2.0), px(0.9)));
    QVERIFY2(Near(block, QRect(QPoint(px(2.0), px(7.0)), QPoint(px(3.5) - 1, px(7.5) - 1))),
             qPrintable(Describe(block)));
}

} // namespace

class TestReportFiler : public QObject
{
    Q_OBJECT

private slots:
    void recordedPageReplaysAtAnyResolution_data();
    void recordedPageReplaysAtAnyResolution();
    void replayIgnoresTheTargetsClaimedDpi();
    void pagesAndSheetSizes();
    void textReplaysOnItsBaseline();
    void stretchedPictureReplays();
    void abortedJobKeepsCompletePagesOnly();
    void damagedStreams();
};

void TestReportFiler::recordedPageReplaysAtAnyResolution_data()
{
    QTest::addColumn<double>("dpi");
    QTest::newRow("screen") << 96.0;
    QTest::newRow("300") << 300.0;
    QTest::newRow("600") << 600.0;
}

void TestReportFiler::recordedPageReplaysAtAnyResolution()
{
    QFETCH(double, dpi);
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.SetPaperSize(PaperLetter);
    QCOMPARE(filer.XDPI(), TReportFiler::RecordingDpi);
    QCOMPARE(filer.UnprintableLeft(), 0.0);
    filer.OnPrint = [](TBaseReport &r) { DrawPage(r); };
    filer.Execute();
    QCOMPARE(filer.PagesRecorded(), 1);

    TReportReader reader;
    QVERIFY(reader.Load(data));
    QCOMPARE(reader.PageCount(), 1);
    const QImage page = reader.RenderPage(1, dpi);
    QCOMPARE(page.size(),
             QSize(static_cast<int>(std::ceil(8.5 * dpi)), static_cast<int>(std::ceil(11 * dpi))));
    CheckPage(page, dpi);
}

void TestReportFiler::replayIgnoresTheTargetsClaimedDpi()
{
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [](TBaseReport &r) { DrawPage(r); };
    filer.Execute();
    TReportReader reader;
    QVERIFY(reader.Load(data));
    // Images claiming 72 and 300 dpi get the same pixels.
    for (int dotsPerMeter : {2835, 11811}) {
        QImage page(816, 1056, QImage::Format_ARGB32_Premultiplied);
        page.setDotsPerMeterX(dotsPerMeter);
        page.setDotsPerMeterY(dotsPerMeter);
        page.fill(Qt::white);
        QPainter painter(&page);
        reader.PlayPage(1, painter, QRectF(0, 0, 816, 1056));
        painter.end();
        CheckPage(page, 96);
    }
}

void TestReportFiler::pagesAndSheetSizes()
{
    QByteArray data;
    QBuffer stream(&data);
    QVERIFY(stream.open(QIODevice::WriteOnly)); // the owner's choice of mode
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.SetPaperSize(PaperA4);
    filer.OnPrint = [](TBaseReport &r) {
        r.NewPage();
        r.NewPage();
    };
    filer.Execute();
    TReportReader reader;
    QVERIFY(reader.Load(stream)); // from the device, though it is write-only
    QCOMPARE(reader.PageCount(), 3);
    QCOMPARE(reader.PageSizeInches(3), QSizeF(210 / 25.4, 297 / 25.4));
    QVERIFY(reader.PageSizeInches(4).isEmpty());
    QVERIFY(reader.RenderPage(0, 96).isNull());

    // A second job on a fresh stream replaces nothing of the first's caller data.
    QByteArray other;
    QBuffer otherStream(&other);
    filer.SetStream(&otherStream);
    filer.SetPaperSize(PaperLetter);
    filer.OnPrint = nullptr;
    filer.Execute();
    QVERIFY(reader.Load(other));
    QCOMPARE(reader.PageCount(), 1);
    QCOMPARE(reader.PageSizeInches(1), QSizeF(8.5, 11));
}

void TestReportFiler::textReplaysOnItsBaseline()
{
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [](TBaseReport &r) {
        r.SetFont(QStringLiteral("Arial"), 72);
        r.SetTransparentText(true);
        r.PrintXY(1.0, 3.0, QStringLiteral("H"));
    };
    filer.Execute();
    TReportReader reader;
    QVERIFY(reader.Load(data));
    for (double dpi : {96.0, 200.0}) {
        const QImage page = reader.RenderPage(1, dpi);
        const QRect ink = InkBounds(page, page.rect());
        QVERIFY2(std::abs(ink.bottom() - (3.0 * dpi - 1)) <= 2, qPrintable(Describe(ink)));
        const double capHeight = (3.0 * dpi - ink.top()) / dpi; // inches, one-inch em
        QVERIFY2(capHeight > 0.65 && capHeight < 0.8, qPrintable(QString::number(capHeight)));
        QVERIFY(std::abs(ink.left() - dpi) < 0.15 * dpi);
    }
}

// A label's picture stretched into the recorded page (a picture inside a
// picture) comes out at its inch rectangle with letters of the right size.
void TestReportFiler::stretchedPictureReplays()
{
    QPicture label;
    {
        QPainter p(&label);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(96); // one inch em in card pixels
        p.setFont(font);
        p.fillRect(QRect(0, 0, 192, 10), Qt::black);
        p.drawText(QPointF(10, 150), QStringLiteral("H"));
    }
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [&](TBaseReport &r) {
        r.StretchDraw(r.CreateRect(1.0, 1.0, 3.0, 3.0), label, QRectF(0, 0, 192, 192));
    };
    filer.Execute();
    TReportReader reader;
    QVERIFY(reader.Load(data));
    const QImage page = reader.RenderPage(1, 300);
    const QRect bar = InkBounds(page, QRect(250, 250, 700, 100));
    QVERIFY2(Near(bar, QRect(QPoint(300, 300), QPoint(899, 330))), qPrintable(Describe(bar)));
    const QRect letter = InkBounds(page, QRect(300, 400, 500, 400));
    QVERIFY2(std::abs(letter.bottom() - 768) <= 3, qPrintable(Describe(letter))); // 1 + 150/96 inch
    QVERIFY2(std::abs(letter.height() - 215) <= 12, qPrintable(Describe(letter)));
}

void TestReportFiler::abortedJobKeepsCompletePagesOnly()
{
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [](TBaseReport &r) {
        DrawPage(r);
        r.NewPage();
        r.Rectangle(1, 1, 2, 2);
        r.Abort();
        r.NewPage();
        r.Rectangle(1, 1, 2, 2);
    };
    filer.Execute();
    QVERIFY(filer.Aborted());
    QCOMPARE(filer.CurrentPage(), 3);
    QCOMPARE(filer.PagesRecorded(), 1);
    TReportReader reader;
    QVERIFY(reader.Load(data));
    QCOMPARE(reader.PageCount(), 1);
}

void TestReportFiler::damagedStreams()
{
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [](TBaseReport &r) {
        DrawPage(r);
        r.NewPage();
        DrawPage(r);
    };
    filer.Execute();

    TReportReader reader;
    QVERIFY(!reader.Load(QByteArray("not a page stream")));
    QCOMPARE(reader.PageCount(), 0);
    QVERIFY(!reader.Load(QByteArray()));
    // Cut inside the second page: the first survives.
    QVERIFY(reader.Load(data.left(data.size() - 10)));
    QCOMPARE(reader.PageCount(), 1);
    // A page record with an absurd sheet size ends the readable pages.
    QByteArray hostile;
    {
        QDataStream out(&hostile, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << TReportFiler::StreamMagic << TReportFiler::StreamVersion << TReportFiler::PageMagic << 1e9
            << 11.0 << 600.0 << 600.0 << QByteArray("x");
    }
    QVERIFY(reader.Load(hostile));
    QCOMPARE(reader.PageCount(), 0);
    QVERIFY(reader.RenderPage(1, 96).isNull());
}

QTEST_MAIN(TestReportFiler)
#include "tst_reportfiler.moc"

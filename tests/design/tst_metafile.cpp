// Metafiles built record by record, played into images and checked for where
// the ink falls; damaged and hostile metafiles must play what they can.

#include "design/model/TGPicture.h"
#include "design/model/TMetafile.h"

#include <QPainter>
#include <QPicture>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

using namespace cw::model;

namespace {

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int(v >> 16));
}

void putF(QByteArray &b, float f)
{
    quint32 bits;
    memcpy(&bits, &f, 4);
    put32(b, bits);
}

quint32 rgb(int r, int g, int b)
{
    return quint32(r | (g << 8) | (b << 16));
}

// A device-independent bitmap: 24 bits, bottom-up, rows given top first.
QByteArray dib24(const QVector<QVector<QRgb>> &rowsTopFirst)
{
    const int h = int(rowsTopFirst.size()), w = int(rowsTopFirst[0].size());
    const int stride = (w * 3 + 3) & ~3;
    QByteArray b;
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(h));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, quint32(stride * h));
    put32(b, 0), put32(b, 0), put32(b, 0), put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row;
        for (QRgb c : rowsTopFirst[y]) {
            row.append(char(qBlue(c)));
            row.append(char(qGreen(c)));
            row.append(char(qRed(c)));
        }
        row.resize(stride, '\0');
        b.append(row);
    }
    return b;
}

// Windows metafile records with a placeable header.
struct Wmf
{
    QByteArray records;
    int objects = 4;
    void rec(int fn, const QVector<int> &words, const QByteArray &tail = QByteArray())
    {
        QByteArray params;
        for (int w : words)
            put16(params, w);
        params.append(tail);
        if (params.size() % 2)
            params.append('\0');
        put32(records, quint32(3 + params.size() / 2));
        put16(records, fn);
        records.append(params);
    }
    QByteArray file(QRect box = QRect(QPoint(0, 0), QPoint(100, 100)), int inch = 96, bool placeable = true)
    {
        QByteArray body = records;
        put32(body, 3);
        put16(body, 0);
        QByteArray out;
        if (placeable) {
            QByteArray h;
            put32(h, 0x9AC6CDD7u);
            put16(h, 0);
            put16(h, box.left()), put16(h, box.top()), put16(h, box.right()), put16(h, box.bottom());
            put16(h, inch);
            put32(h, 0);
            quint16 sum = 0;
            for (int i = 0; i < 10; ++i)
                sum ^= qFromLittleEndian<quint16>(h.constData() + 2 * i);
            put16(h, sum);
            out = h;
        }
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x300);
        put32(out, quint32(9 + body.size() / 2));
        put16(out, objects);
        put32(out, 0);
        put16(out, 0);
        return out + body;
    }
    // Common records.
    void window(int x, int y, int w, int h) { rec(0x020B, {y, x}), rec(0x020C, {h, w}); }
    void pen(int style, int width, quint32 colour)
    {
        rec(0x02FA, {style, width, 0, int(colour & 0xFFFF), int(colour >> 16)});
    }
    void brush(int style, quint32 colour, int hatch)
    {
        rec(0x02FC, {style, int(colour & 0xFFFF), int(colour >> 16), hatch});
    }
    void select(int i) { rec(0x012D, {i}); }
    void rectangle(int l, int t, int r, int b) { rec(0x041B, {b, r, t, l}); }
};

// Enhanced metafile records, 96 ppi reference device.
struct Emf
{
    QByteArray records;
    int count = 1;
    void rec(quint32 type, const QByteArray &params)
    {
        put32(records, type);
        put32(records, quint32(8 + params.size()));
        records.append(params);
        ++count;
    }
    void ints(quint32 type, const QVector<qint32> &values)
    {
        QByteArray p;
        for (qint32 v : values)
            put32(p, quint32(v));
        rec(type, p);
    }
    QByteArray file(int widthPx = 100, int heightPx = 100)
    {
        QByteArray body = records;
        put32(body, 14);
        put32(body, 20);
        put32(body, 0), put32(body, 0), put32(body, 16);
        QByteArray h;
        put32(h, 1);
        put32(h, 88);
        put32(h, 0), put32(h, 0), put32(h, quint32(widthPx - 1)), put32(h, quint32(heightPx - 1));
        put32(h, 0), put32(h, 0);
        put32(h, quint32(qRound(widthPx * 2540.0 / 96))), put32(h, quint32(qRound(heightPx * 2540.0 / 96)));
        put32(h, 0x464D4520u);
        put32(h, 0x10000);
        put32(h, quint32(88 + body.size()));
        put32(h, quint32(count + 1));
        put16(h, 8);
        put16(h, 0);
        put32(h, 0), put32(h, 0), put32(h, 0);
        put32(h, 960), put32(h, 960);
        put32(h, 254), put32(h, 254);
        return h + body;
    }
    void rect(int l, int t, int r, int b) { ints(43, {0 + l, t, r, b}); }
    void fillRule(int m) { ints(19, {m}); }
};

QImage play(const QByteArray &bytes, QSize size = QSize(100, 100))
{
    auto mf = TMetafile::Parse(bytes);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!mf)
        return image;
    QPainter p(&image);
    mf->Play(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

bool near(QRgb a, QColor b, int tolerance = 40)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

int countColour(const QImage &image, QRect area, QColor colour)
{
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += near(image.pixel(x, y), colour);
    return n;
}

int countInk(const QImage &image, QRect area)
{
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += !near(image.pixel(x, y), Qt::white, 30);
    return n;
}

QRect inkBounds(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!near(image.pixel(x, y), Qt::white, 60))
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

} // namespace

class TestMetafile : public QObject
{
    Q_OBJECT
private slots:
    void wmfSizeComesFromBoxAndUnitsPerInch()
    {
        Wmf w;
        w.window(0, 0, 1440, 720);
        auto mf = TMetafile::Parse(w.file(QRect(QPoint(0, 0), QPoint(1440, 720)), 1440));
        QVERIFY(mf);
        QVERIFY(!mf->IsEnhanced());
        QCOMPARE(mf->Width(), 96);
        QCOMPARE(mf->Height(), 48);
    }

    void bareWmfGetsPlaceableHeaderWithChecksum()
    {
        Wmf w;
        w.window(0, 0, 2540, 1270);
        auto mf = TMetafile::Parse(w.file(QRect(), 0, false));
        QVERIFY(mf);
        const QByteArray b = mf->Bytes();
        QCOMPARE(qFromLittleEndian<quint32>(b.constData()), 0x9AC6CDD7u);
        QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 14), quint16(2540)); // unknown units
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= qFromLittleEndian<quint16>(b.constData() + 2 * i);
        QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 20), sum);
        QCOMPARE(mf->Width(), 96);
        QCOMPARE(mf->Height(), 48);
        // A bare metafile without a window has no size: not a picture.
        Wmf none;
        none.rectangle(0, 0, 10, 10);
        QVERIFY(!TMetafile::Parse(none.file(QRect(), 0, false)));
    }

    void hatchedRectangleShowsHatchNotSolid()
    {
        Wmf w;
        w.window(0, 0, 100, 100);
        w.brush(2, rgb(255, 0, 0), 4); // hatched, cross
        w.select(0);
        w.pen(5, 0, 0); // null pen
        w.select(1);
        w.rec(0x0102, {1}); // transparent background
        w.rectangle(10, 10, 90, 90);
        const QImage img = play(w.file(), QSize(200, 200));
        const int red = countColour(img, QRect(30, 30, 140, 140), Qt::red);
        const int white = countColour(img, QRect(30, 30, 140, 140), Qt::white);
        QVERIFY2(red > 140 * 140 / 8 && red < 140 * 140 / 2, qPrintable(QString::number(red)));
        QVERIFY(white > 140 * 140 / 2);
        QCOMPARE(countInk(img, QRect(0, 0, 200, 15)), 0);
        QCOMPARE(countInk(img, QRect(185, 0, 15, 200)), 0);
        // An opaque background fills the gaps with the background colour.
        w.records.clear();
        w.window(0, 0, 100, 100);
        w.brush(2, rgb(255, 0, 0), 0);
        w.select(0);
        w.rec(0x0201, {int(rgb(0, 0, 255) & 0xFFFF), int(rgb(0, 0, 255) >> 16)});
        w.rectangle(10, 10, 90, 90);
        const QImage opaque = play(w.file());
        QVERIFY(countColour(opaque, QRect(20, 20, 60, 60), Qt::blue) > 60 * 60 / 2);
        QVERIFY(countColour(opaque, QRect(20, 20, 60, 60), Qt::red) > 60 * 60 / 16);
    }

    void dashedLineHasGaps()
    {
        Wmf w;
        w.window(0, 0, 100, 100);
        w.pen(1, 1, rgb(0, 0, 255));
        w.select(0);
        w.rec(0x0214, {50, 0});   // MoveTo(0, 50)
        w.rec(0x0213, {50, 100}); // LineTo(100, 50)
        const QImage img = play(w.file());
        auto blueAt = [&](int x) { return countColour(img, QRect(x, 48, 1, 5), Qt::blue) > 0; };
        QVERIFY(blueAt(5) && blueAt(12) && blueAt(30));
        QVERIFY(!blueAt(20) && !blueAt(21));
        // A solid pen has no gaps.
        w.records.clear();
        w.window(0, 0, 100, 100);
        w.pen(0, 1, rgb(0, 0, 255));
        w.select(0);
        w.rec(0x0214, {50, 0});
        w.rec(0x0213, {50, 100});
        const QImage solid = play(w.file());
        QVERIFY(countColour(solid, QRect(0, 48, 100, 5), Qt::blue) >= 98);
    }

    void hairlinesAreOneDesignPixelWideAtAnyResolution()
    {
        // A zero-width pen is the thinnest line the screen can show, one
        // pixel (a 96th of an inch); printed at 600 dpi it keeps that width
        // instead of shrinking to one printer dot.
        Wmf w;
        w.window(0, 0, 100, 100);
        w.pen(0, 0, rgb(0, 0, 255));
        w.select(0);
        w.rec(0x0214, {50, 0});   // MoveTo(0, 50)
        w.rec(0x0213, {50, 100}); // LineTo(100, 50)
        const auto rowsInked = [](const QImage &img) {
            int rows = 0;
            for (int y = 0; y < img.height(); ++y)
                rows += countColour(img, QRect(img.width() / 2, y, 1, 1), Qt::blue) > 0;
            return rows;
        };
        // Shown at half its size: one pixel on screen …
        QCOMPARE(rowsInked(play(w.file(), QSize(50, 50))), 1);
        auto mf = TMetafile::Parse(w.file());
        QVERIFY(mf);
        // … and the same 96th of an inch on paper, not half of it.
        QImage printed(312, 312, QImage::Format_RGB32);
        printed.setDotsPerMeterX(int(std::lround(600 / 0.0254)));
        printed.setDotsPerMeterY(int(std::lround(600 / 0.0254)));
        printed.fill(Qt::white);
        {
            QPainter p(&printed);
            mf->Play(p, QRectF(0, 0, 312.5, 312.5));
        }
        const int rows = rowsInked(printed);
        QVERIFY2(rows >= 6 && rows <= 7, qPrintable(QString::number(rows)));
    }

    void polygonFillsInsideOnly()
    {
        Wmf w;
        w.window(0, 0, 100, 100);
        w.brush(0, rgb(0, 255, 0), 0);
        w.select(0);
        w.rec(0x0324, {3, 10, 90, 90, 90, 50, 10}); // triangle
        const QImage img = play(w.file());
        QVERIFY(near(img.pixel(50, 60), Qt::green));
        QVERIFY(near(img.pixel(15, 20), Qt::white));
        QVERIFY(near(img.pixel(85, 20), Qt::white));
        QVERIFY(countColour(img, QRect(48, 88, 4, 4), Qt::black) > 0); // the black pen on the base
    }

    void textFallsAtItsReferencePointAndFollowsAdvances()
    {
        QByteArray font; // LOGFONT16 tail: italic..pitch bytes then the face name
        font.append(QByteArray(8, '\0'));
        font.append("Liberation Sans");
        font.append('\0');
        auto build = [&](int advance) {
            Wmf w;
            w.window(0, 0, 200, 100);
            w.rec(0x02FB, {-20, 0, 0, 0, 400}, font);
            w.select(0);
            w.rec(0x0102, {1});
            QByteArray tail("IIII");
            QVector<int> words = {10, 10, 4, 0};
            QByteArray dx;
            for (int i = 0; i < 4; ++i)
                put16(dx, advance);
            w.rec(0x0A32, words, tail + dx);
            return play(w.file(QRect(QPoint(0, 0), QPoint(200, 100))), QSize(200, 100));
        };
        const QRect wide = inkBounds(build(30));
        const QRect narrow = inkBounds(build(5));
        QVERIFY(!wide.isEmpty() && !narrow.isEmpty());
        QVERIFY2(wide.top() >= 9 && wide.bottom() <= 32, qPrintable(QString::number(wide.bottom())));
        QVERIFY(wide.left() >= 9 && wide.left() <= 16);
        QVERIFY2(wide.right() > 95 && wide.right() < 110, qPrintable(QString::number(wide.right())));
        QVERIFY(narrow.right() < 35);

        // TextOut with the baseline alignment puts the text above its point.
        Wmf t;
        t.window(0, 0, 200, 100);
        t.rec(0x02FB, {-20, 0, 0, 0, 700}, font);
        t.select(0);
        t.rec(0x012E, {24});
        t.rec(0x0521, {5}, QByteArray("HELLO\0", 6) + QByteArray("\x32\0\x0A\0", 4));
        const QRect hello = inkBounds(play(t.file(QRect(QPoint(0, 0), QPoint(200, 100))), QSize(200, 100)));
        QVERIFY(hello.bottom() <= 51 && hello.top() >= 30 && hello.left() >= 9 && hello.right() > 50);
    }

    void windowMappingAndFlippedAxis()
    {
        Wmf w;
        w.window(0, 0, 1000, 1000);
        w.brush(0, 0, 0);
        w.select(0);
        w.rectangle(0, 0, 500, 500);
        QImage img = play(w.file(QRect(QPoint(0, 0), QPoint(1000, 1000)), 1000));
        QVERIFY(near(img.pixel(25, 25), Qt::black));
        QVERIFY(near(img.pixel(75, 75), Qt::white));
        // A window whose y extent is negative puts y = 0 at the bottom.
        Wmf f;
        f.window(0, 1000, 1000, -1000);
        f.brush(0, 0, 0);
        f.select(0);
        f.rectangle(0, 0, 500, 500);
        img = play(f.file(QRect(QPoint(0, 0), QPoint(1000, 1000)), 1000));
        QVERIFY(near(img.pixel(25, 75), Qt::black));
        QVERIFY(near(img.pixel(25, 25), Qt::white));
        // Playing into a shifted target moves the picture with it.
        auto mf = TMetafile::Parse(w.file(QRect(QPoint(0, 0), QPoint(1000, 1000)), 1000));
        QImage shifted(200, 100, QImage::Format_RGB32);
        shifted.fill(Qt::white);
        QPainter p(&shifted);
        mf->Play(p, QRectF(100, 0, 100, 100));
        p.end();
        QVERIFY(near(shifted.pixel(125, 25), Qt::black));
        QVERIFY(near(shifted.pixel(25, 25), Qt::white));
    }

    void clippingAndSavedStates()
    {
        Wmf w;
        w.window(0, 0, 100, 100);
        w.brush(0, 0, 0);
        w.select(0);
        w.rec(0x001E, {});              // SaveDC
        w.rec(0x0416, {100, 50, 0, 0}); // IntersectClipRect(0, 0, 50, 100)
        w.rectangle(0, 0, 100, 50);
        w.rec(0x0127, {-1});             // RestoreDC
        w.rec(0x0415, {100, 50, 50, 0}); // ExcludeClipRect(0, 50, 50, 100)
        w.rectangle(0, 50, 100, 100);
        const QImage img = play(w.file());
        QVERIFY(near(img.pixel(25, 25), Qt::black));
        QVERIFY(near(img.pixel(75, 25), Qt::white));
        QVERIFY(near(img.pixel(25, 75), Qt::white));
        QVERIFY(near(img.pixel(75, 75), Qt::black));
    }

    void disjointClipsLeaveNothingVisible()
    {
        // Clip rectangles that do not meet give an empty clip: nothing is
        // drawn until the saved state comes back.
        Wmf w;
        w.window(0, 0, 100, 100);
        w.brush(0, 0, 0);
        w.select(0);
        w.rec(0x001E, {});
        w.rec(0x0416, {10, 10, 0, 0});
        w.rec(0x0416, {60, 60, 50, 50});
        w.rec(0x0416, {100, 100, 0, 0});
        w.rec(0x0415, {20, 20, 0, 0});
        w.rectangle(0, 0, 100, 100);
        QCOMPARE(countInk(play(w.file()), QRect(0, 0, 100, 100)), 0);
        w.rec(0x0127, {-1});
        w.rectangle(0, 0, 100, 100);
        QVERIFY(near(play(w.file()).pixel(50, 50), Qt::black));
    }

    void objectTableReusesLowestFreeSlot()
    {
        Wmf w;
        w.window(0, 0, 100, 100);
        w.pen(0, 1, 0);                // slot 0
        w.brush(0, rgb(255, 0, 0), 0); // slot 1
        w.rec(0x01F0, {0});            // delete slot 0
        w.brush(0, rgb(0, 0, 255), 0); // takes slot 0
        w.select(0);
        w.rectangle(0, 0, 100, 100);
        QVERIFY(near(play(w.file()).pixel(50, 50), Qt::blue));
    }

    void stretchedBitmapKeepsRowOrder()
    {
        const QByteArray dib =
            dib24({{qRgb(255, 0, 0), qRgb(0, 255, 0)}, {qRgb(0, 0, 255), qRgb(255, 255, 255)}});
        Wmf w;
        w.window(0, 0, 100, 100);
        // StretchDIB: rop, usage, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
        w.rec(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0}, dib);
        const QImage img = play(w.file());
        QVERIFY(near(img.pixel(25, 25), Qt::red));
        QVERIFY(near(img.pixel(75, 25), Qt::green));
        QVERIFY(near(img.pixel(25, 75), Qt::blue));
        // A negative destination width mirrors the bitmap.
        Wmf m;
        m.window(0, 0, 100, 100);
        m.rec(0x0B41, {0x0020, 0x00CC, 2, 2, 0, 0, 100, -100, 0, 100}, dib);
        const QImage mirrored = play(m.file());
        QVERIFY(near(mirrored.pixel(25, 25), Qt::green));
        QVERIFY(near(mirrored.pixel(75, 25), Qt::red));
    }

    void maskPairsWorkWithAndWithoutRasterOperations()
    {
        // The classic transparent bitmap: an AND mask (black where the shape
        // is), then the picture ORed in (black where the shape is not).
        Wmf w;
        w.window(0, 0, 100, 100);
        const QByteArray mask = dib24({{qRgb(0, 0, 0), qRgb(255, 255, 255)}});
        const QByteArray colour = dib24({{qRgb(255, 0, 0), qRgb(0, 0, 0)}});
        w.rec(0x0F43, {0x00C6, 0x0088, 0, 1, 2, 0, 0, 100, 100, 0, 0}, mask);
        w.rec(0x0F43, {0x0086, 0x00EE, 0, 1, 2, 0, 0, 100, 100, 0, 0}, colour);
        const QByteArray file = w.file();
        const QImage direct = play(file);
        QVERIFY(near(direct.pixel(25, 50), Qt::red));
        QVERIFY(near(direct.pixel(75, 50), Qt::white));
        // Recorded as a page (no raster operations) and replayed on paper-like output.
        auto mf = TMetafile::Parse(file);
        QPicture page;
        QPainter rec(&page);
        mf->Play(rec, QRectF(0, 0, 100, 100));
        rec.end();
        QImage replayed(100, 100, QImage::Format_RGB32);
        replayed.fill(Qt::green);
        QPainter p(&replayed);
        page.play(&p);
        p.end();
        QVERIFY(near(replayed.pixel(25, 50), Qt::red));
        QVERIFY(near(replayed.pixel(75, 50), Qt::green));
    }

    void emfShapesPathsAndTransforms()
    {
        Emf e;
        e.ints(39, {1, 0, int(rgb(255, 0, 0)), 0}); // solid red brush, slot 1
        e.ints(37, {1});
        e.ints(37, {int(0x80000008u)}); // NULL_PEN
        e.rect(0, 0, 50, 50);
        // Path: a triangle filled green.
        e.ints(39, {2, 0, int(rgb(0, 255, 0)), 0});
        e.ints(37, {2});
        e.ints(59, {});
        e.ints(27, {50, 50});
        e.ints(54, {100, 50});
        e.ints(54, {100, 100});
        e.ints(61, {});
        e.ints(60, {});
        e.ints(62, {0, 0, 100, 100});
        // World transform: a unit square scaled by 20 and moved to (10, 60).
        QByteArray xf;
        for (float f : {20.0f, 0.0f, 0.0f, 20.0f, 10.0f, 60.0f})
            putF(xf, f);
        e.rec(35, xf);
        e.ints(39, {3, 0, int(rgb(0, 0, 255)), 0});
        e.ints(37, {3});
        e.rect(0, 0, 1, 1);
        const QImage img = play(e.file());
        QVERIFY(near(img.pixel(25, 25), Qt::red));
        QVERIFY(near(img.pixel(90, 60), Qt::green));
        QVERIFY(near(img.pixel(60, 90), Qt::white));
        QVERIFY(near(img.pixel(20, 70), Qt::blue));
        QVERIFY(near(img.pixel(35, 70), Qt::white));
    }

    void emfClipPathPolyBezierAndDashedGeometricPen()
    {
        Emf e;
        // Clip to the left half through a path, then fill everything black.
        e.ints(59, {});
        e.rect(0, 0, 50, 100);
        e.ints(60, {});
        e.ints(67, {5});                // RGN_COPY
        e.ints(37, {int(0x80000004u)}); // BLACK_BRUSH
        e.rect(-10, -10, 110, 110);
        // Back to no clip; a dashed geometric pen 4 wide across the right half.
        e.ints(75, {0, 5});
        QByteArray pen;
        for (qint32 v : {5, 0, 0, 0, 0, 0x10000 | 1 | 0x200, 4, 0, int(rgb(0, 0, 255)), 0, 0})
            put32(pen, quint32(v));
        e.rec(95, pen);
        e.ints(37, {5});
        QByteArray line;
        for (qint32 v : {0, 0, 0, 0, 2})
            put32(line, quint32(v));
        put16(line, 52), put16(line, 80), put16(line, 100), put16(line, 80);
        e.rec(87, line); // POLYLINE16
        // A Bézier curve with the red stock pen? The white pen: draw it in red via a new pen.
        e.ints(38, {6, 0, 3, 0, int(rgb(255, 0, 0))});
        e.ints(37, {6});
        QByteArray bez;
        for (qint32 v : {0, 0, 0, 0, 4})
            put32(bez, quint32(v));
        for (int v : {60, 20, 70, 0, 90, 0, 99, 20})
            put16(bez, v);
        e.rec(85, bez); // POLYBEZIER16
        const QImage img = play(e.file());
        QVERIFY(near(img.pixel(25, 50), Qt::black));
        QVERIFY(near(img.pixel(75, 50), Qt::white));
        int blue = 0, gaps = 0;
        for (int x = 53; x < 99; ++x) {
            const bool b = near(img.pixel(x, 80), Qt::blue);
            blue += b;
            gaps += !b;
        }
        QVERIFY2(blue > 15 && gaps > 5, qPrintable(QStringLiteral("%1 %2").arg(blue).arg(gaps)));
        QVERIFY(countColour(img, QRect(58, 0, 45, 25), Qt::red) > 20);
        QVERIFY(near(img.pixel(80, 22), Qt::white)); // below the curve
    }

    void emfTextAndBitmap()
    {
        Emf e;
        QByteArray lf;
        for (qint32 v : {7, -20, 0, 0, 0, 700})
            put32(lf, quint32(v));
        lf.append(QByteArray(8, '\0'));
        for (QChar c : QStringLiteral("Liberation Sans"))
            put16(lf, c.unicode());
        lf.append(QByteArray(64 - 30, '\0'));
        e.rec(82, lf);
        e.ints(37, {7});
        e.ints(18, {1});
        QByteArray text;
        for (qint32 v : {0, 0, 0, 0, 1})
            put32(text, quint32(v));
        putF(text, 1), putF(text, 1);
        for (qint32 v : {5, 5, 2, 76, 0, 0, 0, 0, 0, 80})
            put32(text, quint32(v));
        put16(text, 'W'), put16(text, 'W');
        put32(text, 30), put32(text, 30);
        e.rec(84, text);
        // STRETCHDIBITS: a 1 x 2 bitmap (red over blue) into (60, 60, 30, 30).
        const QByteArray dib = dib24({{qRgb(255, 0, 0)}, {qRgb(0, 0, 255)}});
        QByteArray blt;
        for (qint32 v :
             {0, 0, 0, 0, 60, 60, 0, 0, 1, 2, 80, 40, 120, int(dib.size() - 40), 0, 0x00CC0020, 30, 30})
            put32(blt, quint32(v));
        blt.append(dib);
        e.rec(81, blt);
        const QImage img = play(e.file());
        const QRect ink = inkBounds(img.copy(0, 0, 100, 55));
        QVERIFY(ink.left() >= 4 && ink.left() < 10 && ink.top() >= 4 && ink.top() < 12);
        QVERIFY2(ink.right() > 46 && ink.right() < 62, qPrintable(QString::number(ink.right())));
        QVERIFY(near(img.pixel(75, 65), Qt::red));
        QVERIFY(near(img.pixel(75, 85), Qt::blue));
        QVERIFY(near(img.pixel(95, 95), Qt::white));
    }

    void emfAlphaBlendAndSmallText()
    {
        Emf e;
        // ALPHABLEND of a red 1 x 1 bitmap at half constant opacity over (0, 0, 50, 50).
        const QByteArray dib = dib24({{qRgb(255, 0, 0)}});
        QByteArray blend;
        for (qint32 v : {0, 0, 0, 0, 0, 0, 50, 50, 0x007F0000, 0, 0})
            put32(blend, quint32(v));
        for (float f : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f})
            putF(blend, f);
        for (qint32 v : {0, 0, 108, 40, 148, int(dib.size() - 40), 1, 1})
            put32(blend, quint32(v));
        blend.append(dib);
        e.rec(114, blend);
        // SMALLTEXTOUT of one-byte characters without a clip rectangle.
        QByteArray small;
        for (qint32 v : {60, 60, 3, 0x300, 1})
            put32(small, quint32(v));
        putF(small, 1), putF(small, 1);
        small.append("XXX\0", 4);
        e.rec(108, small);
        const QImage img = play(e.file());
        const QRgb half = img.pixel(25, 25);
        QVERIFY2(qRed(half) > 240 && qGreen(half) > 100 && qGreen(half) < 160,
                 qPrintable(QString::number(half, 16)));
        QVERIFY(countInk(img, QRect(60, 60, 40, 25)) > 20);
        QCOMPARE(countInk(img, QRect(0, 55, 55, 45)), 0);
    }

    void emfSizeFromFrame()
    {
        Emf e;
        auto mf = TMetafile::Parse(e.file(192, 48));
        QVERIFY(mf && mf->IsEnhanced());
        QCOMPARE(mf->Width(), 192);
        QCOMPARE(mf->Height(), 48);
        TGPicture pic;
        pic.SetMetafileBytes(e.file(192, 48));
        QCOMPARE(pic.Size(), QSize(192, 48));
    }

    void damagedMetafilesNeverCrash_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        Wmf w;
        w.window(0, 0, 100, 100);
        w.brush(2, rgb(255, 0, 0), 5);
        w.select(0);
        w.pen(1, 1, 0);
        w.select(1);
        w.rec(0x0538, {2, 3, 3, 0, 0, 50, 0, 50, 50, 60, 60, 90, 60, 90, 90});
        w.rec(0x0A32, {10, 10, 3, 6, 0, 0, 50, 50}, QByteArray("abc\0\5\0\5\0\5\0", 10));
        w.rec(0x0F43, {0x0020, 0x00CC, 0, 2, 1, 0, 0, 100, 100, 0, 0},
              dib24({{qRgb(1, 2, 3)}, {qRgb(4, 5, 6)}}));
        QTest::newRow("wmf") << w.file();
        Emf e;
        e.ints(39, {1, 2, int(rgb(0, 0, 255)), 3});
        e.ints(37, {1});
        e.rect(10, 10, 90, 90);
        e.ints(59, {});
        e.rect(0, 0, 50, 50);
        e.ints(60, {});
        e.ints(63, {0, 0, 0, 0});
        QTest::newRow("emf") << e.file();
    }

    void damagedMetafilesNeverCrash()
    {
        QFETCH(QByteArray, bytes);
        for (int n = 0; n <= bytes.size(); ++n)
            play(bytes.left(n));
        // Every byte flipped in turn.
        for (int i = 0; i < bytes.size(); ++i) {
            QByteArray b = bytes;
            b[i] = char(b[i] ^ 0xFF);
            play(b);
        }
        QRandomGenerator rng(1234);
        for (int round = 0; round < 200; ++round) {
            QByteArray b = bytes;
            for (int k = 0; k < 8; ++k)
                b[rng.bounded(int(b.size()))] = char(rng.bounded(256));
            play(b);
        }
    }

    void hostileRecordsArePlayedSafely()
    {
        Wmf w;
        w.window(0, 0, 100, 100);
        w.select(60000); // no such object
        w.rec(0x01F0, {65535});
        w.rec(0x0127, {-30000}); // RestoreDC beyond the stack
        w.rec(0x0127, {32000});
        w.rec(0x0324, {30000, 1, 1}); // more points than the record holds
        w.rec(0x0538, {30000, 5});
        w.rec(0x0521, {30000}, "x"); // text count past the end
        w.rec(0x0F43, {0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0},
              QByteArray("\x28\0\0\0\xff\xff\xff\x7f\xff\xff\xff\x7f\1\0\x18\0", 16));
        for (int i = 0; i < 2000; ++i)
            w.rec(0x001E, {}); // SaveDC far beyond the limit
        // The player carries on after all that.
        w.brush(0, 0, 0);
        w.select(0);
        w.rectangle(0, 0, 100, 100);
        QByteArray file = w.file();
        // A record whose length runs past the end of the file.
        file.chop(6);
        put32(file, 0x7FFFFFFF);
        put16(file, 0x041B);
        QVERIFY(near(play(file).pixel(50, 50), Qt::black));

        Emf e;
        e.ints(37, {70000});
        e.ints(38, {int(0x7FFFFFFF), 0, 1, 0, 0});
        e.ints(40, {-1});
        QByteArray bad;
        for (qint32 v : {0, 0, 0, 0, 0x7FFFFFFF})
            put32(bad, quint32(v));
        e.rec(3, bad);  // polygon with a huge count
        e.rec(90, bad); // polypolyline16 with a huge count
        QByteArray blt(72, '\0');
        for (int k = 40; k < 64; k += 4)
            qToLittleEndian<quint32>(0x7FFFFFF0u, blt.data() + k);
        e.rec(81, blt); // bitmap offsets far outside the record
        QByteArray tx(72, '\0');
        qToLittleEndian<quint32>(0x7FFFFFFFu, tx.data() + 36);
        qToLittleEndian<quint32>(0x7FFFFFFFu, tx.data() + 40);
        e.rec(84, tx);
        QByteArray huge;
        put32(huge, 0x7FFFFFFF);
        e.ints(33, {});
        e.rec(30, huge); // an empty clip, undone by the RestoreDC
        e.ints(34, {-1});
        for (int i = 0; i < 2000; ++i)
            e.ints(33, {});
        e.ints(37, {int(0x80000004u)});
        e.rect(0, 0, 100, 100);
        QVERIFY(near(play(e.file()).pixel(50, 50), Qt::black));
    }
};

QTEST_MAIN(TestMetafile)
#include "tst_metafile.moc"

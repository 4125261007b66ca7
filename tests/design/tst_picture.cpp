// The picture type: the card file's "Picture.Data" and bitmap ".Data" bytes
// (layout and byte-exact round trips), loading by extension, icons turned
// into bitmaps, drawing; and the picture control built on it.

#include "design/TSmartImage.h"
#include "design/model/TGPicture.h"
#include "design/model/TMetafile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace cw::model;
using cw::ui::TSmartImage;

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

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// A placeable WMF: a black rectangle over the left half of a 1-inch square.
QByteArray placeableWmf(bool placeable = true)
{
    QByteArray records;
    auto rec = [&](int fn, QVector<int> words) {
        put32(records, quint32(3 + words.size()));
        put16(records, fn);
        for (int w : words)
            put16(records, w);
    };
    rec(0x020B, {0, 0});
    rec(0x020C, {1440, 1440});
    rec(0x02FC, {0, 0, 0, 0});
    rec(0x012D, {0});
    rec(0x041B, {1440, 720, 0, 0});
    rec(0x0000, {});
    QByteArray out;
    if (placeable) {
        put32(out, 0x9AC6CDD7u);
        put16(out, 0);
        put16(out, 0), put16(out, 0), put16(out, 1440), put16(out, 1440);
        put16(out, 1440);
        put32(out, 0);
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= qFromLittleEndian<quint16>(out.constData() + 2 * i);
        put16(out, sum);
    }
    put16(out, 1), put16(out, 9), put16(out, 0x300);
    put32(out, quint32(9 + records.size() / 2));
    put16(out, 1);
    put32(out, 8);
    put16(out, 0);
    return out + records;
}

QByteArray minimalEmf()
{
    QByteArray rect;
    put32(rect, 43), put32(rect, 24);
    put32(rect, 0), put32(rect, 0), put32(rect, 48), put32(rect, 96);
    QByteArray eof;
    put32(eof, 14), put32(eof, 20), put32(eof, 0), put32(eof, 0), put32(eof, 20);
    QByteArray h;
    put32(h, 1), put32(h, 88);
    put32(h, 0), put32(h, 0), put32(h, 95), put32(h, 95);
    put32(h, 0), put32(h, 0), put32(h, 2540), put32(h, 2540);
    put32(h, 0x464D4520u), put32(h, 0x10000);
    put32(h, quint32(88 + rect.size() + eof.size()));
    put32(h, 3);
    put16(h, 1), put16(h, 0);
    put32(h, 0), put32(h, 0), put32(h, 0);
    put32(h, 960), put32(h, 960), put32(h, 254), put32(h, 254);
    return h + rect + eof;
}

QByteArray blob(const QByteArray &name, const QByteArray &data, bool counted = true)
{
    QByteArray out;
    out.append(char(name.size()));
    out.append(name);
    if (counted)
        put32(out, quint32(data.size()));
    return out + data;
}

QImage twoColours()
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    return image;
}

QByteArray icoBytes()
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(qRgba(0, 128, 0, 255));
    icon.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return encoded(icon, "ico");
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT
private slots:
    void pictureDataLayoutPerClass()
    {
        TGPicture bmp;
        bmp.SetBitmap(twoColours());
        const QByteArray b = bmp.PictureData();
        QVERIFY(b.startsWith(QByteArray("\x07TBitmap", 8)));
        QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 8), quint32(b.size() - 12));
        QCOMPARE(b.mid(12, 2), QByteArray("BM"));
        QCOMPARE(b.mid(12), bmp.GraphicBytes());

        TGPicture wmf;
        wmf.SetMetafileBytes(placeableWmf());
        const QByteArray m = wmf.PictureData();
        QVERIFY(m.startsWith(QByteArray("\x09TMetafile", 10)));
        QCOMPARE(qFromLittleEndian<quint32>(m.constData() + 10), quint32(placeableWmf().size()));
        QCOMPARE(m.mid(14), placeableWmf());

        TGPicture ico;
        const QByteArray icoFile = icoBytes();
        ico.SetIconBytes(icoFile);
        QCOMPARE(ico.PictureData(), blob("TIcon", icoFile, false)); // no count before the ICO file

        QVERIFY(TGPicture().PictureData().isEmpty());
        QVERIFY(TGPicture().ClassName().isEmpty());
    }

    void pictureDataRoundTripsByteExact_data()
    {
        QTest::addColumn<QByteArray>("data");
        // A bitmap with a header Qt would not write itself (RLE8, extra bytes at the end).
        QByteArray rle("BM");
        put32(rle, 14 + 40 + 8 + 6 + 3), put32(rle, 0), put32(rle, 14 + 40 + 8);
        put32(rle, 40), put32(rle, 3), put32(rle, 1), put16(rle, 1), put16(rle, 8), put32(rle, 1);
        put32(rle, 6), put32(rle, 0), put32(rle, 0), put32(rle, 2), put32(rle, 0);
        put32(rle, 0x0000FF), put32(rle, 0x00FF00);
        rle.append(QByteArray("\x03\x01\x00\x00\x00\x01xyz", 9));
        QTest::newRow("bitmap-rle") << blob("TBitmap", rle);
        QTest::newRow("bitmap-qt") << blob("TBitmap", encoded(twoColours(), "bmp"));
        QTest::newRow("wmf") << blob("TMetafile", placeableWmf());
        QTest::newRow("emf") << blob("TMetafile", minimalEmf());
        QTest::newRow("icon") << blob("TIcon", icoBytes(), false);
    }

    void pictureDataRoundTripsByteExact()
    {
        QFETCH(QByteArray, data);
        TGPicture p;
        p.SetPictureData(data);
        QVERIFY(!p.IsEmpty());
        QCOMPARE(p.PictureData(), data);
        TGPicture copy = p; // copies share and compare equal
        QVERIFY(copy == p);
        TGPicture again;
        again.SetPictureData(copy.PictureData());
        QVERIFY(again == p);
        QCOMPARE(again.Size(), p.Size());
    }

    void badPictureDataThrows()
    {
        TGPicture p;
        p.SetBitmap(twoColours());
        const TGPicture before = p;
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, p.SetPictureData(blob("TJPEGImage", "xx")));
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, p.SetPictureData(QByteArray("\x09TMeta", 6)));
        QByteArray overlong = blob("TBitmap", encoded(twoColours(), "bmp"));
        qToLittleEndian<quint32>(0xFFFFFFF0u, overlong.data() + 8);
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, p.SetPictureData(overlong));
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, p.SetPictureData(blob("TBitmap", "BMnot a bitmap")));
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, p.SetPictureData(blob("TMetafile", "not a metafile")));
        QVERIFY(p == before); // a failed read leaves the picture as it was
        p.SetPictureData(QByteArray());
        QVERIFY(p.IsEmpty());

        // Every cut-short blob either throws EInvalidGraphic or gives a picture.
        for (const QByteArray &whole :
             {blob("TBitmap", encoded(twoColours(), "bmp")), blob("TMetafile", placeableWmf()),
              blob("TMetafile", minimalEmf()), blob("TIcon", icoBytes(), false)}) {
            for (int n = 1; n < whole.size(); ++n) {
                TGPicture cut;
                try {
                    cut.SetPictureData(whole.left(n));
                } catch (const EInvalidGraphic &) {
                    QVERIFY(cut.IsEmpty());
                }
            }
        }
    }

    void bitmapPropertyData()
    {
        TGPicture p;
        p.SetBitmap(twoColours());
        const QByteArray d = p.BitmapData();
        QCOMPARE(qFromLittleEndian<quint32>(d.constData()), quint32(d.size() - 4));
        QCOMPARE(d.mid(4, 2), QByteArray("BM"));
        TGPicture back;
        back.SetBitmapData(d);
        QCOMPARE(back.BitmapData(), d);
        QCOMPARE(back.Image().pixel(1, 0), qRgb(0, 0, 255));
        // A metafile assigned to a bitmap property is stored as its pixels.
        TGPicture mf;
        mf.SetMetafileBytes(placeableWmf());
        TGPicture asBitmap;
        asBitmap.SetBitmapData(mf.BitmapData());
        QCOMPARE(asBitmap.Size(), QSize(96, 96));
        QCOMPARE(asBitmap.Image().pixel(20, 48), qRgb(0, 0, 0));
        QCOMPARE(asBitmap.Image().pixel(70, 48), qRgb(255, 255, 255));
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, back.SetBitmapData(QByteArray("\x10\0\0\0BM", 6)));
    }

    void iconBecomesBitmapOnWhite()
    {
        TGPicture p;
        p.SetIconBytes(icoBytes());
        QVERIFY(p.IsIcon());
        p.ConvertIconToBitmap();
        QVERIFY(p.IsBitmap());
        QCOMPARE(p.Size(), QSize(16, 16));
        QCOMPARE(p.Image().pixel(0, 0), qRgb(255, 255, 255)); // the transparent corner
        QCOMPARE(p.Image().pixel(5, 5), qRgb(0, 128, 0));
        QVERIFY(p.PictureData().startsWith(QByteArray("\x07TBitmap", 8)));
        // Other pictures stay as they are.
        TGPicture w;
        w.SetMetafileBytes(placeableWmf());
        w.ConvertIconToBitmap();
        QVERIFY(w.IsMetafile());
    }

    void transparentPixelsOfBitmapsAreLaidOnWhite()
    {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(0, 0, 0, 0));
        image.setPixel(1, 0, qRgba(255, 0, 0, 255));
        TGPicture p;
        p.SetBitmap(image);
        QCOMPARE(p.Image().pixel(0, 0), qRgb(255, 255, 255));
        TGPicture back;
        back.SetPictureData(p.PictureData());
        QCOMPARE(back.Image().pixel(0, 0) | 0xFF000000u, qRgb(255, 255, 255));
        QCOMPARE(back.Image().pixel(1, 0) | 0xFF000000u, qRgb(255, 0, 0));
    }

    void loadFromFileByExtension()
    {
        QTemporaryDir dir;
        auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            return f.fileName();
        };
        TGPicture p = TGPicture::FromFile(write(QStringLiteral("clip.WMF"), placeableWmf()));
        QVERIFY(p.IsMetafile());
        QCOMPARE(p.Size(), QSize(96, 96));
        p.LoadFromFile(write(QStringLiteral("bare.wmf"), placeableWmf(false)));
        QVERIFY(p.IsMetafile());
        QCOMPARE(p.Size(), QSize(54, 54)); // 1440 units at the assumed 2540 per inch
        QCOMPARE(qFromLittleEndian<quint32>(p.GraphicBytes().constData()), TMetafile::PlaceableKey);
        p.LoadFromFile(write(QStringLiteral("pic.emf"), minimalEmf()));
        QVERIFY(p.IsMetafile() && p.Metafile()->IsEnhanced());
        p.LoadFromFile(write(QStringLiteral("a.b.Ico"), icoBytes()));
        QVERIFY(p.IsIcon());
        p.LoadFromFile(write(QStringLiteral("x.gif.bmp"), encoded(twoColours(), "bmp")));
        QVERIFY(p.IsBitmap());
        QVERIFY_THROWS_EXCEPTION(cw::EInOutError,
                                 p.LoadFromFile(dir.filePath(QStringLiteral("missing.bmp"))));
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic,
                                 p.LoadFromFile(write(QStringLiteral("bad.wmf"), "nothing")));
    }

    void drawStretchesAndPlays()
    {
        TGPicture p;
        p.SetBitmap(twoColours());
        QImage out = p.ToImage(QSize(100, 50));
        QCOMPARE(out.pixel(10, 25), qRgb(255, 0, 0));
        QCOMPARE(out.pixel(90, 25), qRgb(0, 0, 255));
        TGPicture w;
        w.SetMetafileBytes(placeableWmf());
        out = w.ToImage(QSize(200, 100));
        QCOMPARE(qAlpha(out.pixel(50, 50)), 255);
        QCOMPARE(out.pixel(50, 50) & 0xFFFFFF, 0u);
        QCOMPARE(qAlpha(out.pixel(150, 50)), 0); // nothing drawn there: still transparent
        QVERIFY(TGPicture().ToImage(QSize(10, 10)).isNull());
        // Drawing into a painter with a transform of its own.
        QImage canvas(200, 200, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.translate(100, 100);
        w.Draw(painter, QRectF(0, 0, 100, 100));
        painter.end();
        QCOMPARE(canvas.pixel(120, 150), qRgb(0, 0, 0));
        QCOMPARE(canvas.pixel(170, 150), qRgb(255, 255, 255));
        QCOMPARE(canvas.pixel(20, 150), qRgb(255, 255, 255));
    }

    void smartImageFileTypesAndLoading()
    {
        TSmartImage image;
        QCOMPARE(image.size(), QSize(105, 105));
        QVERIFY(image.MaintainAspect());
        const QStringList names = {"a.jpg", "b.GIF", "c.Jif", "d.bmp", "e.DIB", "f.rle", "g.tga", "h.PCX"};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(TSmartImage::FileType(names[i]), i + 1);
        QCOMPARE(TSmartImage::FileType(QStringLiteral("x.wmf")), 0);
        QCOMPARE(TSmartImage::FileType(QStringLiteral("archive.jpg.ico")), 0);
        QCOMPARE(TSmartImage::FileType(QStringLiteral("noextension")), 0);
        QCOMPARE(TSmartImage::FileType(QStringLiteral("dir.pcx/file.jpg")), 1);

        QTemporaryDir dir;
        QFile bad(dir.filePath(QStringLiteral("bad.pcx")));
        bad.open(QIODevice::WriteOnly);
        bad.write("not a picture at all");
        bad.close();
        TGPicture before;
        before.SetBitmap(twoColours());
        image.SetPicture(before);
        QVERIFY(!image.LoadFromFile(bad.fileName()));
        QVERIFY(image.Picture().IsEmpty());
        QVERIFY(!image.LastError().isEmpty());
        QFile good(dir.filePath(QStringLiteral("good.bmp")));
        good.open(QIODevice::WriteOnly);
        good.write(encoded(QImage(30, 20, QImage::Format_RGB32), "bmp"));
        good.close();
        image.SetAutoSize(true);
        QVERIFY(image.LoadFromFile(good.fileName()));
        QVERIFY(image.LastError().isEmpty());
        QCOMPARE(image.size(), QSize(30, 20)); // AutoSize follows the picture
    }

    void smartImagePlacement()
    {
        TSmartImage image;
        TGPicture p;
        p.SetBitmap(QImage(50, 25, QImage::Format_RGB32));
        image.SetPicture(p);
        image.resize(200, 200);
        QCOMPARE(image.PictureRect(), QRectF(0, 0, 50, 25));
        image.SetCenter(true);
        QCOMPARE(image.PictureRect(), QRectF(75, 87.5, 50, 25));
        image.SetStretch(true);
        QCOMPARE(image.PictureRect(), QRectF(0, 50, 200, 100));
        image.SetMaintainAspect(false);
        QCOMPARE(image.PictureRect(), QRectF(0, 0, 200, 200));
    }

    void smartImageSavesJpeg()
    {
        QTemporaryDir dir;
        TSmartImage image;
        const QString path = dir.filePath(QStringLiteral("card.jpg"));
        QVERIFY(!image.SaveAsJPG(80, path)); // no picture
        QVERIFY(!QFile::exists(path));

        QImage noisy(120, 80, QImage::Format_RGB32);
        for (int y = 0; y < noisy.height(); ++y)
            for (int x = 0; x < noisy.width(); ++x)
                noisy.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x ^ y) % 256));
        TGPicture p;
        p.SetBitmap(noisy);
        image.SetPicture(p);
        QVERIFY(image.SaveAsJPG(95, path));
        const qint64 fine = QFileInfo(path).size();
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(120, 80));
        QVERIFY(image.SaveAsJPG(10, path));
        QVERIFY(QFileInfo(path).size() < fine); // the quality reaches the encoder

        // A folder that does not exist: false, and nothing is written.
        QVERIFY(!image.SaveAsJPG(80, dir.filePath(QStringLiteral("no/such/folder/x.jpg"))));

        // A metafile is written at its own size, laid on white.
        TGPicture w;
        w.SetMetafileBytes(placeableWmf());
        image.SetPicture(w);
        QVERIFY(image.SaveAsJPG(90, path));
        const QImage back(path);
        QCOMPARE(back.size(), QSize(96, 96));
        QVERIFY(qRed(back.pixel(20, 48)) < 40);
        QVERIFY(qRed(back.pixel(80, 48)) > 215);
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"

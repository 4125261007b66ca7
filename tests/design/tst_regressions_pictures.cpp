// Pictures the fuzzers found faults with: each case is the smallest input
// that showed the fault, kept so it stays mended.

#include "design/model/TGPicture.h"
#include "design/model/TMetafile.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace cw::model;

class TestRegressionsPictures : public QObject
{
    Q_OBJECT

private slots:
    // An RLE8 bitmap with a 3-colour table whose pixels use index 4: drawing
    // it read past the colour table and crashed.  It must draw, with the
    // unknown colour as opaque black.
    void bitmapWithIndicesBeyondItsColourTable()
    {
        const QByteArray bmp = QByteArray::fromHex(
            "424d50000000000000000000000028000000040000000200000001000800010000000e00000000000000000000000300"
            "0000000000ff0000ff0000ff000000040200000004");
        TGPicture picture;
        picture.LoadFromBytes(bmp, QStringLiteral("BMP"));
        QCOMPARE(picture.Image().colorCount(), 0);
        QImage target(8, 4, QImage::Format_ARGB32_Premultiplied);
        target.fill(Qt::white);
        QPainter painter(&target);
        picture.Draw(painter, QRectF(0, 0, 4, 2));
        painter.end();
        QCOMPARE(picture.PictureData().mid(1, 7), QByteArray("TBitmap"));
    }

    // A placeable metafile whose font asks for an average character width
    // of 25836 units with the default height: the font was stretched 40
    // times and FreeType could not make the glyphs (Qt then copied from a
    // null bitmap and crashed).  The text is drawn no wider than Qt can.
    void wmfTextWithAnExtremeCharacterWidth()
    {
        const QByteArray wmf = QByteArray::fromHex(
            "d7cdc69a0000004d696e674c6934330500000000b1520100090000030000050000000c02a005a00508000000fb020000"
            "149b0000ff000000040000002d01000007000000fc020100ff0000000300040000002d010100070000001b04a005d002"
            "00000000070000001804e803e803c800c8000a0000002403030000000000bc0264002c0184030700000021050300b8bc"
            "00f0010000000000");
        TGPicture picture;
        picture.LoadFromBytes(wmf, QStringLiteral("WMF"));
        QImage target(64, 48, QImage::Format_ARGB32_Premultiplied);
        target.fill(Qt::transparent);
        QPainter painter(&target);
        picture.Draw(painter, QRectF(2, 3, 60, 40));
    }

    // An enhanced metafile whose frame spans more than an int: the width was
    // computed with a signed overflow (the sanitizer build stops on it).  It
    // is refused, or sized sensibly.
    void emfFrameWiderThanAnInt()
    {
        auto put32 = [](QByteArray &b, quint32 v) {
            for (int i = 0; i < 4; ++i)
                b.append(char((v >> (8 * i)) & 0xFF));
        };
        QByteArray h;
        put32(h, 1), put32(h, 88);
        put32(h, 0), put32(h, 0), put32(h, 95), put32(h, 95);                              // bounds
        put32(h, quint32(-1949922387)), put32(h, 0), put32(h, 1868983913), put32(h, 2540); // frame
        put32(h, 0x464D4520u), put32(h, 0x10000);
        put32(h, 88 + 20), put32(h, 2);
        put32(h, 0x00000001), put32(h, 0), put32(h, 0), put32(h, 0);
        put32(h, 960), put32(h, 960), put32(h, 254), put32(h, 254);
        put32(h, 14), put32(h, 20), put32(h, 0), put32(h, 0), put32(h, 20);
        TGPicture picture;
        try {
            picture.LoadFromBytes(h, QStringLiteral("EMF"));
        } catch (const EInvalidGraphic &) {
            return;
        }
        QVERIFY(picture.Width() > 0 && picture.Height() > 0);
    }

    // An enhanced metafile without a frame, whose bounds are huge for its
    // tiny reference device: the size in pixels did not fit an int (the
    // sanitizer build stops on the conversion).  It is refused.
    void emfSizeBeyondAnIntIsRefused()
    {
        auto put32 = [](QByteArray &b, quint32 v) {
            for (int i = 0; i < 4; ++i)
                b.append(char((v >> (8 * i)) & 0xFF));
        };
        QByteArray h;
        put32(h, 1), put32(h, 88);
        put32(h, 0), put32(h, 0), put32(h, 1000000000), put32(h, 1000000000); // bounds
        put32(h, 0), put32(h, 0), put32(h, 0), put32(h, 0);                   // no frame
        put32(h, 0x464D4520u), put32(h, 0x10000);
        put32(h, 88 + 20), put32(h, 2);
        put32(h, 0x00000001), put32(h, 0), put32(h, 0), put32(h, 0);
        put32(h, 1), put32(h, 1), put32(h, 100000), put32(h, 100000); // 1 x 1 pixels, 100 m
        put32(h, 14), put32(h, 20), put32(h, 0), put32(h, 0), put32(h, 20);
        TGPicture picture;
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, picture.LoadFromBytes(h, QStringLiteral("EMF")));
    }
};

QTEST_MAIN(TestRegressionsPictures)
#include "tst_regressions_pictures.moc"

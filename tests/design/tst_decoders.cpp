// Picture file decoders, fed with files written by the tests themselves:
// PCX and TGA by small encoders here, BMP with RLE by hand, JPEG and ICO
// through Qt's writers, GIF as known bytes.  Cut-short and damaged files
// must give no picture or a partial one, never a crash.

#include "design/model/TGPicture.h"
#include "design/model/TPcxDecoder.h"
#include "design/model/TTgaDecoder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

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

// The test picture: 5 x 3, every pixel different.
const QVector<QRgb> &colours()
{
    static const QVector<QRgb> c = {
        qRgb(255, 0, 0),     qRgb(0, 255, 0),  qRgb(0, 0, 255),    qRgb(255, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 255),   qRgb(10, 20, 30), qRgb(200, 100, 50), qRgb(255, 255, 255), qRgb(0, 0, 0),
        qRgb(128, 128, 128), qRgb(1, 2, 3),    qRgb(90, 80, 70),   qRgb(33, 66, 99),    qRgb(250, 240, 230)};
    return c;
}
constexpr int W = 5, H = 3;
int indexAt(int x, int y)
{
    return y * W + x;
}

void verifyPicture(const QImage &image)
{
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(W, H));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            QCOMPARE(image.pixel(x, y) | 0xFF000000u, colours()[indexAt(x, y)]);
}

QByteArray pcxRle(const QByteArray &line)
{
    QByteArray out;
    for (int i = 0; i < line.size();) {
        int n = 1;
        while (i + n < line.size() && line[i + n] == line[i] && n < 63)
            ++n;
        if (n > 1 || (uchar(line[i]) & 0xC0) == 0xC0)
            out.append(char(0xC0 | n));
        out.append(line[i]);
        i += n;
    }
    return out;
}

QByteArray pcxHeader(int bits, int planes, int bytesPerLine, int w, int h, bool rle = true,
                     const QVector<QRgb> &palette16 = {})
{
    QByteArray b(128, '\0');
    b[0] = 0x0A;
    b[1] = 5;
    b[2] = rle ? 1 : 0;
    b[3] = char(bits);
    b[8] = char((w - 1) & 0xFF), b[9] = char((w - 1) >> 8);
    b[10] = char((h - 1) & 0xFF), b[11] = char((h - 1) >> 8);
    for (int i = 0; i < palette16.size() && i < 16; ++i) {
        b[16 + 3 * i] = char(qRed(palette16[i]));
        b[17 + 3 * i] = char(qGreen(palette16[i]));
        b[18 + 3 * i] = char(qBlue(palette16[i]));
    }
    b[65] = char(planes);
    b[66] = char(bytesPerLine & 0xFF), b[67] = char(bytesPerLine >> 8);
    b[68] = 1;
    return b;
}

QByteArray pcx8()
{
    QByteArray b = pcxHeader(8, 1, 6, W, H);
    for (int y = 0; y < H; ++y) {
        QByteArray line;
        for (int x = 0; x < W; ++x)
            line.append(char(indexAt(x, y) + 190)); // indices >= 0xC0 need a run byte
        line.append('\0');
        b.append(pcxRle(line));
    }
    b.append(char(0x0C));
    QByteArray palette(768, '\0');
    for (int i = 0; i < colours().size(); ++i) {
        palette[3 * (i + 190)] = char(qRed(colours()[i]));
        palette[3 * (i + 190) + 1] = char(qGreen(colours()[i]));
        palette[3 * (i + 190) + 2] = char(qBlue(colours()[i]));
    }
    return b + palette;
}

QByteArray pcx24(bool rle)
{
    QByteArray b = pcxHeader(8, 3, 6, W, H, rle);
    for (int y = 0; y < H; ++y) {
        QByteArray line;
        for (int plane = 0; plane < 3; ++plane) {
            for (int x = 0; x < W; ++x) {
                const QRgb c = colours()[indexAt(x, y)];
                line.append(char(plane == 0 ? qRed(c) : plane == 1 ? qGreen(c) : qBlue(c)));
            }
            line.append('\0');
        }
        b.append(rle ? pcxRle(line) : line);
    }
    return b;
}

QByteArray pcx16Planes()
{
    QVector<QRgb> palette = colours();
    palette.append(qRgb(7, 7, 7));
    QByteArray b = pcxHeader(1, 4, 2, W, H, true, palette);
    for (int y = 0; y < H; ++y) {
        QByteArray line(8, '\0');
        for (int plane = 0; plane < 4; ++plane)
            for (int x = 0; x < W; ++x)
                if (indexAt(x, y) >> plane & 1)
                    line[plane * 2] = char(line[plane * 2] | (0x80 >> x));
        b.append(pcxRle(line));
    }
    return b;
}

QByteArray tga(bool rle, bool topOrigin, int bits)
{
    QByteArray b(18, '\0');
    b[2] = char(rle ? 10 : 2);
    b[12] = char(W), b[14] = char(H);
    b[16] = char(bits);
    b[17] = char((topOrigin ? 0x20 : 0) | (bits == 32 ? 8 : 0));
    auto pixel = [&](int x, int y) {
        const QRgb c = colours()[indexAt(x, y)];
        QByteArray p;
        p.append(char(qBlue(c))), p.append(char(qGreen(c))), p.append(char(qRed(c)));
        if (bits == 32)
            p.append(char(0)); // attribute bits left at 0, as many writers do
        return p;
    };
    for (int row = 0; row < H; ++row) {
        const int y = topOrigin ? row : H - 1 - row;
        if (!rle) {
            for (int x = 0; x < W; ++x)
                b.append(pixel(x, y));
            continue;
        }
        // One raw packet of 3 pixels, then the last 2 as a run packet of the same colour? No:
        // pixels differ, so: a raw packet of 4, then a raw packet of 1, and a run of one pixel.
        b.append(char(3));
        for (int x = 0; x < 4; ++x)
            b.append(pixel(x, y));
        b.append(char(0x80));
        b.append(pixel(4, y));
    }
    return b;
}

// A 4 x 2 BMP, bottom-up, 8-bit RLE (or 4-bit RLE) with a 3-colour palette.
QByteArray bmpRle(bool four)
{
    QByteArray data;
    // Bottom row (y = 1): 4 pixels of colour 2, encoded as a run.
    // Top row (y = 0): absolute mode 0 1 2 0 (RLE8) / run of alternating 0,1 then 2,0 (RLE4).
    if (!four) {
        data.append(char(4)), data.append(char(2));
        data.append(char(0)), data.append(char(0));
        data.append(char(0)), data.append(char(4));
        data.append(char(0)), data.append(char(1)), data.append(char(2)), data.append(char(0));
        data.append(char(0)), data.append(char(0));
        data.append(char(0)), data.append(char(1));
    } else {
        data.append(char(4)), data.append(char(0x22));
        data.append(char(0)), data.append(char(0));
        data.append(char(2)), data.append(char(0x01));
        data.append(char(2)), data.append(char(0x20));
        data.append(char(0)), data.append(char(0));
        data.append(char(0)), data.append(char(1));
    }
    QByteArray b("BM");
    const int palette = 3 * 4;
    put32(b, quint32(14 + 40 + palette + data.size()));
    put32(b, 0);
    put32(b, 14 + 40 + palette);
    put32(b, 40);
    put32(b, 4);
    put32(b, 2);
    put16(b, 1);
    put16(b, four ? 4 : 8);
    put32(b, four ? 2 : 1);
    put32(b, quint32(data.size()));
    put32(b, 0), put32(b, 0);
    put32(b, 3), put32(b, 0);
    for (QRgb c : {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}) {
        b.append(char(qBlue(c))), b.append(char(qGreen(c))), b.append(char(qRed(c))), b.append('\0');
    }
    return b + data;
}

QByteArray written(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    return writer.write(image) ? bytes : QByteArray();
}

QImage testImage(int scale)
{
    QImage image(W * scale, H * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours()[indexAt(x / scale, y / scale)]);
    return image;
}

// The picture a decoder makes of bytes, or null; never throws.
QImage loadAs(const QByteArray &bytes, const QString &ext)
{
    TGPicture p;
    try {
        p.LoadFromBytes(bytes, ext);
    } catch (const cw::Exception &) {
        return QImage();
    }
    return p.IsMetafile() ? p.ToImage() : p.Image();
}

} // namespace

class TestDecoders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The damaged-file rounds make the JPEG reader complain at length.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
    }

    void pcxVariants()
    {
        verifyPicture(TPcxDecoder::Decode(pcx8()));
        verifyPicture(TPcxDecoder::Decode(pcx24(true)));
        verifyPicture(TPcxDecoder::Decode(pcx24(false)));
        verifyPicture(TPcxDecoder::Decode(pcx16Planes()));
        // Monochrome: 0 black, 1 white.
        QByteArray mono = pcxHeader(1, 1, 2, 9, 1);
        mono.append(pcxRle(QByteArray("\xAA\x80", 2)));
        const QImage m = TPcxDecoder::Decode(mono);
        QCOMPARE(m.size(), QSize(9, 1));
        QCOMPARE(m.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(m.pixel(1, 0), qRgb(0, 0, 0));
        QCOMPARE(m.pixel(8, 0), qRgb(255, 255, 255));
        // Through the picture type, by extension.
        verifyPicture(loadAs(pcx8(), QStringLiteral("pcx")));
    }

    void pcxRejectsWhatItCannotRead()
    {
        QVERIFY(TPcxDecoder::Decode(QByteArray(200, 'x')).isNull());
        QByteArray wrongDepth = pcx8();
        wrongDepth[3] = 5;
        QVERIFY(TPcxDecoder::Decode(wrongDepth).isNull());
        QByteArray shortLines = pcx8();
        shortLines[66] = 2; // fewer bytes per line than the width needs
        QVERIFY(TPcxDecoder::Decode(shortLines).isNull());
        QByteArray huge = pcx8();
        huge[8] = char(0xFF), huge[9] = char(0xFF), huge[10] = char(0xFF), huge[11] = char(0xFF);
        huge[66] = char(0xFF), huge[67] = char(0xFF);
        QVERIFY(TPcxDecoder::Decode(huge).isNull());
    }

    void tgaVariants()
    {
        verifyPicture(TTgaDecoder::Decode(tga(false, false, 24)));
        verifyPicture(TTgaDecoder::Decode(tga(true, true, 24)));
        const QImage alphaZero = TTgaDecoder::Decode(tga(true, false, 32));
        verifyPicture(alphaZero);
        QCOMPARE(qAlpha(alphaZero.pixel(0, 0)), 255); // attribute bits of 0 mean opaque
        verifyPicture(loadAs(tga(false, true, 32), QStringLiteral("TGA")));
        QVERIFY(TTgaDecoder::Decode(QByteArray(40, '\7')).isNull());
    }

    void bmpWithRunLengthCoding()
    {
        for (bool four : {false, true}) {
            for (const char *ext : {"RLE", "bmp", "dib"}) {
                const QImage img = loadAs(bmpRle(four), QLatin1String(ext));
                QVERIFY2(!img.isNull(), ext);
                QCOMPARE(img.size(), QSize(4, 2));
                QCOMPARE(img.pixel(0, 1) | 0xFF000000u, qRgb(0, 0, 255));
                QCOMPARE(img.pixel(3, 1) | 0xFF000000u, qRgb(0, 0, 255));
                QCOMPARE(img.pixel(0, 0) | 0xFF000000u, qRgb(255, 0, 0));
                QCOMPARE(img.pixel(1, 0) | 0xFF000000u, qRgb(0, 255, 0));
                QCOMPARE(img.pixel(2, 0) | 0xFF000000u, qRgb(0, 0, 255));
            }
        }
        // A .DIB file without the 14-byte file header is read too.
        const QImage packed = loadAs(bmpRle(false).mid(14), QStringLiteral("DIB"));
        QCOMPARE(packed.size(), QSize(4, 2));
        QCOMPARE(packed.pixel(1, 0) | 0xFF000000u, qRgb(0, 255, 0));
    }

    void jpegJifGifAndIcon()
    {
        const QByteArray jpeg = written(testImage(8), "jpeg");
        QVERIFY(!jpeg.isEmpty());
        for (const char *ext : {"jpg", "JIF", "jpeg"}) {
            const QImage img = loadAs(jpeg, QLatin1String(ext));
            QCOMPARE(img.size(), QSize(W * 8, H * 8));
            const QRgb c = img.pixel(4, 4); // middle of the red block
            QVERIFY(qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60);
        }
        TGPicture jp;
        jp.LoadFromBytes(jpeg, QStringLiteral("jpg"));
        QVERIFY(jp.IsBitmap()); // decoded pictures become bitmaps

        // A 1 x 1 GIF whose one pixel is palette entry 0 (red).
        const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                             ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                             35);
        const QImage g = loadAs(gif, QStringLiteral("GIF"));
        QCOMPARE(g.size(), QSize(1, 1));
        QCOMPARE(g.pixel(0, 0) | 0xFF000000u, qRgb(255, 0, 0));

        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(qRgba(0, 0, 255, 255));
        icon.setPixel(0, 0, qRgba(0, 0, 0, 0));
        const QByteArray ico = written(icon, "ico");
        QVERIFY(!ico.isEmpty());
        TGPicture p;
        p.LoadFromBytes(ico, QStringLiteral("ico"));
        QVERIFY(p.IsIcon());
        QCOMPARE(p.Size(), QSize(16, 16));
        QCOMPARE(qAlpha(p.Image().pixel(0, 0)), 0);
        // Unknown extensions are recognised by their content.
        p.LoadFromBytes(ico, QStringLiteral("xyz"));
        QVERIFY(p.IsIcon());
        p.LoadFromBytes(bmpRle(false), QStringLiteral(""));
        QVERIFY(p.IsBitmap());
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic,
                                 p.LoadFromBytes(QByteArray("plain text"), QStringLiteral("txt")));
    }

    void cutShortAndDamagedFilesNeverCrash_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("ext");
        QTest::newRow("pcx8") << pcx8() << "PCX";
        QTest::newRow("pcx24") << pcx24(true) << "PCX";
        QTest::newRow("pcx16") << pcx16Planes() << "PCX";
        QTest::newRow("tga") << tga(false, false, 24) << "TGA";
        QTest::newRow("tga-rle") << tga(true, true, 32) << "TGA";
        QTest::newRow("rle8") << bmpRle(false) << "RLE";
        QTest::newRow("rle4") << bmpRle(true) << "BMP";
        QTest::newRow("jpeg") << written(testImage(4), "jpeg") << "JPG";
        QImage icon(8, 8, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        QTest::newRow("ico") << written(icon, "ico") << "ICO";
    }

    void cutShortAndDamagedFilesNeverCrash()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, ext);
        QVERIFY(!loadAs(bytes, ext).isNull());
        int decoded = 0;
        for (int n = 0; n < bytes.size(); ++n) {
            const QImage img = loadAs(bytes.left(n), ext);
            // A cut-short file gives no picture or one no larger than the whole.
            QVERIFY(img.isNull() || img.width() * img.height() <= 40 * 40);
            decoded += !img.isNull();
        }
        QVERIFY(decoded < bytes.size()); // a header alone is no picture
        QRandomGenerator rng(99);
        for (int round = 0; round < 300; ++round) {
            QByteArray b = bytes;
            for (int k = 0; k < 4; ++k)
                b[rng.bounded(int(b.size()))] = char(rng.bounded(256));
            loadAs(b, ext);
        }
    }
};

QTEST_MAIN(TestDecoders)
#include "tst_decoders.moc"

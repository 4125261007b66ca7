// The picture types the program reads: every listed type decodes by its
// extension, a multi-size icon gives its largest image, and an OS/2 bitmap
// with a short colour table is read from its data offset.  Files are built
// here byte by byte or with Qt's writers.

#include "design/model/TGPicture.h"
#include "design/model/TPictureFormats.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace cw::model;

namespace {

void put16(QByteArray &b, quint16 v)
{
    char le[2];
    qToLittleEndian(v, le);
    b.append(le, 2);
}

void put32(QByteArray &b, quint32 v)
{
    char le[4];
    qToLittleEndian(v, le);
    b.append(le, 4);
}

QByteArray written(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        return QByteArray();
    return bytes;
}

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// One ICO file holding each single-image icon's entry, in the order given.
QByteArray multiIcon(const QList<QByteArray> &singles)
{
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(singles.size()));
    quint32 offset = 6 + 16 * quint32(singles.size());
    QByteArray data;
    for (const QByteArray &one : singles) {
        const quint32 size = qFromLittleEndian<quint32>(one.constData() + 6 + 8);
        const quint32 at = qFromLittleEndian<quint32>(one.constData() + 6 + 12);
        QByteArray entry = one.mid(6, 16);
        char le[4];
        qToLittleEndian(offset, le);
        entry.replace(12, 4, QByteArray(le, 4));
        out += entry;
        data += one.mid(at, size);
        offset += size;
    }
    return out + data;
}

// The colour of palette entry i in the OS/2 test bitmap.
QRgb paletteColour(int i)
{
    return qRgb(i, 255 - i, (i * 7) & 0xFF);
}

// An OS/2 1.x bitmap (12-byte header), 8 bits a pixel, `entries` colours
// in its table, width x height; pixel (x, y) has index (x + 3 y) % entries.
QByteArray os2Bitmap(int width, int height, int entries)
{
    const int stride = (width + 3) / 4 * 4;
    const quint32 offset = 14 + 12 + 3 * entries;
    QByteArray b("BM");
    put32(b, offset + quint32(stride * height));
    put32(b, 0);
    put32(b, offset);
    put32(b, 12);
    put16(b, quint16(width));
    put16(b, quint16(height));
    put16(b, 1);
    put16(b, 8);
    for (int i = 0; i < entries; ++i) {
        const QRgb c = paletteColour(i);
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
    }
    for (int row = height - 1; row >= 0; --row) { // bottom-up
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x)
            line[x] = char((x + 3 * row) % entries);
        b += line;
    }
    return b;
}

} // namespace

class TestPictureFormats : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }

private slots:
    void everyDecodedTypeIsListedOnce()
    {
        QStringList ext = TPictureFormats::Extensions();
        for (const char *wanted : {"BMP", "DIB", "RLE", "WMF", "EMF", "ICO", "PCX", "TGA", "JPG", "JPEG",
                                   "JIF", "GIF", "PNG", "SVG", "TIF", "TIFF", "WEBP"})
            QVERIFY2(ext.contains(QLatin1String(wanted)), wanted);
        QCOMPARE(ext.removeDuplicates(), 0);
        QVERIFY(TPictureFormats::NameFilters().contains("*.PNG"));
        const QString filter = TPictureFormats::DialogFilter();
        QVERIFY(filter.startsWith("Pictures (") && filter.contains("*.png") && filter.contains("*.emf"));
        QVERIFY(TPictureFormats::IsPictureFile("a/Logo.PnG"));
        QVERIFY(!TPictureFormats::IsPictureFile("notes.txt"));
        QVERIFY(!TPictureFormats::IsPictureFile("png"));
    }

    void newTypesLoadByTheirExtension()
    {
        const QImage red = filled(QSize(6, 4), Qt::red).convertToFormat(QImage::Format_RGB32);
        const struct
        {
            const char *name, *format;
        } cases[] = {{"a.png", "png"},   {"b.jpeg", "jpeg"}, {"c.ppm", "ppm"},
                     {"d.tiff", "tiff"}, {"e.webp", "webp"}, {"f.TIF", "tiff"}};
        for (const auto &c : cases) {
            const TGPicture p = TGPicture::FromFile(file(c.name, written(red, c.format)));
            QVERIFY2(p.IsBitmap(), c.name);
            QCOMPARE(p.Size(), QSize(6, 4));
            const QColor got = p.Image().pixelColor(3, 2);
            QVERIFY2(got.red() > 240 && got.green() < 16 && got.blue() < 16, c.name);
        }
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
                               "<rect width='20' height='10' fill='#0000ff'/></svg>";
        const TGPicture vector = TGPicture::FromFile(file("g.svg", svg));
        QCOMPARE(vector.Size(), QSize(20, 10));
        QCOMPARE(vector.Image().pixel(10, 5), qRgb(0, 0, 255));
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, TGPicture::FromFile(file("h.webp", "not a picture")));
    }

    void seeThroughPicturesKeepTheirAlpha()
    {
        // A logo: an opaque red square in the middle of a transparent field,
        // with a half-transparent blue edge.
        QImage logo(12, 10, QImage::Format_ARGB32);
        logo.fill(Qt::transparent);
        for (int y = 3; y < 7; ++y)
            for (int x = 4; x < 8; ++x)
                logo.setPixel(x, y, qRgba(255, 0, 0, 255));
        logo.setPixel(3, 3, qRgba(0, 0, 255, 128));
        TGPicture p = TGPicture::FromFile(file("logo.png", written(logo, "png")));
        QVERIFY(p.IsBitmap());
        // Again from the card file's bytes: the same pixels.
        TGPicture stored;
        stored.SetPictureData(p.PictureData());
        for (const TGPicture *q : {&p, &stored}) {
            const QImage image = q->Image().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(12, 10));
            QCOMPARE(image.pixel(5, 5), qRgba(255, 0, 0, 255));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(11, 9)), 0);
            QCOMPARE(image.pixel(3, 3), qRgba(0, 0, 255, 128));
        }
        // Drawn, the ground shows through; readers without alpha see white
        // there (the first stored pixel is the bottom-left one).
        QImage flat(stored.Size(), QImage::Format_RGB32);
        flat.fill(Qt::black);
        QPainter painter(&flat);
        stored.Draw(painter, QRectF(0, 0, 12, 10));
        painter.end();
        QCOMPARE(flat.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(flat.pixel(5, 5), qRgb(255, 0, 0));
        const QByteArray bmp = p.GraphicBytes();
        QVERIFY(bmp.startsWith("BM"));
        QCOMPARE(quint8(bmp.at(14)), quint8(108));
        QCOMPARE(bmp.mid(14 + 108, 4), QByteArray("\xFF\xFF\xFF\x00", 4));

        // An opaque picture is stored exactly as before.
        QImage solid = logo;
        solid.fill(qRgba(0, 128, 0, 255));
        TGPicture opaque = TGPicture::FromFile(file("solid.png", written(solid, "png")));
        TGPicture plain;
        plain.SetBitmap(solid);
        QCOMPARE(opaque.GraphicBytes(), plain.GraphicBytes());
    }

    void multiSizeIconGivesItsLargestImage()
    {
        const QByteArray small = written(filled(QSize(16, 16), Qt::red), "ico");
        const QByteArray large = written(filled(QSize(48, 48), Qt::blue), "ico");
        const QByteArray middle = written(filled(QSize(32, 32), Qt::green), "ico");
        QVERIFY(!small.isEmpty() && !large.isEmpty() && !middle.isEmpty());
        for (const QByteArray &ico : {multiIcon({small, large, middle}), multiIcon({large, small})}) {
            TGPicture p;
            p.LoadFromBytes(ico, "ico");
            QVERIFY(p.IsIcon());
            QCOMPARE(p.Size(), QSize(48, 48));
            QCOMPARE(p.Image().pixel(24, 24), qRgb(0, 0, 255));
            p.ConvertIconToBitmap();
            QCOMPARE(p.Size(), QSize(48, 48));
        }
    }

    void os2BitmapWithShortTableReadsFromItsDataOffset()
    {
        // 252 of 256 colours, as in the well-known test suite's pal8os2sp.bmp:
        // reading a full table would shift every row by 12 pixels.
        for (int entries : {252, 256, 2}) {
            const QByteArray bytes = os2Bitmap(127, 8, entries);
            TGPicture p;
            p.SetBitmapBytes(bytes);
            QCOMPARE(p.Size(), QSize(127, 8));
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 127; ++x)
                    if (p.Image().pixel(x, y) != paletteColour((x + 3 * y) % entries))
                        QFAIL(qPrintable(
                            QStringLiteral("%1 colours: pixel (%2, %3)").arg(entries).arg(x).arg(y)));
            // The card file keeps the bytes the picture came from.
            QCOMPARE(p.GraphicBytes(), bytes);
        }
        // A table that claims more than the file holds is no picture.
        QByteArray cut = os2Bitmap(8, 2, 252);
        qToLittleEndian<quint32>(quint32(cut.size() + 10), cut.data() + 10);
        TGPicture none;
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, none.SetBitmapBytes(cut.left(40)));
    }
};

QTEST_MAIN(TestPictureFormats)
#include "tst_pictureformats.moc"

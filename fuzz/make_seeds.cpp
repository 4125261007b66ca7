// Writes the seed corpora of the fuzz targets: small valid inputs of every
// kind, so the fuzzers start from real structure.  Usage:
//   fuzz_make_seeds <corpus folder>      (makes <folder>/<target>/seed-*)
#include "FuzzSupport.h"

#include "design/model/TGImage.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGPicture.h"
#include "design/model/TObjectRegistry.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>
#include <cstdio>

using namespace cw::model;

namespace {

QString g_root;

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF)), b.append(char((v >> 8) & 0xFF));
}
void put32(QByteArray &b, quint32 v)
{
    put16(b, int(v & 0xFFFF)), put16(b, int(v >> 16));
}

void seed(const char *target, const QString &name, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const QString folder = g_root + QLatin1Char('/') + QLatin1String(target);
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/seed-") + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QImage sample(int w, int h, bool alpha = false)
{
    QImage image(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgba(x * 40, y * 60, (x + y) * 20, alpha && x == 0 ? 0 : 255));
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(image) ? bytes : QByteArray();
}

QByteArray bmpRle8()
{
    QByteArray data;
    data.append("\x04\x02\x00\x00\x00\x04\x00\x01\x02\x00\x00\x00\x00\x01", 14);
    QByteArray b("BM");
    put32(b, quint32(14 + 40 + 12 + data.size()));
    put32(b, 0), put32(b, 14 + 40 + 12);
    put32(b, 40), put32(b, 4), put32(b, 2);
    put16(b, 1), put16(b, 8);
    put32(b, 1), put32(b, quint32(data.size()));
    put32(b, 0), put32(b, 0), put32(b, 3), put32(b, 0);
    b.append("\x00\x00\xFF\x00\x00\xFF\x00\x00\xFF\x00\x00\x00", 12);
    return b + data;
}

QByteArray pcx8()
{
    QByteArray b(128, '\0');
    b[0] = 0x0A, b[1] = 5, b[2] = 1, b[3] = 8;
    b[8] = 3, b[10] = 1; // 4 x 2
    b[65] = 1, b[66] = 4, b[68] = 1;
    b.append("\xC4\x05\x01\x02\x03\x04", 6);
    b.append(char(0x0C));
    QByteArray palette(768, '\0');
    for (int i = 0; i < 256; ++i)
        palette[3 * i] = char(i), palette[3 * i + 2] = char(255 - i);
    return b + palette;
}

QByteArray pcx24()
{
    QByteArray b(128, '\0');
    b[0] = 0x0A, b[1] = 5, b[2] = 1, b[3] = 8;
    b[8] = 1, b[10] = 1; // 2 x 2
    b[65] = 3, b[66] = 2, b[68] = 1;
    for (int row = 0; row < 2; ++row)
        b.append("\xC2\x10\xC2\x80\x01\x02", 6);
    return b;
}

QByteArray tga(bool rle)
{
    QByteArray b(18, '\0');
    b[2] = char(rle ? 10 : 2);
    b[12] = 3, b[14] = 2, b[16] = 24, b[17] = 0x20;
    for (int row = 0; row < 2; ++row) {
        if (rle)
            b.append("\x81\x10\x20\x30\x00\x40\x50\x60", 8);
        else
            b.append("\x10\x20\x30\x40\x50\x60\x70\x80\x90", 9);
    }
    return b;
}

QByteArray wmf(bool placeable)
{
    QByteArray records;
    auto rec = [&](int fn, std::initializer_list<int> words) {
        put32(records, quint32(3 + words.size()));
        put16(records, fn);
        for (int w : words)
            put16(records, w);
    };
    rec(0x020B, {0, 0});                       // SetWindowOrg
    rec(0x020C, {1440, 1440});                 // SetWindowExt
    rec(0x02FA, {0, 20, 0, 0x00FF, 0});        // CreatePenIndirect
    rec(0x012D, {0});                          // SelectObject
    rec(0x02FC, {1, 0x00FF, 0x0000, 3});       // CreateBrushIndirect (hatched)
    rec(0x012D, {1});
    rec(0x041B, {1440, 720, 0, 0});            // Rectangle
    rec(0x0418, {1000, 1000, 200, 200});       // Ellipse
    rec(0x0324, {3, 0, 0, 700, 100, 300, 900}); // Polygon
    rec(0x0521, {2, 0x4948, 100, 100});        // TextOut "HI"
    rec(0x01F0, {0});                          // DeleteObject
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
    put16(out, 2);
    put32(out, 8);
    put16(out, 0);
    return out + records;
}

QByteArray emf()
{
    QByteArray body;
    auto rec = [&](quint32 type, std::initializer_list<quint32> values) {
        put32(body, type);
        put32(body, quint32(8 + 4 * values.size()));
        for (quint32 v : values)
            put32(body, v);
    };
    rec(9, {200, 200});                       // SetWindowExtEx
    rec(11, {100, 100});                      // SetViewportExtEx
    rec(38, {1, 0, 3, 0, 0x0000FF});          // CreatePen
    rec(37, {1});                             // SelectObject
    rec(39, {2, 1, 0x00FF00, 2});             // CreateBrushIndirect (hatched)
    rec(37, {2});
    rec(43, {0, 0, 48, 96});                  // Rectangle
    rec(42, {10, 10, 40, 40});                // Ellipse
    rec(86, {0, 0, 50, 50, 3, 0x00000000, 0x00320032, 0x00000032}); // Polybezier16-ish
    rec(40, {1});                             // DeleteObject
    QByteArray eof;
    put32(eof, 14), put32(eof, 20), put32(eof, 0), put32(eof, 0), put32(eof, 20);
    QByteArray h;
    put32(h, 1), put32(h, 88);
    put32(h, 0), put32(h, 0), put32(h, 95), put32(h, 95);
    put32(h, 0), put32(h, 0), put32(h, 2540), put32(h, 2540);
    put32(h, 0x464D4520u), put32(h, 0x10000);
    put32(h, quint32(88 + body.size() + eof.size()));
    put32(h, 12);
    put16(h, 3), put16(h, 0);
    put32(h, 0), put32(h, 0), put32(h, 0);
    put32(h, 960), put32(h, 960), put32(h, 254), put32(h, 254);
    return h + body + eof;
}

const char GifOnePixel[] = "GIF89a\x02\x00\x02\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff!\xf9\x04\x01\x00\x00\x00\x00"
                           ",\x00\x00\x00\x00\x02\x00\x02\x00\x00\x02\x03\x44\x34\x05\x00;";

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    cw::fuzz::StartGuiApplication();
    g_root = QString::fromLocal8Bit(argv[1]);

    // Pictures, one folder per decoder.
    seed("fuzz_picture_bmp", QStringLiteral("rgb.bmp"), encoded(sample(5, 3), "bmp"));
    seed("fuzz_picture_bmp", QStringLiteral("rle8.bmp"), bmpRle8());
    seed("fuzz_picture_ico", QStringLiteral("alpha.ico"), encoded(sample(16, 16, true), "ico"));
    seed("fuzz_picture_jpg", QStringLiteral("small.jpg"), encoded(sample(9, 7), "jpeg"));
    seed("fuzz_picture_gif", QStringLiteral("two.gif"), QByteArray(GifOnePixel, sizeof GifOnePixel - 1));
    seed("fuzz_picture_tga", QStringLiteral("raw.tga"), tga(false));
    seed("fuzz_picture_tga", QStringLiteral("rle.tga"), tga(true));
    seed("fuzz_picture_pcx", QStringLiteral("8bit.pcx"), pcx8());
    seed("fuzz_picture_pcx", QStringLiteral("24bit.pcx"), pcx24());
    seed("fuzz_picture_wmf", QStringLiteral("placeable.wmf"), wmf(true));
    seed("fuzz_picture_wmf", QStringLiteral("bare.wmf"), wmf(false));
    seed("fuzz_picture_emf", QStringLiteral("shapes.emf"), emf());

    TGPicture bitmap, metafile, icon;
    bitmap.SetBitmap(sample(4, 4));
    metafile.SetMetafileBytes(wmf(true));
    icon.SetIconBytes(encoded(sample(16, 16, true), "ico"));
    seed("fuzz_picture_data", QStringLiteral("bitmap"), bitmap.PictureData());
    seed("fuzz_picture_data", QStringLiteral("metafile"), metafile.PictureData());
    seed("fuzz_picture_data", QStringLiteral("icon"), icon.PictureData());

    // Object lists: every registered kind alone, all together, and a picture
    // object holding each kind of picture.
    const TObjectRegistry &registry = TObjectRegistry::Global();
    TGLabelObjectFiler::ObjectList all;
    for (const QString &name : registry.ClassNames()) {
        auto object = registry.Create(name);
        if (!object)
            continue;
        object->SetBounds(10, 20, 120, 40);
        const QByteArray one = TGLabelObjectFiler::ObjectListBytes({object.get()});
        seed("fuzz_object_filer", name, one);
        seed("fuzz_stream_values", name, one);
        all.push_back(std::move(object));
    }
    for (const TGPicture *picture : {&bitmap, &metafile, &icon}) {
        auto image = std::make_unique<TGImage>();
        image->SetBounds(5, 5, 60, 60);
        image->SetPicture(*picture);
        all.push_back(std::move(image));
    }
    const QByteArray card = TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(all));
    seed("fuzz_object_filer", QStringLiteral("all-kinds"), card);
    seed("fuzz_stream_values", QStringLiteral("all-kinds"), card);

    // Settings.
    seed("fuzz_settings_ini", QStringLiteral("cwr.ini"),
         "[Options]\r\nUnits=1\r\nZoom=\"150\"\r\nGrid=yes\r\n; comment\r\n[Recent Files]\r\nFile1=/tmp/a.CWD\r\n"
         "File2=  spaced  \r\n[options]\r\nunits=2\r\nnokey\r\n=novalue\r\n");
    seed("fuzz_settings_ini", QStringLiteral("bom.ini"), "\xEF\xBB\xBF[Personal]\nName=J\xC3\xBCrgen\nPhone=-12\n");
    seed("fuzz_settings_ini", QStringLiteral("cp1252.ini"), "[Personal]\nName=J\xFCrgen \x80\n[Bad\nX=1\n");
    return 0;
}

#include "design/model/TPictureFormats.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>

namespace cw::model {

namespace {

constexpr qint64 MaxPixels = 64LL * 1024 * 1024;
// A multi-image file offers at most this many images to choose from.
constexpr int MaxImagesLooked = 64;

void appendU16(QByteArray &b, quint16 v)
{
    char le[2];
    qToLittleEndian(v, le);
    b.append(le, 2);
}

void appendU32(QByteArray &b, quint32 v)
{
    char le[4];
    qToLittleEndian(v, le);
    b.append(le, 4);
}

// Files that hold one picture at several sizes: the largest is the picture.
bool holdsSizes(const QByteArray &format)
{
    return format == "ico" || format == "cur" || format == "icns";
}

bool sizeAllowed(const QSize &size, const char *format, qsizetype byteCount)
{
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > MaxPixels)
        return false;
    // A bitmap (even run-length coded) holds at most 128 pixels per byte:
    // a damaged header must not cost more memory than the file could fill.
    if (format && qstrcmp(format, "bmp") == 0 && pixels > 128 * qint64(byteCount) + 65536)
        return false;
    return true;
}

// An OS/2 1.x bitmap file (12-byte header) whose colour table ends before
// the full 2^bits entries: Qt's reader takes the full table and so starts
// the pixels inside the table's tail.  Rewritten with a 40-byte header that
// states the entries the file has.
QByteArray widenShortOs2Table(const QByteArray &file)
{
    if (file.size() < 26 || qFromLittleEndian<quint32>(file.constData() + 14) != 12)
        return file;
    const quint32 offset = qFromLittleEndian<quint32>(file.constData() + 10);
    const quint16 width = qFromLittleEndian<quint16>(file.constData() + 18);
    const quint16 height = qFromLittleEndian<quint16>(file.constData() + 20);
    const quint16 bits = qFromLittleEndian<quint16>(file.constData() + 24);
    if (bits != 1 && bits != 4 && bits != 8)
        return file;
    const quint32 full = 1u << bits;
    if (offset < 26 + 3 || offset > quint32(file.size()))
        return file;
    const quint32 entries = std::min<quint32>((offset - 26) / 3, full);
    if (entries == full)
        return file;
    QByteArray out("BM");
    const quint32 newOffset = 14 + 40 + 4 * entries;
    appendU32(out, newOffset + quint32(file.size()) - offset);
    appendU32(out, 0);
    appendU32(out, newOffset);
    appendU32(out, 40);
    appendU32(out, width);
    appendU32(out, height);
    appendU16(out, 1);
    appendU16(out, bits);
    appendU32(out, 0); // no compression: OS/2 1.x has none
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, entries);
    appendU32(out, 0);
    for (quint32 i = 0; i < entries; ++i) {
        out.append(file.constData() + 26 + 3 * i, 3);
        out.append('\0');
    }
    out.append(file.constData() + offset, file.size() - offset);
    return out;
}

} // namespace

QByteArray TPictureFormats::WithFileHeader(const QByteArray &bytes)
{
    if (bytes.startsWith("BM"))
        return bytes;
    const quint32 header = bytes.size() >= 4 ? qFromLittleEndian<quint32>(bytes.constData()) : 0;
    if (header != 12 && (header < 40 || header > 124))
        return bytes;
    quint32 colours = 0, masks = 0;
    if (header == 12) {
        const quint16 bits = bytes.size() >= 12 ? qFromLittleEndian<quint16>(bytes.constData() + 10) : 0;
        colours = bits <= 8 ? (1u << bits) * 3 : 0;
    } else if (bytes.size() >= 40) {
        const quint16 bits = qFromLittleEndian<quint16>(bytes.constData() + 14);
        const quint32 compression = qFromLittleEndian<quint32>(bytes.constData() + 16);
        quint32 used = qFromLittleEndian<quint32>(bytes.constData() + 32);
        if (bits <= 8 && (used == 0 || used > (1u << bits)))
            used = 1u << bits;
        if (bits > 8 && used > 65536)
            used = 0;
        colours = used * 4;
        masks = header == 40 && compression == 3 ? 12 : 0;
    }
    QByteArray file("BM");
    appendU32(file, quint32(14 + bytes.size()));
    appendU32(file, 0);
    appendU32(file, 14 + header + masks + colours);
    return file + bytes;
}

QStringList TPictureFormats::Extensions()
{
    static const QStringList all = [] {
        QStringList list{"BMP", "DIB",  "RLE", "WMF", "EMF",  "ICO", "PCX", "TGA",
                         "JPG", "JPEG", "JPE", "JIF", "JFIF", "GIF", "PNG"};
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            list << QString::fromLatin1(format).toUpper();
        list.sort();
        list.removeDuplicates();
        return list;
    }();
    return all;
}

QStringList TPictureFormats::NameFilters()
{
    QStringList filters;
    for (const QString &ext : Extensions())
        filters << QStringLiteral("*.") + ext;
    return filters;
}

QString TPictureFormats::DialogFilter()
{
    return QStringLiteral("Pictures (%1)").arg(NameFilters().join(QLatin1Char(' ')).toLower());
}

bool TPictureFormats::IsPictureFile(const QString &name)
{
    const QString ext = QFileInfo(name).suffix().toUpper();
    return !ext.isEmpty() && Extensions().contains(ext);
}

QImage TPictureFormats::Decode(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    if (!sizeAllowed(reader.size(), format, bytes.size()))
        return QImage();
    const int count = reader.imageCount();
    if (count <= 1 || !holdsSizes(reader.format()))
        return reader.read();
    // The largest image; of equal sizes the one with the deepest colours.
    QImage best;
    for (int i = 0; i < std::min(count, MaxImagesLooked); ++i) {
        if (!reader.jumpToImage(i))
            break;
        if (!sizeAllowed(reader.size(), format, bytes.size()))
            continue;
        QImage image = reader.read();
        if (image.isNull())
            continue;
        const qint64 area = qint64(image.width()) * image.height();
        const qint64 bestArea = qint64(best.width()) * best.height();
        if (best.isNull() || area > bestArea || (area == bestArea && image.depth() > best.depth()))
            best = std::move(image);
    }
    return best;
}

QByteArray TPictureFormats::NormalisedBitmap(const QByteArray &bytes)
{
    return widenShortOs2Table(WithFileHeader(bytes));
}

bool TPictureFormats::HasTransparency(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return true;
    }
    return false;
}

QByteArray TPictureFormats::BitmapWithAlpha(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const quint32 header = 108, offset = 14 + header;
    const quint32 pixels = quint32(argb.width()) * quint32(argb.height()) * 4;
    QByteArray out("BM");
    out.reserve(int(offset + pixels));
    appendU32(out, offset + pixels);
    appendU32(out, 0);
    appendU32(out, offset);
    appendU32(out, header);
    appendU32(out, quint32(argb.width()));
    appendU32(out, quint32(argb.height()));
    appendU16(out, 1);
    appendU16(out, 32);
    appendU32(out, 3); // bit fields
    appendU32(out, pixels);
    appendU32(out, 3780); // 96 per inch
    appendU32(out, 3780);
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, 0x00FF0000);
    appendU32(out, 0x0000FF00);
    appendU32(out, 0x000000FF);
    appendU32(out, 0xFF000000);
    appendU32(out, 0x73524742);            // "sRGB"
    out.append(QByteArray(36 + 12, '\0')); // end points and gamma: unused for sRGB
    for (int y = argb.height() - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            // Straight (not premultiplied) colour; nothing to see is white.
            appendU32(out, qAlpha(line[x]) == 0 ? 0x00FFFFFFu : quint32(line[x]));
        }
    }
    return out;
}

} // namespace cw::model

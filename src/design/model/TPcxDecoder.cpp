#include "design/model/TPcxDecoder.h"

#include <QtEndian>
#include <vector>

namespace cw::model {

namespace {

constexpr int HeaderSize = 128;

quint16 u16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

QImage TPcxDecoder::Decode(const QByteArray &bytes)
{
    if (bytes.size() < HeaderSize || uchar(bytes[0]) != 0x0A || uchar(bytes[2]) > 1)
        return QImage();
    const bool rle = uchar(bytes[2]) == 1;
    const int bits = uchar(bytes[3]);
    const int xmin = u16(bytes, 4), ymin = u16(bytes, 6), xmax = u16(bytes, 8), ymax = u16(bytes, 10);
    const int planes = uchar(bytes[65]);
    const int bytesPerLine = u16(bytes, 66);
    if (xmax < xmin || ymax < ymin)
        return QImage();
    const qint64 width = qint64(xmax) - xmin + 1, height = qint64(ymax) - ymin + 1;
    if (width * height > MaxPixels)
        return QImage();
    const bool indexed = (planes == 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8)) ||
                         (bits == 1 && (planes == 2 || planes == 3 || planes == 4));
    const bool trueColour = bits == 8 && (planes == 3 || planes == 4);
    if (!indexed && !trueColour)
        return QImage();
    if (qint64(bytesPerLine) * 8 < width * bits)
        return QImage();
    // Run-length coding packs at most 63 bytes into 2: a picture needing more
    // than 32 times the file's size is damaged, and is not worth the memory.
    const qint64 needed = qint64(bytesPerLine) * planes * height;
    if (needed > 32 * qint64(bytes.size()) + 4096)
        return QImage();

    // Unpack all scanlines (runs may cross line ends); missing data stays 0.
    const qint64 lineBytes = qint64(bytesPerLine) * planes;
    std::vector<uchar> data(size_t(lineBytes * height), 0);
    const uchar *src = reinterpret_cast<const uchar *>(bytes.constData()) + HeaderSize;
    const uchar *srcEnd = reinterpret_cast<const uchar *>(bytes.constData()) + bytes.size();
    size_t out = 0;
    while (out < data.size() && src < srcEnd) {
        uchar c = *src++;
        size_t count = 1;
        if (rle && (c & 0xC0) == 0xC0) {
            count = c & 0x3F;
            if (src >= srcEnd)
                break;
            c = *src++;
        }
        for (; count > 0 && out < data.size(); --count)
            data[out++] = c;
    }

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return QImage();

    // Colour table: the 256-colour palette after a 0x0C marker at the end of
    // the file, else the 16 colours of the header; monochrome is black and white.
    QVector<QRgb> palette(256, qRgb(0, 0, 0));
    const int indexBits = indexed ? bits * planes : 0;
    if (indexBits == 8 && bytes.size() >= HeaderSize + 769 && uchar(bytes[bytes.size() - 769]) == 0x0C) {
        const uchar *p = reinterpret_cast<const uchar *>(bytes.constData()) + bytes.size() - 768;
        for (int i = 0; i < 256; ++i)
            palette[i] = qRgb(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
    } else if (indexBits == 8) {
        for (int i = 0; i < 256; ++i)
            palette[i] = qRgb(i, i, i);
    } else if (indexBits == 1) {
        palette[1] = qRgb(255, 255, 255);
    } else {
        for (int i = 0; i < 16; ++i)
            palette[i] = qRgb(uchar(bytes[16 + 3 * i]), uchar(bytes[17 + 3 * i]), uchar(bytes[18 + 3 * i]));
    }

    for (qint64 y = 0; y < height; ++y) {
        const uchar *line = data.data() + y * lineBytes;
        QRgb *dst = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (qint64 x = 0; x < width; ++x) {
            if (trueColour) {
                dst[x] = qRgb(line[x], line[bytesPerLine + x], line[2 * bytesPerLine + x]);
                continue;
            }
            int index = 0;
            if (planes == 1) {
                const qint64 bit = x * bits;
                const int shift = 8 - bits - int(bit % 8);
                index = (line[bit / 8] >> shift) & ((1 << bits) - 1);
            } else {
                for (int p = 0; p < planes; ++p)
                    index |= ((line[p * bytesPerLine + x / 8] >> (7 - x % 8)) & 1) << p;
            }
            dst[x] = palette[index];
        }
    }
    return image;
}

} // namespace cw::model

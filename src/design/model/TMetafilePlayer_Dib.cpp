// Device-independent bitmaps inside metafile records: the header and colour
// table are checked, then the bitmap is handed to the BMP reader with a file
// header put in front; and the enhanced metafile's bitmap records.

#include "design/model/TMetafilePlayer.h"

#include "design/model/TMetafileEmfRecord.h"

namespace cw::model {

namespace {

constexpr quint32 BI_BITFIELDS = 3, BI_JPEG = 4, BI_PNG = 5, BI_ALPHABITFIELDS = 6;

void putU32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

} // namespace

qsizetype TMetafilePlayer::DibInfoSize(const QByteArray &packed)
{
    const quint32 header = TMetafile::U32(packed, 0);
    qint64 size = -1;
    if (header == 12) {
        const quint16 bits = TMetafile::U16(packed, 10);
        size = 12 + (bits <= 8 ? (qint64(1) << bits) * 3 : 0);
    } else if (header >= 40 && header <= 124) {
        const quint16 bits = TMetafile::U16(packed, 14);
        const quint32 compression = TMetafile::U32(packed, 16);
        qint64 colours = TMetafile::U32(packed, 32);
        if (bits <= 8 && (colours == 0 || colours > (qint64(1) << bits)))
            colours = qint64(1) << bits;
        if (colours > 65536)
            return -1;
        const qint64 masks = header == 40 && (compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS)
                                 ? (compression == BI_BITFIELDS ? 12 : 16)
                                 : 0;
        size = header + masks + colours * 4;
    }
    if (size < 0 || size > packed.size())
        return -1;
    return qsizetype(size);
}

QImage TMetafilePlayer::DecodeDib(const QByteArray &info, const QByteArray &bits)
{
    const quint32 header = TMetafile::U32(info, 0);
    qint64 width = 0, height = 0;
    quint32 compression = 0;
    if (header == 12) {
        width = TMetafile::U16(info, 4);
        height = TMetafile::U16(info, 6);
    } else if (header >= 40 && header <= 124 && info.size() >= qsizetype(header)) {
        width = TMetafile::I32(info, 4);
        height = std::abs(qint64(TMetafile::I32(info, 8)));
        compression = TMetafile::U32(info, 16);
    } else {
        return QImage();
    }
    if (width <= 0 || height <= 0 || width * height > MaxBitmapPixels)
        return QImage();
    if (compression == BI_JPEG || compression == BI_PNG)
        return QImage::fromData(bits);

    QByteArray file("BM");
    putU32(file, quint32(14 + info.size() + bits.size()));
    putU32(file, 0);
    putU32(file, quint32(14 + info.size()));
    file.append(info);
    file.append(bits);
    return QImage::fromData(file, "BMP");
}

QImage TMetafilePlayer::DecodeAlphaDib(const QByteArray &info, const QByteArray &bits)
{
    const quint32 header = TMetafile::U32(info, 0);
    if (header < 40 || header > 124 || info.size() < qsizetype(header) || TMetafile::U16(info, 14) != 32 ||
        TMetafile::U32(info, 16) != 0)
        return DecodeDib(info, bits);
    const qint64 width = TMetafile::I32(info, 4);
    const qint64 signedHeight = TMetafile::I32(info, 8);
    const qint64 height = std::abs(signedHeight);
    if (width <= 0 || height <= 0 || width * height > MaxBitmapPixels || bits.size() < width * height * 4)
        return QImage();
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    for (qint64 row = 0; row < height; ++row) {
        // Bottom-up unless the height is negative.
        const qint64 y = signedHeight > 0 ? height - 1 - row : row;
        const uchar *src = reinterpret_cast<const uchar *>(bits.constData()) + row * width * 4;
        QRgb *dst = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (qint64 x = 0; x < width; ++x, src += 4) {
            const int a = src[3];
            // Colour above its alpha is not premultiplied data: clamp it.
            dst[x] = qRgba(std::min<int>(src[2], a), std::min<int>(src[1], a), std::min<int>(src[0], a), a);
        }
    }
    return image;
}

void TMetafilePlayer::PlayEmfBitmap(const TMetafileRecord &record, qsizetype at)
{
    const TMfEmfRecord r{m_mf.Bytes(), at, at + record.Size};
    QRectF dest, source;
    quint32 rop = 0x00CC0020;
    qint64 offBmi = 0, cbBmi = 0, offBits = 0, cbBits = 0;
    bool bottomUpSource = true;
    switch (record.Type) {
    case 76:
    case 77:
    case 114:
        dest = QRectF(r.i(24), r.i(28), r.i(32), r.i(36));
        rop = record.Type == 114 ? 0x00CC0020 : r.u(40);
        source = QRectF(r.i(44), r.i(48), r.i(32), r.i(36));
        if (record.Type != 76)
            source.setSize(QSizeF(r.i(100), r.i(104)));
        offBmi = r.u(84), cbBmi = r.u(88), offBits = r.u(92), cbBits = r.u(96);
        bottomUpSource = false; // a device context's rows count from the top
        if (cbBmi == 0) {
            if (record.Type != 114)
                PatBlt(dest, rop);
            return;
        }
        break;
    case 80:
    case 81:
        source = QRectF(r.i(32), r.i(36), r.i(40), r.i(44));
        offBmi = r.u(48), cbBmi = r.u(52), offBits = r.u(56), cbBits = r.u(60);
        if (record.Type == 81) {
            rop = r.u(68);
            dest = QRectF(r.i(24), r.i(28), r.i(72), r.i(76));
        } else {
            dest = QRectF(r.i(24), r.i(28), r.i(40), r.i(44));
        }
        break;
    default:
        return;
    }
    const QByteArray info = r.bytes(offBmi, cbBmi);
    // Alpha blending: a constant opacity and, with AC_SRC_ALPHA, the
    // bitmap's own premultiplied alpha.
    const bool blend = record.Type == 114;
    const bool ownAlpha = blend && (r.byte(43) & 1);
    const QImage image = m_mf.CachedImage(record.Offset * 4, [&] {
        const QByteArray bits = r.bytes(offBits, cbBits);
        return ownAlpha ? DecodeAlphaDib(info, bits) : DecodeDib(info, bits);
    });
    if (image.isNull()) {
        if (cbBmi == 0)
            PatBlt(dest, rop);
        return;
    }
    if (bottomUpSource && (TMetafile::U32(info, 0) == 12 || TMetafile::I32(info, 8) > 0))
        source.moveTop(image.height() - source.top() - source.height());
    const qreal opacity = m_p.opacity();
    if (blend)
        m_p.setOpacity(opacity * r.byte(42) / 255.0);
    DrawBitmap(image, dest, source, rop);
    m_p.setOpacity(opacity);
}

} // namespace cw::model

#include "design/model/TMetafile.h"

#include "design/model/TMetafilePlayer.h"
#include "print/engine/Units.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

namespace cw::model {

namespace {

constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype WmfHeaderSize = 18;
constexpr quint16 WmfSetWindowOrg = 0x020B;
constexpr quint16 WmfSetWindowExt = 0x020C;
constexpr quint32 EmrHeader = 1;
constexpr quint32 EmrEof = 14;
constexpr int UnknownUnitsPerInch = 2540;

void putU16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

void putU32(QByteArray &b, quint32 v)
{
    putU16(b, quint16(v & 0xFFFF));
    putU16(b, quint16(v >> 16));
}

// The 22-byte placeable header the card file stores before WMF records.
QByteArray placeableHeader(const QRect &box, int inch)
{
    QByteArray h;
    putU32(h, TMetafile::PlaceableKey);
    putU16(h, 0);
    putU16(h, quint16(qint16(box.left())));
    putU16(h, quint16(qint16(box.top())));
    putU16(h, quint16(qint16(box.right())));
    putU16(h, quint16(qint16(box.bottom())));
    putU16(h, quint16(inch));
    putU32(h, 0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= TMetafile::U16(h, i * 2);
    putU16(h, sum);
    return h;
}

bool isWmfHeader(const QByteArray &b, qsizetype at)
{
    const quint16 type = TMetafile::U16(b, at);
    const quint16 words = TMetafile::U16(b, at + 2);
    return b.size() >= at + WmfHeaderSize && (type == 1 || type == 2) && words == 9;
}

} // namespace

quint16 TMetafile::U16(const QByteArray &b, qsizetype at)
{
    if (at < 0 || at + 2 > b.size())
        return 0;
    return qFromLittleEndian<quint16>(b.constData() + at);
}

quint32 TMetafile::U32(const QByteArray &b, qsizetype at)
{
    if (at < 0 || at + 4 > b.size())
        return 0;
    return qFromLittleEndian<quint32>(b.constData() + at);
}

float TMetafile::F32(const QByteArray &b, qsizetype at)
{
    const quint32 bits = U32(b, at);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return std::isfinite(f) ? f : 0.0f;
}

bool TMetafile::LooksLikeMetafile(const QByteArray &bytes)
{
    if (U32(bytes, 0) == PlaceableKey)
        return true;
    return U32(bytes, 0) == EmrHeader && U32(bytes, 40) == EmfSignature;
}

std::shared_ptr<const TMetafile> TMetafile::Parse(const QByteArray &bytes)
{
    auto mf = std::make_shared<TMetafile>();
    mf->m_bytes = bytes;
    bool ok = false;
    if (U32(bytes, 0) == EmrHeader && U32(bytes, 40) == EmfSignature)
        ok = mf->ParseEmf();
    else
        ok = mf->ParseWmf();
    if (!ok)
        return nullptr;
    return mf;
}

bool TMetafile::ParseEmf()
{
    m_enhanced = true;
    const QByteArray &b = m_bytes;
    const quint32 headerSize = U32(b, 4);
    if (headerSize < 88 || headerSize > quint32(b.size()))
        return false;
    m_emfBounds = QRect(QPoint(I32(b, 8), I32(b, 12)), QPoint(I32(b, 16), I32(b, 20)));
    m_emfFrame = QRect(QPoint(I32(b, 24), I32(b, 28)), QPoint(I32(b, 32), I32(b, 36)));
    m_objectCount = U16(b, 56);
    m_devicePixels = QSize(I32(b, 72), I32(b, 76));
    m_deviceMillimetres = QSize(I32(b, 80), I32(b, 84));
    if (m_devicePixels.width() <= 0 || m_devicePixels.height() <= 0 || m_deviceMillimetres.width() <= 0 ||
        m_deviceMillimetres.height() <= 0) {
        // A reference device of 96 ppi when the header does not say.
        m_devicePixels = QSize(96 * 100, 96 * 100);
        m_deviceMillimetres = QSize(2540, 2540);
    }

    qsizetype at = 0;
    while (at + 8 <= b.size() && qsizetype(m_records.size()) < MaxRecords) {
        const quint32 type = U32(b, at);
        const quint32 size = U32(b, at + 4);
        if (size < 8 || size > quint32(b.size() - at))
            break;
        m_records.push_back({type, at, qsizetype(size)});
        at += size;
        if (type == EmrEof)
            break;
    }

    // Frame (hundredths of a millimetre, inclusive) to reference pixels.
    const double sx = double(m_devicePixels.width()) / (m_deviceMillimetres.width() * 100.0);
    const double sy = double(m_devicePixels.height()) / (m_deviceMillimetres.height() * 100.0);
    // Extents in 64 bits: a damaged header may span more than an int holds.
    constexpr qint64 IntMax = std::numeric_limits<int>::max();
    const qint64 fw = qint64(m_emfFrame.right()) - m_emfFrame.left();
    const qint64 fh = qint64(m_emfFrame.bottom()) - m_emfFrame.top();
    if (fw > 0 && fh > 0 && fw <= IntMax && fh <= IntMax) {
        m_referenceFrame = QRectF(QPointF(m_emfFrame.left() * sx, m_emfFrame.top() * sy),
                                  QPointF(m_emfFrame.right() * sx, m_emfFrame.bottom() * sy));
        m_width = MulDiv(int(fw), ScreenPixelsPerInch, 2540);
        m_height = MulDiv(int(fh), ScreenPixelsPerInch, 2540);
    } else {
        const qint64 bw = qint64(m_emfBounds.right()) - m_emfBounds.left() + 1;
        const qint64 bh = qint64(m_emfBounds.bottom()) - m_emfBounds.top() + 1;
        if (bw <= 0 || bh <= 0 || bw > IntMax || bh > IntMax)
            return false;
        m_referenceFrame = QRectF(m_emfBounds.left(), m_emfBounds.top(), bw, bh);
        const double w = bw / (sx * 2540.0) * ScreenPixelsPerInch;
        const double h = bh / (sy * 2540.0) * ScreenPixelsPerInch;
        if (!(std::fabs(w) < double(IntMax) && std::fabs(h) < double(IntMax)))
            return false; // a reference device too small for its bounds
        m_width = qMax(1, Round(w));
        m_height = qMax(1, Round(h));
    }
    return m_width > 0 && m_height > 0;
}

bool TMetafile::ParseWmf()
{
    m_enhanced = false;
    QByteArray &b = m_bytes;
    if (U32(b, 0) == PlaceableKey) {
        if (!isWmfHeader(b, PlaceableSize))
            return false;
        m_wmfBounds = QRect(QPoint(I16(b, 6), I16(b, 8)), QPoint(I16(b, 10), I16(b, 12)));
        m_wmfInch = U16(b, 14);
    } else {
        if (!isWmfHeader(b, 0))
            return false;
        // A bare Windows metafile: the window it sets up is its bounding box.
        QPoint org;
        QSize ext;
        bool haveExt = false;
        qsizetype at = WmfHeaderSize;
        for (int n = 0; at + 6 <= b.size() && n < 4096; ++n) {
            const quint32 words = U32(b, at);
            const quint16 fn = U16(b, at + 4);
            if (words < 3 || words > quint32((b.size() - at) / 2) || fn == 0)
                break;
            if (fn == WmfSetWindowOrg)
                org = QPoint(I16(b, at + 8), I16(b, at + 6));
            if (fn == WmfSetWindowExt) {
                ext = QSize(I16(b, at + 8), I16(b, at + 6));
                haveExt = true;
                break;
            }
            at += qsizetype(words) * 2;
        }
        if (!haveExt || ext.width() == 0 || ext.height() == 0)
            return false;
        QRect box(QPoint(org.x(), org.y()), QPoint(org.x() + ext.width(), org.y() + ext.height()));
        b.prepend(placeableHeader(box.normalized(), UnknownUnitsPerInch));
        m_wmfBounds = QRect(QPoint(I16(b, 6), I16(b, 8)), QPoint(I16(b, 10), I16(b, 12)));
        m_wmfInch = UnknownUnitsPerInch;
    }
    if (m_wmfInch <= 0)
        m_wmfInch = UnknownUnitsPerInch;
    m_objectCount = U16(b, PlaceableSize + 10);

    qsizetype at = PlaceableSize + WmfHeaderSize;
    while (at + 6 <= b.size() && qsizetype(m_records.size()) < MaxRecords) {
        const quint32 words = U32(b, at);
        const quint16 fn = U16(b, at + 4);
        if (words < 3 || words > quint32((b.size() - at) / 2))
            break;
        m_records.push_back({fn, at, qsizetype(words) * 2});
        at += qsizetype(words) * 2;
        if (fn == 0)
            break;
    }

    // Box corners are exclusive on the right and bottom: width = right - left.
    const int bw = std::abs(m_wmfBounds.right() - m_wmfBounds.left());
    const int bh = std::abs(m_wmfBounds.bottom() - m_wmfBounds.top());
    if (bw == 0 || bh == 0)
        return false;
    m_width = MulDiv(bw, ScreenPixelsPerInch, m_wmfInch);
    m_height = MulDiv(bh, ScreenPixelsPerInch, m_wmfInch);
    if (m_width <= 0 || m_height <= 0)
        return false;
    m_referenceFrame = QRectF(0, 0, m_width, m_height);
    return true;
}

QImage TMetafile::CachedImage(qsizetype key, const std::function<QImage()> &make) const
{
    {
        std::lock_guard lock(m_cacheLock);
        auto it = m_imageCache.find(key);
        if (it != m_imageCache.end())
            return it->second;
    }
    QImage image = make();
    std::lock_guard lock(m_cacheLock);
    m_imageCache.emplace(key, image);
    return image;
}

void TMetafile::Play(QPainter &painter, const QRectF &target) const
{
    if (target.width() == 0 || target.height() == 0 || m_records.empty())
        return;
    TMetafilePlayer player(*this, painter, target);
    player.Play();
}

} // namespace cw::model

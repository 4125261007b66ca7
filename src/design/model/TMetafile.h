#pragma once
// A parsed metafile: an enhanced metafile (EMF) or a Windows metafile (WMF,
// kept with its 22-byte placeable header).  Parsing checks the header and
// splits the bytes into records, each record's length checked against the
// bytes that are left; playing draws the records onto a QPainter, scaled
// into a target rectangle (TMetafilePlayer).
//
// Sizes: a WMF's natural size is its bounding box converted from its units
// per inch to 96 ppi; an EMF's is its frame (hundredths of a millimetre)
// converted to 96 ppi.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

class QPainter;

namespace cw::model {

struct TMetafileRecord
{
    quint32 Type = 0;     // EMR_ type, or the WMF function number
    qsizetype Offset = 0; // of the record's first byte in Bytes()
    qsizetype Size = 0;   // whole record, header included
};

class TMetafile
{
public:
    // At most this many records are kept; a file with more plays its first ones.
    static constexpr qsizetype MaxRecords = 2'000'000;
    static constexpr quint32 PlaceableKey = 0x9AC6CDD7u;
    static constexpr quint32 EmfSignature = 0x464D4520u; // " EMF"

    // Parses EMF, placeable WMF or bare WMF bytes.  A bare WMF gets a
    // placeable header made from its first window origin and extent (2540
    // units per inch).  Returns nullptr when the bytes are no metafile.
    // Records that run past the end are dropped: a damaged file keeps the
    // records before the damage.
    static std::shared_ptr<const TMetafile> Parse(const QByteArray &bytes);
    // True when the bytes begin like a metafile (EMF or placeable WMF).
    static bool LooksLikeMetafile(const QByteArray &bytes);

    bool IsEnhanced() const { return m_enhanced; }
    // The bytes as the card file stores them (placeable form for a WMF).
    const QByteArray &Bytes() const { return m_bytes; }
    const std::vector<TMetafileRecord> &Records() const { return m_records; }

    // WMF: bounding box in logical units and units per inch (placeable header);
    // object-table size from the WMF header.
    QRect WmfBounds() const { return m_wmfBounds; }
    int WmfUnitsPerInch() const { return m_wmfInch; }
    int ObjectCount() const { return m_objectCount; }
    // EMF: frame in hundredths of a millimetre, bounds in reference-device
    // pixels, reference device size in pixels and millimetres.
    QRect EmfFrame() const { return m_emfFrame; }
    QRect EmfBounds() const { return m_emfBounds; }
    QSize EmfDevicePixels() const { return m_devicePixels; }
    QSize EmfDeviceMillimetres() const { return m_deviceMillimetres; }

    // Natural size in pixels at 96 ppi.
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // The frame in reference-device units that Play maps onto the target
    // (EMF: frame converted to device pixels; WMF: 0, 0, Width, Height).
    QRectF ReferenceFrame() const { return m_referenceFrame; }

    // Plays every record into target (painter coordinates).  The painter's
    // state is restored afterwards; damaged records are skipped.
    void Play(QPainter &painter, const QRectF &target) const;

    // Little-endian readers that return 0 past the end of the bytes.
    static quint16 U16(const QByteArray &b, qsizetype at);
    static qint16 I16(const QByteArray &b, qsizetype at) { return static_cast<qint16>(U16(b, at)); }
    static quint32 U32(const QByteArray &b, qsizetype at);
    static qint32 I32(const QByteArray &b, qsizetype at) { return static_cast<qint32>(U32(b, at)); }
    static float F32(const QByteArray &b, qsizetype at);

    // Bitmaps decoded from records, kept across plays; the key is the
    // record's offset times 4 plus a variant number 0..3.  make() runs once
    // per key.
    QImage CachedImage(qsizetype key, const std::function<QImage()> &make) const;

private:
    bool ParseEmf();
    bool ParseWmf();

    QByteArray m_bytes;
    bool m_enhanced = false;
    std::vector<TMetafileRecord> m_records;
    QRect m_wmfBounds;
    int m_wmfInch = 0;
    int m_objectCount = 0;
    QRect m_emfFrame;
    QRect m_emfBounds;
    QSize m_devicePixels;
    QSize m_deviceMillimetres;
    int m_width = 0;
    int m_height = 0;
    QRectF m_referenceFrame;
    mutable std::mutex m_cacheLock;
    mutable std::unordered_map<qsizetype, QImage> m_imageCache;
};

} // namespace cw::model

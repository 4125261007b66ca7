#pragma once
// Plays a parsed metafile onto a QPainter, one record at a time, with the
// device-context state of the drawing interface the records were written
// for: mapping modes, window and viewport, world transform (EMF), object
// table, pens, brushes, fonts, text and background colours, clipping, paths
// and bitmaps.
//
// Coordinates: records draw in logical units; the window/viewport mapping
// and the world transform take them to reference-device units (the EMF's
// reference device; for a WMF, the picture's natural pixels); the base
// transform maps the metafile's reference frame onto the target rectangle
// in the painter's coordinates.  Cosmetic pens and hatch patterns are sized
// in reference pixels so that the picture looks the same at any scale.
//
// Robustness: every read is bounds checked (out-of-range reads give 0), the
// object table and the SaveDC stack are limited, and records that make no
// sense are skipped.  A damaged file plays what it can.

#include "design/model/TMetafile.h"
#include "design/model/TMetafileState.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <optional>
#include <vector>

namespace cw::model {

class TMetafilePlayer
{
public:
    static constexpr int MaxObjects = 65535;
    static constexpr int MaxSavedStates = 1024;
    static constexpr int MaxBitmapPixels = 64 * 1024 * 1024;

    TMetafilePlayer(const TMetafile &metafile, QPainter &painter, const QRectF &target);
    void Play();

    // A packed or split device-independent bitmap as an image; null when the
    // header is damaged or the bitmap is unreasonably large.
    static QImage DecodeDib(const QByteArray &info, const QByteArray &bits);
    // A 32-bit DIB whose fourth byte is premultiplied alpha (alpha blending);
    // other DIBs decode as DecodeDib does.
    static QImage DecodeAlphaDib(const QByteArray &info, const QByteArray &bits);
    // Splits a packed DIB (header, colour table, bits) at the end of the colour table.
    static qsizetype DibInfoSize(const QByteArray &packed);
    // An 8 x 8 hatch tile: lines in fore, the rest back (transparent when back is invalid).
    static QImage HatchTile(int hatch, const QColor &fore, const QColor &back);

private:
    // Records of each format (TMetafilePlayer_Wmf.cpp, TMetafilePlayer_Emf.cpp).
    void PlayWmf(const TMetafileRecord &record);
    void PlayEmf(const TMetafileRecord &record);
    void PlayEmfBitmap(const TMetafileRecord &record, qsizetype at);
    void PlayEmfText(const TMetafileRecord &record, qsizetype at);
    void PlayEmfPoly(quint32 type, qsizetype at, qsizetype end);

    // Mapping.
    QTransform PageTransform() const; // window/viewport: page -> reference
    QTransform LogicalTransform() const { return m_dc.World * PageTransform(); }
    void SetFullTransform();
    double LogicalScale() const;

    // Objects and state.
    void CreateObject(const TMfObject &object, qint64 index);
    void SelectObject(qint64 index);
    void DeleteObject(qint64 index);
    void SelectStockObject(quint32 stock);
    void SaveDC();
    void RestoreDC(int which);

    // Drawing.
    QPen MakePen() const;
    QBrush MakeBrush() const;
    bool ApplyRop(); // false when the raster operation leaves the destination alone
    void DrawPath(const QPainterPath &logical, bool fill, bool stroke);
    void DrawPolyline(const QPolygonF &logical);
    void MoveTo(const QPointF &p);
    void LineTo(const QPointF &p);
    void PolylineTo(const QPolygonF &points, bool bezier);
    QPainterPath ArcPath(const QRectF &box, const QPointF &start, const QPointF &end, int kind) const;
    void DrawText(const QPointF &at, const QString &text, const QVector<double> &dx, quint32 options,
                  const QRectF &rect);
    void DrawBitmap(const QImage &image, const QRectF &dest, QRectF source, quint32 rop);
    void PatBlt(const QRectF &dest, quint32 rop);

    // Clipping (reference coordinates).
    void IntersectClip(const QRectF &logical);
    void ExcludeClip(const QRectF &logical);
    void CombineClip(const QPainterPath &reference, int mode);
    void ApplyClip();

    // Paths (EMF path bracket), in reference coordinates.
    void AddToPath(const QPainterPath &logical);
    void FillOrStrokePath(bool fill, bool stroke);

    const TMetafile &m_mf;
    QPainter &m_p;
    QRectF m_target;
    QTransform m_base; // reference -> painter device
    QTransform m_painterStart;
    std::optional<QPainterPath> m_startClip; // painter device coordinates
    bool m_rasterOps = false;
    // Device pixels in one design pixel (a 96th of an inch): the thinnest
    // line is that wide, so a hairline prints as wide as the screen shows it.
    double m_designPixel = 1.0;
    TMfDcState m_dc;
    std::vector<TMfDcState> m_saved;
    std::vector<std::optional<TMfObject>> m_objects;
    bool m_inPath = false;
    QPainterPath m_path;
    const TMetafileRecord *m_record = nullptr;
};

} // namespace cw::model

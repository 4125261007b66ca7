#pragma once
// Bounds-checked reading of one enhanced-metafile record: offsets are from
// the record's first byte, and a read that would leave the record gives 0
// (or empty bytes) instead of touching what lies beyond.

#include "design/model/TMetafile.h"

#include <QPointF>
#include <QRectF>

namespace cw::model {

struct TMfEmfRecord
{
    const QByteArray &b;
    qsizetype at;  // record start
    qsizetype end; // one past the record
    bool inside(qint64 off, qint64 n) const { return off >= 0 && n >= 0 && at + off + n <= end; }
    qint32 i(qint64 off) const { return inside(off, 4) ? TMetafile::I32(b, at + off) : 0; }
    quint32 u(qint64 off) const { return quint32(i(off)); }
    float f(qint64 off) const { return inside(off, 4) ? TMetafile::F32(b, at + off) : 0.0f; }
    qint16 s(qint64 off) const { return inside(off, 2) ? TMetafile::I16(b, at + off) : 0; }
    quint8 byte(qint64 off) const { return inside(off, 1) ? quint8(b[at + off]) : 0; }
    QByteArray bytes(qint64 off, qint64 n) const
    {
        return inside(off, n) ? b.mid(at + off, n) : QByteArray();
    }
    QPointF point(qint64 off) const { return QPointF(i(off), i(off + 4)); }
    QRectF rect(qint64 off) const { return QRectF(point(off), point(off + 8)); }
};

} // namespace cw::model

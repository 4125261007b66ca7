#pragma once
// Snapshots of a design for the undo history, made so that successive
// snapshots share what did not change.
//
// A snapshot is the object list stream of the design (TagList, one record per
// object at 100 %, TagNull; byte for byte what the card file would hold) cut
// into pieces: every record is a piece of its own, and the bytes of every
// large binary value (a picture, a texture) are a piece of their own inside
// their record.  Pieces are implicitly shared QByteArrays: an object that did
// not change since the last snapshot gives the very pieces it gave then, and
// a picture's bytes are one piece however often its object moves, so a step
// costs only the records that changed, without their pictures.
//
// The maker remembers, per object, the entries it saw at the object's zoom
// and the pieces they gave.  An object whose entries and zoom are unchanged
// is not written again, which also spares a zoomed object its copy at 100 %.
// Objects are compared by content, never by address alone, so an object
// freed and another made at the same address cannot be mistaken for it.

#include "design/model/TGLabelObjectFiler.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <unordered_map>
#include <vector>

namespace cw::model {

class TGGraphicControl;

// An object list stream cut into shared pieces; their concatenation is the
// stream.
using TStreamPieces = QList<QByteArray>;

class TDesignSnapshots
{
public:
    // Binary values of at least this many bytes get a piece of their own.
    static constexpr qsizetype LargeBinary = 4096;

    // The snapshot of `objects` (z-order, bottom first).  Each object's
    // BeforeSave runs first, as before writing a card file.  Throws what
    // writing the card file would throw.
    TStreamPieces Take(const std::vector<TGGraphicControl *> &objects);

    // The stream the pieces make.
    static QByteArray Join(const TStreamPieces &pieces);
    // Same bytes in the same cuts; pieces shared between the two compare
    // without reading their bytes.
    static bool Same(const TStreamPieces &a, const TStreamPieces &b);
    static bool SameBytes(const QByteArray &a, const QByteArray &b);

private:
    struct Remembered
    {
        float Zoom = 1.0f;
        QString ClassName;
        QString Name;
        std::vector<TFilerEntry> Entries; // at Zoom, as the object gave them
        TStreamPieces Pieces;             // the record at 100 %
    };
    Remembered record(TGGraphicControl &object, Remembered *before);
    // Writes the record and swaps each large binary value in `entries` for
    // the piece that holds its bytes.
    void appendPieces(TStreamPieces &pieces, const QString &className, const QString &name,
                      std::vector<TFilerEntry> &entries);
    // `bytes`, or an equal piece already kept.
    QByteArray sharedBytes(const QByteArray &bytes);

    std::unordered_map<const TGGraphicControl *, Remembered> m_objects;
    // The large pieces of the last snapshot by size, so that equal bytes
    // (a picture read back by undo) are kept once.
    std::unordered_multimap<qsizetype, QByteArray> m_large;
};

} // namespace cw::model

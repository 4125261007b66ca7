#pragma once
// Generated cards for comparing screen, picture export and paper: every
// object kind with many colours, pens, brushes, fonts and 3D effects, in
// every order after one another.  Card n is the same for the same seed on
// every run and machine: its objects come from a random generator seeded by
// (seed, n) only, and reach the caller as a card file's object list, read
// back as opening a card file reads it.
//
// The first cards put every ordered pair of kinds at the bottom of the card
// (kind A, then kind B drawn right after it, overlapping), so a drawing
// state one object leaves behind is seen by every kind that follows; the
// other objects and every setting are random.

#include "design/model/TGLabelObjectFiler.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <vector>

namespace cw::test {

enum class ObjectKind {
    TextLabel,       // TGPLabel
    FieldLabel,      // TGBusinessCardLabel
    SymbolLabel,     // TGSymbolLabel
    MultiLineLabel,  // TGMultiLineLabel
    Rectangle,       // TBCShapes
    Ellipse,         // TBCShapes
    RoundRect,       // TBCShapes
    Line,            // TGLineShape
    ClipArtBitmap,   // TGImage holding a bitmap
    ClipArtMetafile, // TGImage holding a metafile
    SuperShape,      // TSuperShape
    SuperText,       // TGSuperText
    RichText,        // TGPRichBaseLabel
    CircleText,      // TGPCircleText
};
inline constexpr int ObjectKindCount = 14;

// The kind's name as reports print it ("TextLabel", "Line", …).
QString ObjectKindName(ObjectKind kind);
// The kind of an object of any card (by its class, shape and picture).
ObjectKind KindOf(const model::TGGraphicControl &object);

struct GeneratedCard
{
    int index = 0;
    std::vector<ObjectKind> kinds; // z-order, bottom first
    QByteArray objectList;         // the card file's object list stream
    QStringList notes;             // one line per object: kind and settings
};

class CardGenerator
{
public:
    // `clipArtFolder` holds the metafiles (*.wmf) the clip-art objects show.
    CardGenerator(quint32 seed, const QString &clipArtFolder);

    GeneratedCard Card(int index) const;
    // The card's objects as a card file gives them (kinds in the same order).
    static model::TGLabelObjectFiler::ObjectList Objects(const GeneratedCard &card);

    // Card size in card pixels at 100 % (3.5 × 2 inches).
    static constexpr int CardWidth = 336;
    static constexpr int CardHeight = 192;
    // Cards needed so that every ordered pair of kinds has had its turn.
    static constexpr int PairCards = ObjectKindCount * ObjectKindCount;

private:
    std::unique_ptr<model::TGGraphicControl> makeObject(ObjectKind kind, QRandomGenerator &random,
                                                        QString &note) const;

    quint32 m_seed;
    std::vector<QByteArray> m_metafiles;
};

} // namespace cw::test

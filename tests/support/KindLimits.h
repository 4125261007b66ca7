#pragma once
// How far the renderings of one card may differ, per kind of object, in the
// block distance of BlockCompare (0 … 441).  This table is the one place the
// limits live; a limit above the common one carries the reason.
//
// A block is judged by the objects whose ink may reach it (their bounds
// widened by `reach`); where several do, the loosest of their limits counts,
// so a fault of one kind that is already known does not fail the blocks of
// the kinds around it.  A block no object reaches must be blank in both.

#include "support/BlockCompare.h"
#include "support/CardGenerator.h"

#include <QRect>
#include <QStringList>
#include <array>
#include <vector>

namespace cw::ui {
class TGBasePanel;
}

namespace cw::test {

struct KindLimit
{
    ObjectKind kind;
    double screenVsExport; // the surface's paint against the picture export
    double exportVsPaper;  // the picture export against the printed card
    int reach;             // pixels the kind may ink beyond its bounds
    const char *why;       // why the limit is above the common one
};

// The limits of every kind, in ObjectKind order.
const std::vector<KindLimit> &KindLimits();
const KindLimit &LimitFor(ObjectKind kind);

// Limits for blocks no object reaches.
inline constexpr double BlankScreenVsExport = 0.0;
inline constexpr double BlankExportVsPaper = 12.0;

struct PlacedObject
{
    ObjectKind kind;
    QRect bounds; // card pixels at 100 %
};

// For every block of a card `cardSize` pixels large (blocks of `block`
// pixels, row by row): the kind whose limit governs it, -1 for none.
std::vector<int> GoverningKinds(const std::vector<PlacedObject> &objects, const QSize &cardSize, int block,
                                bool paper);

// Every object of the surface's card with its kind and bounds, bottom first.
std::vector<PlacedObject> PlacedObjects(const ui::TGBasePanel &surface);

// The worst block seen per kind, with where it was.
struct KindWorst
{
    double distance = -1;
    QString where;
};
using WorstPerKind = std::array<KindWorst, ObjectKindCount>;

// Compares two pictures of a card in blocks against the limit of the kind
// governing each block (`paper`: the export-against-paper limits, else the
// screen-against-export ones), records the worst block per kind in `worst`
// and returns one line per block over its limit, the worst first.
QStringList CompareInBlocks(const QImage &a, const QImage &b, const QString &nameA, const QString &nameB,
                            const std::vector<PlacedObject> &placed, bool paper, const QString &card,
                            WorstPerKind &worst);

// One line per kind: its worst screen/export and export/paper blocks.
QStringList WorstBlockReport(const WorstPerKind &screen, const WorstPerKind &paper);

} // namespace cw::test

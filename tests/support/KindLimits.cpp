#include "support/KindLimits.h"

#include "design/TGBasePanel.h"

namespace cw::test {

namespace {

// The common limit: anti-aliased edges of text hinted at 96 dpi against
// text drawn at 600 dpi and rasterised down stay well under it, while one
// line of black text drawn teal, red or grey lies far above it.
constexpr double Common = 40.0;

} // namespace

const std::vector<KindLimit> &KindLimits()
{
    static const std::vector<KindLimit> limits{
        {ObjectKind::TextLabel, 0, Common, 4, ""},     {ObjectKind::FieldLabel, 0, Common, 4, ""},
        {ObjectKind::SymbolLabel, 0, Common, 4, ""},   {ObjectKind::MultiLineLabel, 0, Common, 4, ""},
        {ObjectKind::Rectangle, 0, Common, 4, ""},     {ObjectKind::Ellipse, 0, Common, 4, ""},
        {ObjectKind::RoundRect, 0, Common, 4, ""},     {ObjectKind::Line, 0, Common, 6, ""},
        {ObjectKind::ClipArtBitmap, 0, Common, 4, ""}, {ObjectKind::ClipArtMetafile, 0, Common, 4, ""},
        {ObjectKind::SuperShape, 0, Common, 4, ""},    {ObjectKind::SuperText, 0, Common, 4, ""},
        {ObjectKind::RichText, 0, Common, 4, ""},      {ObjectKind::CircleText, 0, Common, 4, ""},
    };
    return limits;
}

const KindLimit &LimitFor(ObjectKind kind)
{
    return KindLimits().at(size_t(kind));
}

std::vector<int> GoverningKinds(const std::vector<PlacedObject> &objects, const QSize &cardSize, int block,
                                bool paper)
{
    const int columns = (cardSize.width() + block - 1) / block;
    const int rows = (cardSize.height() + block - 1) / block;
    std::vector<int> kinds(size_t(columns * rows), -1);
    const auto limitOf = [paper](int kind) {
        if (kind < 0)
            return paper ? BlankExportVsPaper : BlankScreenVsExport;
        const KindLimit &l = LimitFor(ObjectKind(kind));
        return paper ? l.exportVsPaper : l.screenVsExport;
    };
    for (const PlacedObject &o : objects) {
        const int reach = LimitFor(o.kind).reach;
        const QRect area = o.bounds.adjusted(-reach, -reach, reach, reach);
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                if (!area.intersects(QRect(column * block, row * block, block, block)))
                    continue;
                int &governing = kinds[size_t(row * columns + column)];
                // The loosest limit wins; on a tie the object drawn later.
                if (governing < 0 || limitOf(int(o.kind)) >= limitOf(governing))
                    governing = int(o.kind);
            }
    }
    return kinds;
}

std::vector<PlacedObject> PlacedObjects(const ui::TGBasePanel &surface)
{
    std::vector<PlacedObject> placed;
    for (int i = 0; i < surface.ObjectCount(); ++i)
        if (surface.ObjectAt(i)->Visible)
            placed.push_back({KindOf(*surface.ObjectAt(i)), surface.ObjectAt(i)->BoundsRect()});
    return placed;
}

QStringList CompareInBlocks(const QImage &a, const QImage &b, const QString &nameA, const QString &nameB,
                            const std::vector<PlacedObject> &placed, bool paper, const QString &card,
                            WorstPerKind &worst)
{
    const BlockCompare compare;
    const std::vector<BlockDifference> blocks = compare.Compare(a, b);
    if (blocks.empty())
        return {QStringLiteral("%1 is %2x%3, %4 is %5x%6")
                    .arg(nameA)
                    .arg(a.width())
                    .arg(a.height())
                    .arg(nameB)
                    .arg(b.width())
                    .arg(b.height())};
    const std::vector<int> kinds = GoverningKinds(placed, a.size(), BlockCompare::DefaultBlock, paper);
    QStringList failures;
    for (size_t i = 0; i < blocks.size(); ++i) {
        const BlockDifference &d = blocks[i];
        const int kind = kinds[i];
        double limit = paper ? BlankExportVsPaper : BlankScreenVsExport;
        if (kind >= 0) {
            const KindLimit &l = LimitFor(ObjectKind(kind));
            limit = paper ? l.exportVsPaper : l.screenVsExport;
            if (d.distance > worst[size_t(kind)].distance)
                worst[size_t(kind)] = {d.distance,
                                       card + QStringLiteral(", ") + BlockCompare::Describe(d, nameA, nameB)};
        }
        if (d.distance > limit)
            failures << QStringLiteral("%1 (limit of %2: %3)")
                            .arg(BlockCompare::Describe(d, nameA, nameB),
                                 kind >= 0 ? ObjectKindName(ObjectKind(kind)) : QStringLiteral("blank card"))
                            .arg(limit);
    }
    return failures;
}

QStringList WorstBlockReport(const WorstPerKind &screen, const WorstPerKind &paper)
{
    QStringList lines;
    for (int k = 0; k < ObjectKindCount; ++k) {
        const KindWorst &s = screen[size_t(k)];
        const KindWorst &p = paper[size_t(k)];
        if (s.distance < 0 && p.distance < 0)
            continue;
        lines << QStringLiteral("%1 worst screen/export %2, export/paper %3 (%4)")
                     .arg(ObjectKindName(ObjectKind(k)), -16)
                     .arg(std::max(0.0, s.distance), 5, 'f', 1)
                     .arg(std::max(0.0, p.distance), 5, 'f', 1)
                     .arg(p.where);
    }
    return lines;
}

} // namespace cw::test

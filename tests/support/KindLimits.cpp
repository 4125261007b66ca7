#include "support/KindLimits.h"

#include "design/TGBasePanel.h"

namespace cw::test {

namespace {

// The common limit: anti-aliased edges of text hinted at 96 dpi against
// text drawn at 600 dpi and rasterised down stay well under it (about 6),
// while one line of black text drawn teal, red, navy or grey lies far above
// it (62 for mid grey, 128 navy, 181 teal, 255 red).
constexpr double Common = 40.0;
// Screen and export draw with the same routine onto the same kind of
// picture; only coverage rounding of a few edge pixels differs (under 2).
constexpr double Same = 4.0;

} // namespace

const std::vector<KindLimit> &KindLimits()
{
    static const std::vector<KindLimit> limits{
        {ObjectKind::TextLabel, Same, Common, 4, ""},     {ObjectKind::FieldLabel, Same, Common, 4, ""},
        {ObjectKind::SymbolLabel, Same, Common, 4, ""},   {ObjectKind::MultiLineLabel, Same, Common, 4, ""},
        {ObjectKind::Rectangle, Same, Common, 4, ""},     {ObjectKind::Ellipse, Same, Common, 4, ""},
        {ObjectKind::RoundRect, Same, Common, 4, ""},     {ObjectKind::Line, Same, Common, 6, ""},
        {ObjectKind::ClipArtBitmap, Same, Common, 4, ""}, {ObjectKind::ClipArtMetafile, Same, Common, 4, ""},
        {ObjectKind::SuperShape, Same, Common, 4, ""},    {ObjectKind::SuperText, Same, Common, 4, ""},
        {ObjectKind::RichText, Same, Common, 4, ""},      {ObjectKind::CircleText, Same, Common, 4, ""},
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
    std::vector<std::pair<double, QString>> failing;
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
            failing.emplace_back(d.distance, QStringLiteral("%1 (limit of %2: %3)")
                                                 .arg(BlockCompare::Describe(d, nameA, nameB),
                                                      kind >= 0 ? ObjectKindName(ObjectKind(kind))
                                                                : QStringLiteral("blank card"))
                                                 .arg(limit));
    }
    std::stable_sort(failing.begin(), failing.end(),
                     [](const auto &x, const auto &y) { return x.first > y.first; });
    QStringList failures;
    for (const auto &f : failing)
        failures << f.second;
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

#include "support/EditStep.h"

#include <array>

namespace cw::test {

namespace {

const char *const ToolNames[] = {"Text",      "Symbol",     "Multi-line text", "Rectangle",  "Ellipse",
                                 "RoundRect", "Line",       "Clip art",        "SuperShape", "Rich text",
                                 "SuperText", "Circle text"};
const char *const ZoneNames[] = {"middle", "top-left", "top-right", "bottom-left", "bottom-right",
                                 "top",    "left",     "bottom",    "right"};
const char *const ArrowNames[] = {"Left", "Up", "Right", "Down"};

QString signedNumber(int v)
{
    return (v >= 0 ? QStringLiteral("+") : QString()) + QString::number(v);
}

int uniform(std::mt19937 &rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

} // namespace

QString EditStep::Describe() const
{
    switch (kind) {
    case Draw:
        return QStringLiteral("draw %1 from (%2,%3) to (%4,%5), dialog choice %6")
            .arg(QLatin1String(ToolNames[a % 12]))
            .arg(b)
            .arg(c)
            .arg(b + d)
            .arg(c + e)
            .arg(f);
    case Select:
        return QStringLiteral("%1click object %2").arg(b ? QStringLiteral("Shift+") : QString()).arg(a);
    case SelectBand:
        return QStringLiteral("band from (%1,%2) to (%3,%4)").arg(a).arg(b).arg(a + c).arg(b + d);
    case Move:
        return QStringLiteral("drag selection by (%1,%2)").arg(signedNumber(a), signedNumber(b));
    case Resize:
        return QStringLiteral("drag %1 handle by (%2,%3)")
            .arg(QLatin1String(ZoneNames[a % 9]), signedNumber(b), signedNumber(c));
    case Keys:
        return QStringLiteral("%1%2 x%3")
            .arg(c ? QStringLiteral("Shift+") : QString())
            .arg(ArrowNames[a % 4])
            .arg(b);
    case ZoomIn:
        return QStringLiteral("zoom in");
    case ZoomOut:
        return QStringLiteral("zoom out");
    case Copy:
        return QStringLiteral("Ctrl+C");
    case Cut:
        return QStringLiteral("Ctrl+X");
    case Paste:
        return QStringLiteral("Ctrl+V");
    case Delete:
        return QStringLiteral("Delete");
    case Clone:
        return QStringLiteral("Clone object %1").arg(a);
    case Undo:
        return QStringLiteral("Undo");
    case Redo:
        return QStringLiteral("Redo");
    case Save:
        return QStringLiteral("Save");
    case Reopen:
        return QStringLiteral("Save and reopen");
    case SaveAsCancel:
        return QStringLiteral("Save As, cancelled");
    case KindCount:
        break;
    }
    return QStringLiteral("?");
}

EditStep EditStep::Random(std::mt19937 &rng, int objectCount, int selectedCount)
{
    // Weights per kind, in the order of Kind.
    std::array<int, KindCount> weights{12, 8, 3, 8, 10, 6, 4, 4, 3, 1, 3, 2, 3, 5, 3, 3, 2, 1};
    if (objectCount == 0)
        weights[Draw] = 40;
    if (selectedCount == 0)
        weights[Select] = 24;
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    EditStep s;
    s.kind = Kind(pick(rng));
    switch (s.kind) {
    case Draw:
        s.a = uniform(rng, 0, 11);
        s.b = uniform(rng, -5, 320);
        s.c = uniform(rng, -5, 180);
        // Bands of every size, drawn either way; a plain click now and then.
        s.d = uniform(rng, 0, 3) == 0 ? 0 : uniform(rng, -60, 140);
        s.e = uniform(rng, 0, 3) == 0 ? 0 : uniform(rng, -40, 80);
        s.f = uniform(rng, 0, 5);
        break;
    case Select:
        s.a = uniform(rng, 0, 99);
        s.b = uniform(rng, 0, 4) == 0;
        break;
    case SelectBand:
        s.a = uniform(rng, -10, 300);
        s.b = uniform(rng, -10, 170);
        s.c = uniform(rng, -80, 200);
        s.d = uniform(rng, -60, 120);
        break;
    case Move:
        s.a = uniform(rng, -60, 60);
        s.b = uniform(rng, -40, 40);
        break;
    case Resize:
        s.a = uniform(rng, 1, 8);
        // Mostly small drags, sometimes far enough to turn the object inside out.
        s.b = uniform(rng, 0, 3) == 0 ? uniform(rng, -150, 150) : uniform(rng, -25, 25);
        s.c = uniform(rng, 0, 3) == 0 ? uniform(rng, -100, 100) : uniform(rng, -20, 20);
        break;
    case Keys:
        s.a = uniform(rng, 0, 3);
        s.b = uniform(rng, 1, 14);
        s.c = uniform(rng, 0, 1);
        break;
    case Clone:
        s.a = uniform(rng, 0, 99);
        break;
    default:
        break;
    }
    return s;
}

} // namespace cw::test

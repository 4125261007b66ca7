#pragma once
// Property entries of the sub-objects kinds share (pen, brush, font), in the
// card file's order.  Each leaf setter reads the sub-object, changes one field
// and sets it back through the kind's setter, so repaint/notify rules of the
// kind apply.  `get` is `const Sub &(const T &)`, `set` is `void(T &, const Sub &)`.

#include "design/model/TGFont.h"
#include "design/model/TGPen.h"
#include "design/model/TPropertyInfo.h"

#include <vector>

namespace cw::model {

namespace detail {
template <class T, class Sub, class G, class S, class F, class A>
TPropertyInfo Leaf(const QString &name, TPropertyKind kind, QVariant def, G get, S set, F read, A write,
                   QStringList names = {})
{
    return MakeProperty<T>(
        name, kind, std::move(def), [get, read](const T &o) { return read(get(o)); },
        [get, set, write](T &o, const QVariant &v) {
            Sub sub = get(o);
            write(sub, v);
            set(o, sub);
        },
        std::move(names));
}
} // namespace detail

// Pen.Color, Pen.Mode, Pen.Style, Pen.Width with defaults clBlack, pmCopy, psSolid, 1.
template <class T, class G, class S>
std::vector<TPropertyInfo> PenProperties(const QString &prefix, G get, S set)
{
    using K = TPropertyKind;
    return {
        detail::Leaf<T, TGPen>(
            prefix + ".Color", K::Colour, uint(clBlack), get, set,
            [](const TGPen &p) { return uint(p.Color); },
            [](TGPen &p, const QVariant &v) { p.Color = v.toUInt(); }),
        detail::Leaf<T, TGPen>(
            prefix + ".Mode", K::Enumeration, int(pmCopy), get, set,
            [](const TGPen &p) { return int(p.Mode); },
            [](TGPen &p, const QVariant &v) { p.Mode = TPenMode(qBound(0, v.toInt(), int(pmNotXor))); },
            TGPen::ModeNames()),
        detail::Leaf<T, TGPen>(
            prefix + ".Style", K::Enumeration, int(psSolid), get, set,
            [](const TGPen &p) { return int(p.Style); },
            [](TGPen &p, const QVariant &v) {
                p.Style = TPenStyle(qBound(0, v.toInt(), int(psInsideFrame)));
            },
            TGPen::StyleNames()),
        detail::Leaf<T, TGPen>(
            prefix + ".Width", K::Integer, 1, get, set, [](const TGPen &p) { return p.Width; },
            [](TGPen &p, const QVariant &v) { p.Width = v.toInt(); }),
    };
}

// Brush.Color, Brush.Style with defaults clWhite, bsSolid.
template <class T, class G, class S>
std::vector<TPropertyInfo> BrushProperties(const QString &prefix, G get, S set)
{
    using K = TPropertyKind;
    return {
        detail::Leaf<T, TGBrush>(
            prefix + ".Color", K::Colour, uint(clWhite), get, set,
            [](const TGBrush &b) { return uint(b.Color); },
            [](TGBrush &b, const QVariant &v) { b.Color = v.toUInt(); }),
        detail::Leaf<T, TGBrush>(
            prefix + ".Style", K::Enumeration, int(bsSolid), get, set,
            [](const TGBrush &b) { return int(b.Style); },
            [](TGBrush &b, const QVariant &v) {
                b.Style = TBrushStyle(qBound(0, v.toInt(), int(bsDiagCross)));
            },
            TGBrush::StyleNames()),
    };
}

// Font.Color, Font.Height, Font.Name, Font.Pitch, Font.Style: colour, height
// and style are always written, the pitch only when not fpDefault.
template <class T, class G, class S>
std::vector<TPropertyInfo> FontProperties(const QString &prefix, G get, S set)
{
    using K = TPropertyKind;
    return {
        detail::Leaf<T, TGFont>(
            prefix + ".Color", K::Colour, {}, get, set, [](const TGFont &f) { return uint(f.Color); },
            [](TGFont &f, const QVariant &v) { f.Color = v.toUInt(); }),
        detail::Leaf<T, TGFont>(
            prefix + ".Height", K::Integer, {}, get, set, [](const TGFont &f) { return f.Height; },
            [](TGFont &f, const QVariant &v) { f.Height = v.toInt(); }),
        detail::Leaf<T, TGFont>(
            prefix + ".Name", K::String, QString(), get, set, [](const TGFont &f) { return f.Name; },
            [](TGFont &f, const QVariant &v) { f.Name = v.toString(); }),
        detail::Leaf<T, TGFont>(
            prefix + ".Pitch", K::Enumeration, int(fpDefault), get, set,
            [](const TGFont &f) { return int(f.Pitch); },
            [](TGFont &f, const QVariant &v) { f.Pitch = TFontPitch(qBound(0, v.toInt(), int(fpFixed))); },
            TGFont::PitchNames()),
        detail::Leaf<T, TGFont>(
            prefix + ".Style", K::Set, {}, get, set, [](const TGFont &f) { return f.Style; },
            [](TGFont &f, const QVariant &v) { f.Style = v.toInt() & 0xF; }, TGFont::StyleNames()),
    };
}

} // namespace cw::model

#include "text/model/TGBaseLabel.h"

#include "design/model/TPropertyGroups.h"
#include "text/model/TTextEditors.h"
#include "text/model/TTextFonts.h"

#include <algorithm>

namespace cw::model {

namespace {
using T = TGBaseLabel;
using K = TPropertyKind;

std::vector<TPropertyInfo> ownProperties()
{
    std::vector<TPropertyInfo> own;
    own.push_back(MakeProperty<T>(
        "Alignment", K::Enumeration, int(taLeftJustify), [](const T &o) { return int(o.Alignment()); },
        [](T &o, const QVariant &v) { o.SetAlignment(TAlignment(qBound(0, v.toInt(), int(taCenter)))); },
        TTextTypeNames::Alignment()));
    own.push_back(MakeProperty<T>(
        "DepthHighlight", K::Integer, 0, [](const T &o) { return o.DepthHighlight(); },
        [](T &o, const QVariant &v) { o.SetDepthHighlight(v.toInt()); }));
    own.push_back(MakeProperty<T>(
        "DepthShadow", K::Integer, 0, [](const T &o) { return o.DepthShadow(); },
        [](T &o, const QVariant &v) { o.SetDepthShadow(v.toInt()); }));
    own.push_back(MakeProperty<T>(
        "DirectionHighlight", K::Enumeration, int(hdUpLeft),
        [](const T &o) { return int(o.DirectionHighlight()); },
        [](T &o, const QVariant &v) {
            o.SetDirectionHighlight(THighlightDirection(qBound(0, v.toInt(), int(hdUp))));
        },
        TTextTypeNames::HighlightDirection()));
    own.push_back(MakeProperty<T>(
        "DirectionShadow", K::Enumeration, int(sdDownRight),
        [](const T &o) { return int(o.DirectionShadow()); },
        [](T &o, const QVariant &v) {
            o.SetDirectionShadow(TShadowDirection(qBound(0, v.toInt(), int(sdDown))));
        },
        TTextTypeNames::ShadowDirection()));
    own.push_back(MakeProperty<T>(
        "colorHighlight", K::Colour, uint(clAqua), [](const T &o) { return uint(o.ColorHighlight()); },
        [](T &o, const QVariant &v) { o.SetColorHighlight(v.toUInt()); }));
    own.push_back(MakeProperty<T>(
        "colorShadow", K::Colour, uint(clGray), [](const T &o) { return uint(o.ColorShadow()); },
        [](T &o, const QVariant &v) { o.SetColorShadow(v.toUInt()); }));
    own.push_back(MakeProperty<T>(
        "Angle", K::Integer, 0, [](const T &o) { return o.Angle(); },
        [](T &o, const QVariant &v) { o.SetAngle(v.toInt()); }));
    // A new object starts with a text, so an emptied one is written as an
    // empty string: leaving it out would bring the starting text back.
    TPropertyInfo caption = MakeProperty<T>(
        "Caption", K::String, QString(), [](const T &o) { return o.Caption(); },
        [](T &o, const QVariant &v) { o.SetCaption(v.toString()); });
    caption.StoreEmpty = true;
    own.push_back(std::move(caption));
    for (auto &p : FontProperties<T>(
             "Font", [](const T &o) -> const TGFont & { return o.Font(); },
             [](T &o, const TGFont &f) { o.SetLabelFont(f); }))
        own.push_back(std::move(p));
    own.push_back(MakeProperty<T>(
        "Transparent", K::Boolean, {}, [](const T &o) { return o.Transparent(); },
        [](T &o, const QVariant &v) { o.SetTransparent(v.toBool()); }));
    own.push_back(MakeProperty<T>(
        "BackColor", K::Colour, {}, [](const T &o) { return uint(o.BackColor()); },
        [](T &o, const QVariant &v) { o.SetBackColor(v.toUInt()); }));
    own.push_back(MakeProperty<T>(
        "BorderStyle", K::Enumeration, {}, [](const T &o) { return int(o.BorderStyle()); },
        [](T &o, const QVariant &v) {
            o.SetBorderStyle(TLabelBorderStyle(qBound(0, v.toInt(), int(bsSingle))));
        },
        TTextTypeNames::BorderStyle()));
    return own;
}

TGMenuItem checkable(const QString &caption, std::function<void()> action)
{
    TGMenuItem item = TGMenuItem::Command(caption, std::move(action));
    item.Checkable = true;
    return item;
}
} // namespace

TGBaseLabel::TGBaseLabel()
{
    InitBounds(QRect(0, 0, 142, 33));
}

const TPropertyTable &TGBaseLabel::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

namespace {
// Depths come from card files as they are; the layout works with at most a
// card's worth of offset so that no damaged value can overflow the box
// arithmetic.  The stored depth is kept unchanged.
constexpr int MaxLayoutDepth = 10000;
} // namespace

QPoint TGBaseLabel::ShadowOffsetFor(TShadowDirection direction, int depth)
{
    const int d = std::clamp(depth, -MaxLayoutDepth, MaxLayoutDepth);
    switch (direction) {
    case sdRight:
        return {d, 0};
    case sdLeft:
        return {-d, 0};
    case sdDownRight:
        return {d, d};
    case sdDownLeft:
        return {-d, d};
    case sdDown:
        return {0, d};
    case sdNone:
        break;
    }
    return {0, 0};
}

QPoint TGBaseLabel::HighlightOffsetFor(THighlightDirection direction, int depth)
{
    const int d = std::clamp(depth, -MaxLayoutDepth, MaxLayoutDepth);
    switch (direction) {
    case hdright:
        return {d, 0};
    case hdLeft:
        return {-d, 0};
    case hdUpRight:
        return {d, -d};
    case hdUpLeft:
        return {-d, -d};
    case hdUp:
        return {0, -d};
    case hdNone:
        break;
    }
    return {0, 0};
}

void TGBaseLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    m_layoutDirty = true;
    Invalidate();
    if (!Loading())
        NotifyChanged();
}

void TGBaseLabel::SetDepthHighlight(int depth)
{
    if (depth == m_depthHighlight)
        return;
    m_depthHighlight = depth;
    m_highlightOffset = HighlightOffsetFor(m_directionHighlight, m_depthHighlight);
    m_layoutDirty = true;
    Invalidate();
}

void TGBaseLabel::SetDepthShadow(int depth)
{
    if (depth == m_depthShadow)
        return;
    m_depthShadow = depth;
    m_shadowOffset = ShadowOffsetFor(m_directionShadow, m_depthShadow);
    m_layoutDirty = true;
    Invalidate();
}

void TGBaseLabel::SetDirectionHighlight(THighlightDirection direction)
{
    if (direction == m_directionHighlight)
        return;
    m_directionHighlight = direction;
    m_highlightOffset = HighlightOffsetFor(m_directionHighlight, m_depthHighlight);
    m_layoutDirty = true;
    Invalidate();
}

void TGBaseLabel::SetDirectionShadow(TShadowDirection direction)
{
    if (direction == m_directionShadow)
        return;
    m_directionShadow = direction;
    m_shadowOffset = ShadowOffsetFor(m_directionShadow, m_depthShadow);
    m_layoutDirty = true;
    Invalidate();
}

void TGBaseLabel::SetColorHighlight(TColor color)
{
    if (color == m_colorHighlight)
        return;
    m_colorHighlight = color;
    Invalidate();
}

void TGBaseLabel::SetColorShadow(TColor color)
{
    if (color == m_colorShadow)
        return;
    m_colorShadow = color;
    Invalidate();
}

void TGBaseLabel::SetAngle(int angle)
{
    if (angle == m_angle || (angle != 0 && angle != 90 && angle != 180 && angle != 270))
        return;
    m_angle = angle;
    m_layoutDirty = true;
    if (angle != 0)
        SetAlignment(taLeftJustify);
    const bool upright = angle == 0 || angle == 180;
    if ((upright && Width() < Height()) || (!upright && Height() < Width())) {
        const int oldWidth = Width(), oldHeight = Height();
        SetHeight(oldWidth);
        SetWidth(oldHeight);
    }
    Invalidate();
}

void TGBaseLabel::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_layoutDirty = true;
    Invalidate();
    if (!Loading())
        NotifyChanged();
}

void TGBaseLabel::SetLabelFont(const TGFont &font)
{
    m_layoutDirty = true;
    SetFont(font);
}

void TGBaseLabel::SetTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    if (!Loading())
        NotifyChanged();
    Invalidate();
}

void TGBaseLabel::SetBackColor(TColor color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    if (!Loading())
        NotifyChanged();
    Invalidate();
}

void TGBaseLabel::SetBorderStyle(TLabelBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    Invalidate();
    if (!Loading())
        NotifyChanged();
}

QFont TGBaseLabel::CanvasFont() const
{
    return TTextFonts::ZoomedFont(Font(), Zoom());
}

void TGBaseLabel::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    m_layoutDirty = true;
    if (Width() <= 0)
        SetWidth(1);
    if (Height() <= 0)
        SetHeight(1);
    // Only a new size is fitted: a label moved, cloned or pasted at a zoom
    // keeps the size it has.
    const QSize stored = StoredBounds().size();
    const bool resized = m_storedSize.isValid() && stored != m_storedSize;
    m_storedSize = stored;
    if (resized && !Loading() && Zoom() != 1.0f && !ShownOnly())
        FitStoredToLines();
}

void TGBaseLabel::ApplyFont(const QFont &font)
{
    TGFont f = Font();
    f.Assign(font);
    SetLabelFont(f);
}

void TGBaseLabel::ApplyFontColor(TColor color)
{
    TGFont f = Font();
    f.Color = color;
    SetLabelFont(f);
}

void TGBaseLabel::EditFont()
{
    TTextEditors *editors = TTextEditors::Current();
    if (!editors)
        return;
    if (std::optional<TGFont> chosen = editors->ChooseFont(Font()))
        SetLabelFont(*chosen);
}

void TGBaseLabel::ChooseBackColor()
{
    if (!Host())
        return;
    if (std::optional<TColor> c = Host()->ChooseColor(m_backColor)) {
        SetBackColor(*c);
        SetTransparent(false);
        if (TGMenuItem *t = TGMenuItem::Find(MenuItems(), "Transparent"))
            t->Checked = m_transparent;
        Invalidate();
    }
}

void TGBaseLabel::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Font"), [this] { EditFont(); }));
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "3D Effects"), [this] {
        if (TTextEditors *editors = TTextEditors::Current(); editors && editors->Edit3DEffects(*this))
            NotifyChanged();
    }));
    auto align = [this](TAlignment a) {
        return [this, a] {
            SetAlignment(a);
            NotifyChanged();
        };
    };
    menu.push_back(
        TGMenuItem::Submenu(QT_TRANSLATE_NOOP("TGMenuItem", "Alignment"),
                            {checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Left"), align(taLeftJustify)),
                             checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Center"), align(taCenter)),
                             checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Right"), align(taRightJustify))}));
    TGMenuItem transparent = checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Transparent"), [this] {
        SetTransparent(!m_transparent);
        if (TGMenuItem *t = TGMenuItem::Find(MenuItems(), "Transparent"))
            t->Checked = m_transparent;
    });
    transparent.Checked = m_transparent;
    menu.push_back(transparent);
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Background Color"),
                                       [this] { ChooseBackColor(); }));
    TGMenuItem border = checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Border"),
                                  [this] { SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle); });
    border.Checked = m_borderStyle == bsSingle;
    menu.push_back(border);
}

void TGBaseLabel::UpdatePopupChecks()
{
    TGGraphicControl::UpdatePopupChecks();
    auto &menu = MenuItems();
    if (TGMenuItem *border = TGMenuItem::Find(menu, "Border"))
        border->Checked = m_borderStyle == bsSingle;
    if (TGMenuItem *t = TGMenuItem::Find(menu, "Transparent"))
        t->Checked = m_transparent;
    if (TGMenuItem *alignment = TGMenuItem::Find(menu, "Alignment")) {
        if (TGMenuItem *i = TGMenuItem::Find(alignment->Items, "Left"))
            i->Checked = m_alignment == taLeftJustify;
        if (TGMenuItem *i = TGMenuItem::Find(alignment->Items, "Center"))
            i->Checked = m_alignment == taCenter;
        if (TGMenuItem *i = TGMenuItem::Find(alignment->Items, "Right"))
            i->Checked = m_alignment == taRightJustify;
    }
    if (m_hasRotationMenu)
        SetAngleChecks();
}

void TGBaseLabel::SetAngleChecks()
{
    TGMenuItem *rotation = TGMenuItem::Find(MenuItems(), "Rotation");
    if (!rotation)
        return;
    const char *captions[4] = {"No Rotation", "90 Degrees", "180 Degrees", "270 Degrees"};
    for (int i = 0; i < 4; ++i)
        if (TGMenuItem *item = TGMenuItem::Find(rotation->Items, captions[i]))
            item->Checked = m_angle == i * 90;
}

} // namespace cw::model

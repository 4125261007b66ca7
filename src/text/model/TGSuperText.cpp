#include "text/model/TGSuperText.h"

#include "design/model/TPropertyGroups.h"
#include "print/engine/Units.h"
#include "text/model/TTextEditors.h"

namespace cw::model {

namespace {
using T = TGSuperText;
using K = TPropertyKind;

TPropertyInfo colourProperty(const char *name, QVariant def, TColor (T::*get)() const, void (T::*set)(TColor))
{
    return MakeProperty<T>(
        name, K::Colour, std::move(def), [get](const T &o) { return uint((o.*get)()); },
        [set](T &o, const QVariant &v) { (o.*set)(TColor(v.toUInt())); });
}

template <class E>
TPropertyInfo enumProperty(const char *name, QVariant def, E (T::*get)() const, void (T::*set)(E),
                           const QStringList &names)
{
    const int last = int(names.size()) - 1;
    return MakeProperty<T>(
        name, K::Enumeration, std::move(def), [get](const T &o) { return int((o.*get)()); },
        [set, last](T &o, const QVariant &v) { (o.*set)(E(qBound(0, v.toInt(), last))); }, names);
}

std::vector<TPropertyInfo> ownProperties()
{
    std::vector<TPropertyInfo> own{
        MakeProperty<T>(
            "ShadowDepth", K::Integer, 0, [](const T &o) { return o.ShadowDepth(); },
            [](T &o, const QVariant &v) { o.SetShadowDepth(v.toInt()); }),
        enumProperty("ShadowOrientation", int(sdDownRight), &T::ShadowOrientation, &T::SetShadowOrientation,
                     T::ShadowOrientationNames()),
        colourProperty("Shadowcolor", uint(0x808080), &T::Shadowcolor, &T::SetShadowcolor),
        enumProperty("BorderStyle", {}, &T::BorderStyle, &T::SetBorderStyle, TTextTypeNames::BorderStyle()),
        MakeProperty<T>(
            "ControlTransparent", K::Boolean, {}, [](const T &o) { return o.ControlTransparent(); },
            [](T &o, const QVariant &v) { o.SetControlTransparent(v.toBool()); }),
        colourProperty("BGColor", {}, &T::BGColor, &T::SetBGColor),
        MakeProperty<T>(
            "Caption", K::String, {}, [](const T &o) { return o.Caption(); },
            [](T &o, const QVariant &v) { o.SetCaption(v.toString()); }),
    };
    for (auto &p : FontProperties<T>(
             "Font", [](const T &o) -> const TGFont & { return o.Font(); },
             [](T &o, const TGFont &f) { o.SetTextFont(f); }))
        own.push_back(std::move(p));
    own.push_back(enumProperty("FillDirection", {}, &T::FillDirection, &T::SetFillDirection,
                               TFillPainter::FillDirectionNames()));
    own.push_back(colourProperty("GradientToColor", {}, &T::GradientToColor, &T::SetGradientToColor));
    own.push_back(colourProperty("GradientFromColor", {}, &T::GradientFromColor, &T::SetGradientFromColor));
    own.push_back(MakeProperty<T>(
        "Image.Data", K::Binary, {}, [](const T &o) { return o.Image().BitmapData(); },
        [](T &o, const QVariant &v) {
            TGPicture p;
            p.SetBitmapData(v.toByteArray());
            o.SetImage(p);
        }));
    own.push_back(colourProperty("OutlineColor", {}, &T::OutlineColor, &T::SetOutlineColor));
    own.push_back(
        enumProperty("OutlineStyle", {}, &T::OutlineStyle, &T::SetOutlineStyle, TGPen::StyleNames()));
    own.push_back(MakeProperty<T>(
        "OutlineWidth", K::Integer, {}, [](const T &o) { return o.OutlineWidth(); },
        [](T &o, const QVariant &v) { o.SetOutlineWidth(v.toInt()); }));
    own.push_back(
        enumProperty("SurfaceType", {}, &T::SurfaceType, &T::RestoreSurfaceType, T::SurfaceTypeNames()));
    own.push_back(MakeProperty<T>(
        "LastBitmapFileNameandPath", K::String, {}, [](const T &o) { return o.LastBitmapFileNameandPath; },
        [](T &o, const QVariant &v) { o.LastBitmapFileNameandPath = v.toString(); }));
    return own;
}
} // namespace

TGSuperText::TGSuperText()
{
    TGFont f;
    f.Name = QStringLiteral("Arial");
    f.SetPointSize(48);
    f.Style = fsBold;
    f.Color = clBlack;
    SetFont(f);
    InitBounds(QRect(0, 0, 142, 33));
    BuildGradientBitmap();
    OnEdit = [this](TObjectHost &) {
        if (PropertiesEditor())
            PropertiesEditor()(*this);
    };
}

const TPropertyTable &TGSuperText::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

const QStringList &TGSuperText::SurfaceTypeNames()
{
    static const QStringList names{"stNormal", "stBrushTransparent", "stBrushImage", "stGradientFill"};
    return names;
}

const QStringList &TGSuperText::ShadowOrientationNames()
{
    static const QStringList names{"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"};
    return names;
}

std::function<bool(TGSuperText &)> &TGSuperText::PropertiesEditor()
{
    static std::function<bool(TGSuperText &)> editor;
    return editor;
}

// ---- setters ---------------------------------------------------------------

void TGSuperText::SetShadowDepth(int d)
{
    if (d == m_shadowDepth)
        return;
    m_shadowDepth = d;
    m_layoutDirty = true;
    Repaint();
}

void TGSuperText::SetShadowOrientation(TShadowOrientation o)
{
    if (o == m_shadowOrientation)
        return;
    m_shadowOrientation = o;
    m_layoutDirty = true;
    Repaint();
}

void TGSuperText::SetBorderStyle(TLabelBorderStyle b)
{
    if (b == m_borderStyle)
        return;
    m_borderStyle = b;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGSuperText::SetControlTransparent(bool on)
{
    if (on == m_controlTransparent)
        return;
    m_controlTransparent = on;
    Repaint();
}

void TGSuperText::SetBGColor(TColor c)
{
    if (c == m_bgColor)
        return;
    m_bgColor = c;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGSuperText::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_layoutDirty = true;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGSuperText::SetTextFont(const TGFont &font)
{
    if (font == Font())
        return;
    SetFont(font);
    m_layoutDirty = true;
}

void TGSuperText::SetGradientFromColor(TColor c)
{
    if (m_fill.SetFromColor(c) && !Loading())
        NotifyChanged();
}

void TGSuperText::SetSurfaceType(TSurfaceType t)
{
    if (t == m_surfaceType)
        return;
    m_surfaceType = t;
    Repaint();
    // The painter keeps outline-only text outlined.
    static constexpr TFillPainter::TSurface surfaces[] = {TFillPainter::fsColour, TFillPainter::fsClear,
                                                          TFillPainter::fsTexture, TFillPainter::fsGradient};
    m_fill.SetSurface(surfaces[t]);
}

void TGSuperText::RestoreSurfaceType(TSurfaceType t)
{
    const TPenStyle outline = OutlineStyle();
    SetSurfaceType(t);
    SetOutlineStyle(outline);
}

void TGSuperText::BuildGradientBitmap()
{
    m_fill.BuildGradientBitmap();
    Repaint();
}

void TGSuperText::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    // The surface also reports after every paint; only a new size needs a
    // new layout and gradient.
    if (m_laidOutSize == QSize(Width(), Height()) && Width() > 0 && Height() > 0)
        return;
    m_laidOutSize = QSize(Width(), Height());
    m_layoutDirty = true;
    if (Width() <= 0)
        SetWidth(1);
    if (Height() <= 0)
        SetHeight(1);
    m_fill.FollowSize();
}

void TGSuperText::ApplyFont(const QFont &font)
{
    TGFont f = Font();
    f.Assign(font);
    SetFont(f);
    m_layoutDirty = true;
}

void TGSuperText::ApplyFontColor(TColor color)
{
    TGFont f = Font();
    f.Color = color;
    SetFont(f);
    m_layoutDirty = true;
}

void TGSuperText::EditFont()
{
    TTextEditors *editors = TTextEditors::Current();
    if (!editors)
        return;
    if (auto chosen = editors->ChooseFont(Font())) {
        SetTextFont(*chosen);
        Repaint();
    }
}

void TGSuperText::CopyFrom(const TGSuperText &s)
{
    SetCaption(s.Caption());
    SetTextFont(s.Font());
    SetControlTransparent(s.ControlTransparent());
    SetBGColor(s.BGColor());
    SetBorderStyle(s.BorderStyle());
    SetCaption(s.Caption());
    SetGradientFromColor(s.GradientFromColor());
    SetFillDirection(s.FillDirection());
    SetGradientToColor(s.GradientToColor());
    SetImage(s.Image());
    SetOutlineColor(s.OutlineColor());
    SetOutlineStyle(s.OutlineStyle());
    SetOutlineWidth(s.OutlineWidth());
    SetShadowcolor(s.Shadowcolor());
    SetShadowDepth(s.ShadowDepth());
    SetShadowOrientation(s.ShadowOrientation());
    RestoreSurfaceType(s.SurfaceType());
    SetWidth(s.Width());
    SetHeight(s.Height());
}

void TGSuperText::TakeFromPreview(const TGSuperText &p, const QString &lastBitmapPath)
{
    SetGradientFromColor(p.GradientFromColor());
    SetFillDirection(p.FillDirection());
    SetGradientToColor(p.GradientToColor());
    SetImage(p.Image());
    SetOutlineColor(p.OutlineColor());
    SetOutlineStyle(p.OutlineStyle());
    SetOutlineWidth(p.OutlineWidth());
    SetShadowcolor(p.Shadowcolor());
    SetShadowDepth(p.ShadowDepth());
    SetShadowOrientation(p.ShadowOrientation());
    RestoreSurfaceType(p.SurfaceType());
    LastBitmapFileNameandPath = lastBitmapPath;
    SetTextFont(p.Font());
    SetCaption(p.Caption());
    if (m_surfaceType == stGradientFill)
        BuildGradientBitmap();
    m_layoutDirty = true;
    Layout();
    Repaint();
    NotifyChanged();
}

// ---- popup menu --------------------------------------------------------------

void TGSuperText::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Font"), [this] { EditFont(); }));
    TGMenuItem transparent = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Transparent"), [this] {
        SetControlTransparent(!m_controlTransparent);
        NotifyChanged();
    });
    transparent.Checkable = true;
    menu.push_back(transparent);
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Background Color"), [this] {
        if (!Host())
            return;
        if (auto c = Host()->ChooseColor(m_bgColor)) {
            SetBGColor(*c);
            NotifyChanged();
            SetControlTransparent(false);
            Repaint();
        }
    }));
    TGMenuItem border = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Border"), [this] {
        SetBorderStyle(m_borderStyle == bsNone ? bsSingle : bsNone);
    });
    border.Checkable = true;
    border.Checked = true;
    menu.push_back(border);
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Properties"), [this] {
        if (PropertiesEditor())
            PropertiesEditor()(*this);
    }));
    if (m_surfaceType == stGradientFill) {
        try {
            BuildGradientBitmap();
        } catch (...) {
            // A gradient that cannot be built leaves the letters unfilled.
        }
    }
}

void TGSuperText::UpdatePopupChecks()
{
    TGGraphicControl::UpdatePopupChecks();
    auto &menu = MenuItems();
    if (TGMenuItem *b = TGMenuItem::Find(menu, "Border"))
        b->Checked = m_borderStyle == bsSingle;
    if (TGMenuItem *t = TGMenuItem::Find(menu, "Transparent"))
        t->Checked = m_controlTransparent;
}

} // namespace cw::model

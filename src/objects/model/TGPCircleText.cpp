#include "objects/model/TGPCircleText.h"

#include "design/model/TPropertyGroups.h"
#include "objects/model/TSpecialEditors.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"
#include "text/model/TTextFonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace cw::model {

namespace {
using T = TGPCircleText;
using K = TPropertyKind;

TDegrees toDegrees(const QVariant &v)
{
    return TDegrees(qBound(0, v.toInt(), int(dg360)));
}

std::vector<TPropertyInfo> ownProperties()
{
    std::vector<TPropertyInfo> own;
    own.push_back(MakeProperty<T>(
        "StartingVector", K::Enumeration, {}, [](const T &o) { return int(o.StartingVector()); },
        [](T &o, const QVariant &v) { o.SetStartingVector(toDegrees(v)); }, TGPCircleText::DegreesNames()));
    own.push_back(MakeProperty<T>(
        "Degrees", K::Enumeration, {}, [](const T &o) { return int(o.Degrees()); },
        [](T &o, const QVariant &v) { o.SetDegrees(toDegrees(v)); }, TGPCircleText::DegreesNames()));
    // The popup menu is built by Loaded, never read from a file: the entry
    // is an absent reference and is left out when writing.  A text value read
    // back is dropped.
    TPropertyInfo popup = MakeProperty<T>(
        "PopupMenu", K::String, QString(), [](const T &) { return QString(); }, [](T &, const QVariant &) {});
    popup.Stored = [](const TGGraphicControl &) { return false; };
    own.push_back(std::move(popup));
    for (auto &p : FontProperties<T>(
             "Font", [](const T &o) -> const TGFont & { return o.Font(); },
             [](T &o, const TGFont &f) { o.SetTextFont(f); }))
        own.push_back(std::move(p));
    own.push_back(MakeProperty<T>(
        "Mirror", K::Boolean, {}, [](const T &o) { return o.Mirror(); },
        [](T &o, const QVariant &v) { o.SetMirror(v.toBool()); }));
    own.push_back(MakeProperty<T>(
        "DrawLettersAngled", K::Boolean, {}, [](const T &o) { return o.DrawLettersAngled(); },
        [](T &o, const QVariant &v) { o.SetDrawLettersAngled(v.toBool()); }));
    own.push_back(MakeProperty<T>(
        "BorderStyle", K::Enumeration, {}, [](const T &o) { return int(o.BorderStyle()); },
        [](T &o, const QVariant &v) { o.SetBorderStyle(TLabelBorderStyle(qBound(0, v.toInt(), 1))); },
        TTextTypeNames::BorderStyle()));
    own.push_back(MakeProperty<T>(
        "ControlTransparent", K::Boolean, {}, [](const T &o) { return o.ControlTransparent(); },
        [](T &o, const QVariant &v) { o.SetControlTransparent(v.toBool()); }));
    own.push_back(MakeProperty<T>(
        "BGColor", K::Colour, {}, [](const T &o) { return uint(o.BGColor()); },
        [](T &o, const QVariant &v) { o.SetBGColor(v.toUInt()); }));
    // A new object starts with a text, so an emptied one is written as an
    // empty string: leaving it out would bring the starting text back.
    TPropertyInfo caption = MakeProperty<T>(
        "Caption", K::String, QString(), [](const T &o) { return o.Caption(); },
        [](T &o, const QVariant &v) { o.SetCaption(v.toString()); });
    caption.StoreEmpty = true;
    own.push_back(std::move(caption));
    return own;
}
} // namespace

TGPCircleText::TGPCircleText()
{
    InitBounds(QRect(0, 0, 142, 33));
    TGFont font; // Arial 10 point, black
    font.Style = fsBold;
    SetFont(font);
}

std::unique_ptr<TGGraphicControl> TGPCircleText::NewInstance() const
{
    return std::make_unique<TGPCircleText>();
}

const TPropertyTable &TGPCircleText::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

const QStringList &TGPCircleText::DegreesNames()
{
    static const QStringList names{"dg90", "dg180", "dg270", "dg360"};
    return names;
}

void TGPCircleText::repaint()
{
    if (!m_busy)
        Repaint();
}

void TGPCircleText::SetStartingVector(TDegrees v)
{
    if (v == m_startingVector)
        return;
    m_startingVector = v;
    repaint();
}

void TGPCircleText::SetDegrees(TDegrees v)
{
    if (v == m_degrees)
        return;
    m_degrees = v;
    repaint();
}

void TGPCircleText::SetMirror(bool on)
{
    if (on == m_mirror)
        return;
    m_mirror = on;
    repaint();
}

void TGPCircleText::SetDrawLettersAngled(bool on)
{
    if (on == m_angled)
        return;
    m_angled = on;
    repaint();
    NotifyChanged();
}

void TGPCircleText::SetBorderStyle(TLabelBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    repaint();
    NotifyChanged();
}

void TGPCircleText::SetControlTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    repaint();
}

void TGPCircleText::SetBGColor(TColor color)
{
    if (color == m_bgColor)
        return;
    m_bgColor = color;
    repaint();
    NotifyChanged();
}

void TGPCircleText::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    repaint();
    NotifyChanged();
}

void TGPCircleText::SetTextFont(const TGFont &font)
{
    if (font == Font())
        return;
    // Any font change is reported to the surface, as for every control.
    SetFont(font);
    repaint();
}

void TGPCircleText::ApplyFont(const QFont &font)
{
    TGFont f = Font();
    f.Assign(font);
    SetTextFont(f);
}

void TGPCircleText::ApplyFontColor(TColor color)
{
    TGFont f = Font();
    f.Color = color;
    SetTextFont(f);
}

void TGPCircleText::CopyFrom(const TGPCircleText &source)
{
    m_busy = true;
    SetCaption(source.Caption());
    SetTextFont(source.Font());
    SetControlTransparent(source.ControlTransparent());
    SetBGColor(source.BGColor());
    SetBorderStyle(source.BorderStyle());
    SetWidth(source.Width());
    SetHeight(source.Height());
    SetStartingVector(source.StartingVector());
    SetDegrees(source.Degrees());
    SetDrawLettersAngled(source.DrawLettersAngled());
    SetMirror(source.Mirror());
    m_busy = false;
    Repaint();
}

void TGPCircleText::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    if (Width() <= 0 || Height() <= 0)
        SetBounds(Left(), Top(), std::max(1, Width()), std::max(1, Height()));
}

QFont TGPCircleText::CanvasFont() const
{
    return TTextFonts::ZoomedFont(Font(), Zoom());
}

std::vector<TCircleLetter> TGPCircleText::LayoutLetters() const
{
    const QFontMetrics metrics(CanvasFont());
    TCircleTextLayout::TInput in;
    in.Width = Width();
    in.Height = Height();
    in.CharHeight = metrics.height();
    in.AveCharWidth = metrics.averageCharWidth();
    in.StartingVector = m_startingVector;
    in.Degrees = m_degrees;
    in.Mirror = m_mirror;
    in.Angled = m_angled;
    return TCircleTextLayout::Letters(in, m_caption);
}

void TGPCircleText::Paint(QPainter &painter)
{
    const bool busy = m_busy;
    m_busy = true;
    painter.save();
    const int W = Width();
    const int H = Height();
    if (!m_transparent || m_borderStyle == bsSingle) {
        if (!m_transparent)
            painter.fillRect(QRect(0, 0, W, H), TGColor::ToQColor(m_bgColor));
        if (m_borderStyle == bsSingle) {
            // Through the pixel centres, so the frame covers the edge pixels
            // on screen and the same band when scaled onto paper.
            painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
        }
    }
    drawText(painter);
    painter.restore();
    m_busy = busy;
}

void TGPCircleText::drawText(QPainter &painter)
{
    const QFont font = CanvasFont();
    painter.setFont(font);
    painter.setPen(TGColor::ToQColor(Font().Color));
    painter.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(font);
    for (const TCircleLetter &letter : LayoutLetters()) {
        if (!letter.Inside)
            continue;
        // The reference point is the middle of the letter's bottom edge; the
        // letter turns about it, counter-clockwise for positive angles.
        painter.save();
        painter.translate(letter.X, letter.Y);
        if (m_angled)
            painter.rotate(-letter.Angle / 10.0);
        const double width = metrics.horizontalAdvance(letter.Text);
        TTextFonts::DrawText(painter, QPointF(-width / 2.0, -metrics.descent()), font, letter.Text);
        painter.restore();
    }
}

void TGPCircleText::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    const double ppi = ScreenPixelsPerInch;
    const QRectF rect =
        report.CreateRectF(leftInches + Left() / ppi, topInches + Top() / ppi,
                           leftInches + (Left() + Width()) / ppi, topInches + (Top() + Height()) / ppi);
    report.StretchDraw(rect, QSizeF(Width(), Height()), [this](QPainter &painter) {
        painter.setClipRect(QRect(0, 0, Width(), Height()), Qt::IntersectClip);
        Paint(painter);
    });
}

void TGPCircleText::ChooseFontCommand()
{
    TSpecialEditors *editors = TSpecialEditors::Current();
    if (!editors)
        return;
    if (std::optional<TGFont> font = editors->ChooseFontAndColor(Font()))
        SetTextFont(*font);
}

void TGPCircleText::BackgroundColorCommand()
{
    if (!Host())
        return;
    if (auto c = Host()->ChooseColor(m_bgColor)) {
        SetBGColor(*c);
        NotifyChanged();
        SetControlTransparent(false);
        Repaint();
    }
}

void TGPCircleText::PropertiesCommand()
{
    TSpecialEditors *editors = TSpecialEditors::Current();
    if (editors && editors->EditCircleText(*this)) {
        Repaint();
        NotifyChanged();
    }
}

void TGPCircleText::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(
        TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Font"), [this] { ChooseFontCommand(); }));
    TGMenuItem transparent = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Transparent"),
                                                 [this] { SetControlTransparent(!m_transparent); });
    transparent.Checkable = true;
    menu.push_back(transparent);
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Background Color"),
                                       [this] { BackgroundColorCommand(); }));
    TGMenuItem border = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Border"), [this] {
        SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle);
    });
    border.Checkable = true;
    menu.push_back(border);
    menu.push_back(
        TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Properties"), [this] { PropertiesCommand(); }));
    UpdatePopupChecks();
}

void TGPCircleText::UpdatePopupChecks()
{
    if (TGMenuItem *item = TGMenuItem::Find(MenuItems(), QStringLiteral("Transparent")))
        item->Checked = m_transparent;
    if (TGMenuItem *item = TGMenuItem::Find(MenuItems(), QStringLiteral("Border")))
        item->Checked = m_borderStyle == bsSingle;
}

} // namespace cw::model

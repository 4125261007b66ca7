#include "objects/model/TGPRichBaseLabel.h"

#include "objects/model/TSpecialEditors.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"
#include "richtext/model/TRichTextControl.h"

#include <QPainter>

namespace cw::model {

namespace {
using T = TGPRichBaseLabel;
using K = TPropertyKind;

std::vector<TPropertyInfo> ownProperties()
{
    std::vector<TPropertyInfo> own;
    // Written as "RTFText.Data", only when the document is not empty.
    own.push_back(MakeProperty<T>(
        "RTFText", K::Binary, QByteArray(), [](const T &o) { return o.RTFText(); },
        [](T &o, const QVariant &v) { o.SetRTFText(v.toByteArray()); }));
    own.push_back(MakeProperty<T>(
        "BorderStyle", K::Enumeration, {}, [](const T &o) { return int(o.BorderStyle()); },
        [](T &o, const QVariant &v) { o.SetBorderStyle(TLabelBorderStyle(qBound(0, v.toInt(), 1))); },
        TTextTypeNames::BorderStyle()));
    own.push_back(MakeProperty<T>(
        "Transparent", K::Boolean, {}, [](const T &o) { return o.Transparent(); },
        [](T &o, const QVariant &v) { o.SetTransparent(v.toBool()); }));
    own.push_back(MakeProperty<T>(
        "BGColor", K::Colour, {}, [](const T &o) { return uint(o.BGColor()); },
        [](T &o, const QVariant &v) { o.SetBGColor(v.toUInt()); }));
    return own;
}
} // namespace

TGPRichBaseLabel::TGPRichBaseLabel()
{
    InitBounds(QRect(0, 0, 190, 33));
}

std::unique_ptr<TGGraphicControl> TGPRichBaseLabel::NewInstance() const
{
    return std::make_unique<TGPRichBaseLabel>();
}

const TPropertyTable &TGPRichBaseLabel::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

void TGPRichBaseLabel::SetRTFText(const QByteArray &rtf)
{
    m_rtf = rtf;
    Repaint();
    NotifyChanged();
}

void TGPRichBaseLabel::SetBorderStyle(TLabelBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    Repaint();
    NotifyChanged();
}

void TGPRichBaseLabel::SetTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    Repaint();
}

void TGPRichBaseLabel::SetBGColor(TColor color)
{
    if (color == m_bgColor)
        return;
    m_bgColor = color;
    Repaint();
    NotifyChanged();
}

int TGPRichBaseLabel::PageWidthTwips() const
{
    return Trunc(Width() / double(Zoom()) / ScreenPixelsPerInch * 1440);
}

int TGPRichBaseLabel::PageHeightTwips() const
{
    return Trunc(Height() / double(Zoom()) / ScreenPixelsPerInch * 1440);
}

void TGPRichBaseLabel::drawLabel(QPainter &painter)
{
    if (!m_master)
        return;
    const int w = Width();
    const int h = Height();
    painter.save();
    if (m_transparent) {
        m_master->BackgroundColor = Qt::white;
    } else {
        m_master->BackgroundColor = TGColor::ToQColor(m_bgColor);
        painter.fillRect(QRect(0, 0, w, h), m_master->BackgroundColor);
    }
    // Every paint overwrites the master's document and settings, so labels
    // sharing it never mix their texts.
    m_master->SetRtf(m_rtf);
    m_master->SetZoomPercent(Trunc(double(Zoom()) * 100));
    m_master->SetWordWrap(true);
    m_master->SetPageSize(PageWidthTwips(), PageHeightTwips());
    m_master->PaintFirstPage(painter, QRect(0, 0, w, h));
    if (m_borderStyle == bsSingle) {
        // Through the pixel centres, so the frame covers the edge pixels
        // on screen and the same band when scaled onto paper.
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    }
    painter.restore();
}

void TGPRichBaseLabel::Paint(QPainter &painter)
{
    drawLabel(painter);
}

void TGPRichBaseLabel::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    if (Width() <= 0 || Height() <= 0 || !m_master)
        return;
    const double ppi = ScreenPixelsPerInch;
    const QRectF rect =
        report.CreateRectF(leftInches + Left() / ppi, topInches + Top() / ppi,
                           leftInches + (Left() + Width()) / ppi, topInches + (Top() + Height()) / ppi);
    report.StretchDraw(rect, QSizeF(Width(), Height()), [this](QPainter &painter) { drawLabel(painter); });
}

void TGPRichBaseLabel::EditText()
{
    TSpecialEditors *editors = TSpecialEditors::Current();
    if (!editors)
        return;
    if (auto rtf = editors->EditRichText(*this)) {
        SetRTFText(*rtf);
        Repaint();
        NotifyChanged();
    }
}

void TGPRichBaseLabel::BackgroundColorCommand()
{
    if (!Host())
        return;
    if (auto c = Host()->ChooseColor(m_bgColor)) {
        SetBGColor(*c);
        NotifyChanged();
        SetTransparent(false);
        Repaint();
    }
}

void TGPRichBaseLabel::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    m_master = richtext::TRichTextControl::Master();
    if (!m_master || m_master->Name.toUpper() != QLatin1String("MASTERWPRICHTEXT")) {
        m_master = nullptr;
        throw ENoMasterWPRich();
    }
    menu.push_back(TGMenuItem::Separator());
    TGMenuItem transparent = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Transparent"),
                                                 [this] { SetTransparent(!m_transparent); });
    transparent.Checkable = true;
    menu.push_back(transparent);
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Background Color"),
                                       [this] { BackgroundColorCommand(); }));
    TGMenuItem border = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Border"), [this] {
        SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle);
    });
    border.Checkable = true;
    menu.push_back(border);
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Edit"), [this] { EditText(); }));
    OnEdit = [this](TObjectHost &) { EditText(); };
    UpdatePopupChecks();
}

void TGPRichBaseLabel::UpdatePopupChecks()
{
    if (TGMenuItem *item = TGMenuItem::Find(MenuItems(), QStringLiteral("Transparent")))
        item->Checked = m_transparent;
    if (TGMenuItem *item = TGMenuItem::Find(MenuItems(), QStringLiteral("Border")))
        item->Checked = m_borderStyle == bsSingle;
}

} // namespace cw::model

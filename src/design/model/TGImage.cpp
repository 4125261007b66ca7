#include "design/model/TGImage.h"

#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QPainter>

namespace cw::model {

namespace {
using T = TGImage;
using K = TPropertyKind;

std::vector<TPropertyInfo> ownProperties()
{
    return {
        MakeProperty<T>(
            "AutoSize", K::Boolean, false, [](const T &o) { return o.AutoSize(); },
            [](T &o, const QVariant &v) { o.SetAutoSize(v.toBool()); }),
        MakeProperty<T>(
            "BorderStyle", K::Enumeration, {}, [](const T &o) { return int(o.BorderStyle()); },
            [](T &o, const QVariant &v) { o.SetBorderStyle(TLabelBorderStyle(qBound(0, v.toInt(), 1))); },
            TTextTypeNames::BorderStyle()),
        MakeProperty<T>(
            "Picture.Data", K::Binary, {}, [](const T &o) { return o.PictureData(); },
            [](T &o, const QVariant &v) { o.SetPictureData(v.toByteArray()); }),
        MakeProperty<T>(
            "Stretch", K::Boolean, true, [](const T &o) { return o.Stretch(); },
            [](T &o, const QVariant &v) { o.SetStretch(v.toBool()); }),
        MakeProperty<T>(
            "Reverse", K::Boolean, {}, [](const T &o) { return o.Reverse(); },
            [](T &o, const QVariant &v) { o.SetReverse(v.toBool()); }),
        MakeProperty<T>(
            "Flip", K::Boolean, {}, [](const T &o) { return o.Flip(); },
            [](T &o, const QVariant &v) { o.SetFlip(v.toBool()); }),
    };
}

// The rectangle (0, 0, w, h) as a Windows Rectangle call draws it with a
// one-pixel pen: the outline on the first and last pixel rows and columns.
QRect outlineRect(int w, int h)
{
    return QRect(0, 0, w - 1, h - 1);
}
} // namespace

TGImage::TGImage()
{
    InitBounds(QRect(0, 0, 105, 105));
}

const TPropertyTable &TGImage::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

std::function<void(TGImage &)> &TGImage::LoadImageFromDiskHandler()
{
    static std::function<void(TGImage &)> handler;
    return handler;
}

void TGImage::LoadImageFromDisk()
{
    if (const auto &handler = LoadImageFromDiskHandler())
        handler(*this);
}

void TGImage::SetAutoSize(bool on)
{
    m_autoSize = on;
    m_stretch = !on;
    PictureChanged();
    if (!Loading())
        NotifyChanged();
}

void TGImage::SetStretch(bool on)
{
    const bool changed = on != m_stretch || on == m_autoSize;
    m_stretch = on;
    m_autoSize = !on;
    Repaint();
    // The design changed: the stored fields differ.
    if (changed && !Loading())
        NotifyChanged();
}

void TGImage::SetBorderStyle(TLabelBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGImage::SetFlip(bool on)
{
    if (on == m_flip)
        return;
    m_flip = on;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGImage::SetReverse(bool on)
{
    if (on == m_reverse)
        return;
    m_reverse = on;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGImage::SetPicture(const TGPicture &picture)
{
    m_picture = picture;
    m_picture.ConvertIconToBitmap();
    PictureChanged();
}

void TGImage::SetPictureData(const QByteArray &data)
{
    TGPicture picture;
    picture.SetPictureData(data);
    m_picture = picture;
    PictureChanged();
}

void TGImage::TakeOverPicture(const TGPicture &picture, bool stretch, bool autoSize)
{
    try {
        m_stretch = stretch;
        m_autoSize = autoSize;
        SetPicture(picture);
        NotifyChanged();
    } catch (...) {
        m_picture.Clear();
        PictureChanged();
        throw;
    }
}

void TGImage::PictureChanged()
{
    // While the object is being read its bounds are not reported yet; the
    // size is still made to follow the picture.
    if (Loading())
        ApplyAutoSize();
    else
        BoundsChanged();
    m_opaque = m_picture.IsBitmap() && m_picture.Size() == BoundsRect().size();
    Repaint();
}

void TGImage::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    ApplyAutoSize();
}

void TGImage::ApplyAutoSize()
{
    if (m_inAutoSize || !m_autoSize || m_picture.Width() <= 0 || m_picture.Height() <= 0)
        return;
    m_inAutoSize = true;
    const double zoom = double(Zoom());
    SetBounds(Left(), Top(), Round(m_picture.Width() * zoom), Round(m_picture.Height() * zoom));
    m_inAutoSize = false;
}

QImage TGImage::MirroredBitmap(const QSize &size) const
{
    const QImage &source = m_picture.Image();
    if (source.isNull() || m_picture.IsMetafile())
        return QImage();
    if (!m_flip && !m_reverse)
        return source;
    if (size.isEmpty())
        return QImage();
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    out.fill(Qt::transparent);
    QPainter p(&out);
    // A reversed coordinate pair in the destination mirrors that axis.
    p.translate(m_reverse ? size.width() : 0, m_flip ? size.height() : 0);
    p.scale(m_reverse ? -1 : 1, m_flip ? -1 : 1);
    p.drawImage(QRectF(0, 0, size.width(), size.height()), source);
    p.end();
    return out;
}

void TGImage::Paint(QPainter &painter)
{
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    // Drawn off screen at the object's size, so nothing (a metafile's
    // strokes, say) reaches outside the object's rectangle.
    QImage off(w, h, QImage::Format_ARGB32_Premultiplied);
    if (off.isNull())
        return;
    off.fill(Qt::transparent);
    QPainter p(&off);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF all(0, 0, w, h);
    if (m_picture.IsBitmap() && (m_flip || m_reverse))
        p.drawImage(QPoint(0, 0), MirroredBitmap(QSize(w, h)));
    else
        m_picture.Draw(p, all);
    if (m_picture.IsEmpty()) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(outlineRect(w, h));
    }
    if (m_borderStyle == bsSingle) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(outlineRect(w, h));
    }
    p.end();
    painter.drawImage(QPoint(0, 0), off);
}

void TGImage::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    if (m_picture.IsEmpty())
        return;
    const double ppi = ScreenPixelsPerInch;
    const double x1 = leftInches + Left() / ppi;
    const double y1 = topInches + Top() / ppi;
    const double x2 = leftInches + (Left() + Width()) / ppi;
    const double y2 = topInches + (Top() + Height()) / ppi;
    if (m_picture.IsMetafile()) {
        const QRect device = report.CreateRect(x1, y1, x2, y2);
        const QSizeF frame(std::max(1, m_picture.Width()), std::max(1, m_picture.Height()));
        const TGPicture picture = m_picture;
        report.StretchDraw(device, frame, [picture, frame](QPainter &painter) {
            // As on screen, where the picture is drawn into an image of the
            // object's size: strokes a metafile makes beyond its frame stay
            // off the card.
            const QRectF all(QPointF(0, 0), frame);
            painter.setClipRect(all, Qt::IntersectClip);
            picture.Draw(painter, all);
        });
    } else {
        const QImage bitmap = MirroredBitmap(BoundsRect().size());
        if (bitmap.isNull())
            return;
        report.PrintBitmapRect(x1, y1, x2, y2, bitmap);
    }
    if (m_borderStyle == bsSingle) {
        // On screen the border is the object's outermost ring of pixels; on
        // paper it is the same ring, one screen pixel (1/96 inch) wide, so
        // it does not shrink to a hairline of one printer dot.
        const double t = 1.0 / ppi;
        report.SetPen(Qt::black, Qt::NoPen, 1, engine::TPenMode::pmCopy);
        report.SetBrush(Qt::black, Qt::SolidPattern);
        report.Rectangle(x1, y1, x2, y1 + t);
        report.Rectangle(x1, y2 - t, x2, y2);
        report.Rectangle(x1, y1 + t, x1 + t, y2 - t);
        report.Rectangle(x2 - t, y1 + t, x2, y2 - t);
        report.SetBrush(Qt::white, Qt::NoBrush);
    }
}

void TGImage::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    auto checkable = [](const QString &caption, std::function<void()> action) {
        TGMenuItem item = TGMenuItem::Command(caption, std::move(action));
        item.Checkable = true;
        return item;
    };
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command("Load Image From Disk", [this] { LoadImageFromDisk(); }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(
        checkable("Border", [this] { SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle); }));
    menu.push_back(checkable("Stretch to Fit", [this] {
        SetStretch(!m_stretch);
        Repaint();
    }));
    menu.push_back(checkable("AutoSize", [this] {
        SetAutoSize(!m_autoSize);
        Repaint();
    }));
    menu.push_back(checkable("Flip", [this] { SetFlip(!m_flip); }));
    menu.push_back(checkable("Reverse", [this] { SetReverse(!m_reverse); }));
}

void TGImage::UpdatePopupChecks()
{
    auto &menu = MenuItems();
    auto set = [&menu](const char *caption, bool checked, bool enabled) {
        if (TGMenuItem *item = TGMenuItem::Find(menu, QString::fromLatin1(caption))) {
            item->Checked = checked;
            item->Enabled = enabled;
        }
    };
    const bool bitmap = m_picture.IsBitmap();
    set("Border", m_borderStyle == bsSingle, true);
    set("Stretch to Fit", m_stretch, true);
    set("AutoSize", m_autoSize, true);
    set("Flip", m_flip, bitmap);
    set("Reverse", m_reverse, bitmap);
}

} // namespace cw::model

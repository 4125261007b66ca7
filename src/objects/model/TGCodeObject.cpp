#include "objects/model/TGCodeObject.h"

#include "objects/model/TSpecialEditors.h"
#include "objects/model/TVCardText.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QPainter>

#include <cmath>

namespace cw::model {

TGCodeObject::TGCodeObject(TCodeContent content, const QString &text, int quietZone, const QRect &bounds)
    : m_content(content), m_text(text), m_quietZone(quietZone)
{
    InitBounds(bounds);
    // A double-click opens the properties.
    OnEdit = [this](TObjectHost &) { PropertiesCommand(); };
}

void TGCodeObject::changed()
{
    if (m_busy)
        return;
    Repaint();
    NotifyChanged();
}

void TGCodeObject::SymbolSettingChanged()
{
    m_cacheValid = false;
    changed();
}

void TGCodeObject::SetContent(TCodeContent content)
{
    if (content == m_content)
        return;
    m_content = content;
    changed();
}

void TGCodeObject::SetText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    changed();
}

void TGCodeObject::SetForeColor(TColor color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    changed();
}

void TGCodeObject::SetBGColor(TColor color)
{
    if (color == m_bgColor)
        return;
    m_bgColor = color;
    changed();
}

void TGCodeObject::SetControlTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    changed();
}

void TGCodeObject::SetQuietZone(int modules)
{
    modules = qBound(0, modules, MaxQuietZone);
    if (modules == m_quietZone)
        return;
    m_quietZone = modules;
    changed();
}

QString TGCodeObject::EncodedText() const
{
    if (m_content == TCodeContent::Text)
        return m_text;
    QStringList values;
    for (int i = 0; i < 10; ++i)
        values << (Host() ? Host()->PersonalInfo(i) : QString());
    return TVCardText::Build(values);
}

const TCodeMatrix &TGCodeObject::Matrix() const
{
    const QString text = EncodedText();
    if (!m_cacheValid || text != m_cacheText) {
        m_cache = Encode(text);
        m_cacheText = text;
        m_cacheValid = true;
    }
    return m_cache;
}

TGCodeObject::TPlacement TGCodeObject::Place(const TCodeMatrix &matrix, double width, double height,
                                             double step) const
{
    TPlacement p;
    if (matrix.IsNull() || width <= 0 || height <= 0)
        return p;
    const double columns = matrix.Columns() + 2.0 * m_quietZone;
    const double rows = matrix.Height() + 2.0 * m_quietZone;
    auto fit = [&](double w, double h) {
        return matrix.Linear() ? w / columns : std::min(w / columns, h / rows);
    };
    const QRect stored = StoredBounds();
    const double scale = stored.width() > 0 ? width / stored.width() : 1.0;
    double module100 =
        stored.width() > 0 && stored.height() > 0 ? fit(stored.width(), stored.height()) : fit(width, height);
    if (module100 >= 1.0)
        module100 = std::floor(module100 + 1e-9);
    const double room = fit(width, height);
    p.Module = std::min(module100 * scale, room);
    if (step > 0 && p.Module >= step) {
        const double whole = std::max(1.0, std::nearbyint(p.Module / step));
        p.Module = std::min(whole, std::floor(room / step + 1e-9)) * step;
        if (p.Module < step)
            p.Module = room;
    }
    auto snap = [step](double v) { return step > 0 ? std::floor(v / step + 1e-9) * step : v; };
    p.X = snap((width - matrix.Columns() * p.Module) / 2.0);
    if (matrix.Linear()) {
        p.Y = 0;
        p.BarHeight = height;
    } else {
        p.Y = snap((height - matrix.Height() * p.Module) / 2.0);
        p.BarHeight = matrix.Height() * p.Module;
    }
    return p;
}

void TGCodeObject::Paint(QPainter &painter)
{
    const double W = Width();
    const double H = Height();
    if (W <= 0 || H <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!m_transparent)
        painter.fillRect(QRectF(0, 0, W, H), TGColor::ToQColor(m_bgColor));
    const TCodeMatrix &matrix = Matrix();
    if (matrix.IsNull()) {
        // Nothing to scan: a dashed frame with the reason, so the object can
        // still be found and edited.
        painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(std::max(6, int(9 * Zoom())));
        painter.setFont(font);
        painter.drawText(QRectF(2, 2, W - 4, H - 4), Qt::AlignCenter | Qt::TextWordWrap, matrix.Error());
        painter.restore();
        return;
    }
    // One device pixel in object units, so modules land on whole pixels.
    const double scale = std::hypot(painter.deviceTransform().m11(), painter.deviceTransform().m12());
    const TPlacement p = Place(matrix, W, H, scale > 0 ? 1.0 / scale : 0.0);
    std::vector<double> rowTop(matrix.Rows() + 1, 0.0);
    for (int r = 0; r < matrix.Rows(); ++r)
        rowTop[r + 1] = rowTop[r] + matrix.RowHeight(r);
    const QColor ink = TGColor::ToQColor(m_foreColor);
    for (const TCodeMatrix::TRun &run : matrix.Runs()) {
        const double x = p.X + run.First * p.Module;
        const double w = (run.Last - run.First + 1) * p.Module;
        if (matrix.Linear())
            painter.fillRect(QRectF(x, p.Y, w, p.BarHeight), ink);
        else
            painter.fillRect(QRectF(x, p.Y + rowTop[run.Row] * p.Module, w,
                                    (rowTop[run.Row + 1] - rowTop[run.Row]) * p.Module),
                             ink);
    }
    painter.restore();
}

void TGCodeObject::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    const double ppi = ScreenPixelsPerInch;
    const double left = leftInches + Left() / ppi;
    const double top = topInches + Top() / ppi;
    if (!m_transparent) {
        report.SetBrush(TGColor::ToQColor(m_bgColor), Qt::SolidPattern);
        report.FillRect(report.CreateRect(left, top, left + Width() / ppi, top + Height() / ppi));
    }
    const TCodeMatrix &matrix = Matrix();
    if (matrix.IsNull())
        return;
    // Modules in card pixels, snapped to whole printer pixels.
    const int devicePerInch = report.WidthToDevice(1.0);
    const TPlacement p = Place(matrix, Width(), Height(), devicePerInch > 0 ? ppi / devicePerInch : 0.0);
    std::vector<double> rowTop(matrix.Rows() + 1, 0.0);
    for (int r = 0; r < matrix.Rows(); ++r)
        rowTop[r + 1] = rowTop[r] + matrix.RowHeight(r);
    report.SetBrush(TGColor::ToQColor(m_foreColor), Qt::SolidPattern);
    for (const TCodeMatrix::TRun &run : matrix.Runs()) {
        const double x1 = p.X + run.First * p.Module;
        const double x2 = p.X + (run.Last + 1) * p.Module;
        const double y1 = matrix.Linear() ? p.Y : p.Y + rowTop[run.Row] * p.Module;
        const double y2 = matrix.Linear() ? p.Y + p.BarHeight : p.Y + rowTop[run.Row + 1] * p.Module;
        report.FillRect(report.CreateRect(left + x1 / ppi, top + y1 / ppi, left + x2 / ppi, top + y2 / ppi));
    }
}

void TGCodeObject::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    if (Width() <= 0 || Height() <= 0)
        SetBounds(Left(), Top(), std::max(1, Width()), std::max(1, Height()));
}

void TGCodeObject::CopyFrom(const TGCodeObject &source)
{
    m_busy = true;
    SetContent(source.Content());
    SetText(source.Text());
    SetForeColor(source.ForeColor());
    SetBGColor(source.BGColor());
    SetControlTransparent(source.ControlTransparent());
    SetQuietZone(source.QuietZone());
    SetWidth(source.Width());
    SetHeight(source.Height());
    m_busy = false;
    m_cacheValid = false;
    Repaint();
}

void TGCodeObject::BackgroundColorCommand()
{
    if (!Host())
        return;
    if (auto c = Host()->ChooseColor(m_bgColor)) {
        m_busy = true;
        SetBGColor(*c);
        SetControlTransparent(false);
        m_busy = false;
        changed();
    }
}

void TGCodeObject::PropertiesCommand()
{
    TSpecialEditors *editors = TSpecialEditors::Current();
    if (editors && editors->EditCode(*this)) {
        m_cacheValid = false;
        Repaint();
        NotifyChanged();
    }
}

void TGCodeObject::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    TGMenuItem transparent = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Transparent"),
                                                 [this] { SetControlTransparent(!m_transparent); });
    transparent.Checkable = true;
    menu.push_back(transparent);
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Background Color"),
                                       [this] { BackgroundColorCommand(); }));
    menu.push_back(
        TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Properties"), [this] { PropertiesCommand(); }));
    UpdatePopupChecks();
}

void TGCodeObject::UpdatePopupChecks()
{
    if (TGMenuItem *item = TGMenuItem::Find(MenuItems(), QStringLiteral("Transparent")))
        item->Checked = m_transparent;
}

} // namespace cw::model

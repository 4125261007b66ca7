#include "text/model/TGMultiLineBaseLabel.h"

#include "design/model/TPropertyGroups.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"
#include "text/model/TTextEditors.h"
#include "text/model/TTextFonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace cw::model {

namespace {
using T = TGMultiLineBaseLabel;
using K = TPropertyKind;

// Frame (2 pixels a side) and inner margins (2 pixels a side) of the
// platform's multi-line edit control the wrap imitates.
constexpr int EditControlInset = 8;

std::vector<TPropertyInfo> ownProperties()
{
    std::vector<TPropertyInfo> own;
    own.push_back(MakeProperty<T>(
        "Items", K::StringList, {}, [](const T &o) { return o.Items(); },
        [](T &o, const QVariant &v) { o.SetItems(v.toStringList()); }));
    own.push_back(MakeProperty<T>(
        "AutoSize", K::Boolean, {}, [](const T &o) { return o.AutoSize(); },
        [](T &o, const QVariant &v) { o.SetAutoSize(v.toBool()); }));
    own.push_back(MakeProperty<T>(
        "Alignment", K::Enumeration, int(taLeftJustify), [](const T &o) { return int(o.Alignment()); },
        [](T &o, const QVariant &v) { o.SetAlignment(TAlignment(qBound(0, v.toInt(), int(taCenter)))); },
        TTextTypeNames::Alignment()));
    for (auto &p : FontProperties<T>(
             "Font", [](const T &o) -> const TGFont & { return o.Font(); },
             [](T &o, const TGFont &f) { o.SetLabelFont(f); }))
        own.push_back(std::move(p));
    own.push_back(MakeProperty<T>(
        "WordWrap", K::Boolean, false, [](const T &o) { return o.WordWrap(); },
        [](T &o, const QVariant &v) { o.SetWordWrap(v.toBool()); }));
    return own;
}

TGMenuItem checkable(const QString &caption, std::function<void()> action)
{
    TGMenuItem item = TGMenuItem::Command(caption, std::move(action));
    item.Checkable = true;
    return item;
}
} // namespace

TGMultiLineBaseLabel::TGMultiLineBaseLabel()
{
    InitBounds(QRect(0, 0, 190, 33));
}

const TPropertyTable &TGMultiLineBaseLabel::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

void TGMultiLineBaseLabel::SetItems(const QStringList &items)
{
    m_items = items;
    Invalidate();
}

void TGMultiLineBaseLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    Invalidate();
}

void TGMultiLineBaseLabel::SetWordWrap(bool on)
{
    if (on == m_wordWrap)
        return;
    m_wordWrap = on;
    if (on)
        Rewrap();
    Invalidate();
    if (!Loading())
        NotifyChanged();
}

void TGMultiLineBaseLabel::SetLabelFont(const TGFont &font)
{
    SetFont(font);
    if (m_wordWrap)
        Rewrap();
}

QFont TGMultiLineBaseLabel::CanvasFont() const
{
    return TTextFonts::ZoomedFont(Font(), Zoom());
}

int TGMultiLineBaseLabel::WrapWidth() const
{
    return std::max(1, StoredBounds().width() - EditControlInset);
}

QFont TGMultiLineBaseLabel::WrapFont() const
{
    return TTextFonts::ZoomedFont(Font(), 1.0f);
}

QStringList TGMultiLineBaseLabel::WrapText(const QStringList &lines, const QFont &font,
                                           const QString &fontName, int width)
{
    auto advance = [&](const QString &text) {
        const TSymbolFonts::TDisplay display = TSymbolFonts::Resolve(font, fontName, text);
        return QFontMetrics(display.Font).horizontalAdvance(display.Text);
    };
    QStringList wrapped;
    for (const QString &line : lines) {
        const qsizetype n = line.size();
        if (n == 0) {
            wrapped << QString();
            continue;
        }
        qsizetype pos = 0;
        while (pos < n) {
            // The longest run from pos that fits; remember the last word end.
            qsizetype end = pos, lastBreak = -1;
            while (end < n && advance(line.mid(pos, end + 1 - pos)) <= width) {
                ++end;
                if (line[end - 1] == u' ')
                    lastBreak = end;
            }
            if (end == n) {
                wrapped << line.mid(pos);
                break;
            }
            qsizetype cut;
            if (line[end] == u' ') {
                cut = end;
                while (cut < n && line[cut] == u' ')
                    ++cut;
            } else if (lastBreak > pos) {
                cut = lastBreak;
            } else {
                cut = std::max(end, pos + 1); // a word longer than the line
            }
            // The blanks at a break end the line but are not drawn: a right-
            // aligned or centred line sits flush with its last word.
            qsizetype keep = cut;
            while (keep > pos && line[keep - 1] == u' ')
                --keep;
            wrapped << line.mid(pos, keep - pos);
            pos = cut;
        }
    }
    return wrapped;
}

void TGMultiLineBaseLabel::Rewrap()
{
    if (!m_wordWrap)
        return;
    // The lines break at 100 %, so every zoom shows the same lines: a zoomed
    // font is not exactly the zoomed width (its size is cut to whole points).
    m_wrapFont = WrapFont();
    m_wrapWidth = StoredBounds().width();
    m_wrappedLines = WrapText(m_items, m_wrapFont, Font().Name, WrapWidth());
    Invalidate();
}

QStringList TGMultiLineBaseLabel::DisplayLines() const
{
    QStringList lines = m_wordWrap ? m_wrappedLines : m_items;
    if (lines.isEmpty())
        lines << QStringLiteral("<blank>");
    if (lines.size() == 1 && Trim(lines.first()).isEmpty())
        lines << QStringLiteral("<blank>");
    return lines;
}

void TGMultiLineBaseLabel::DrawLines(QPainter &painter) const
{
    const QRect R(0, 0, Width(), Height());
    const QFont font = CanvasFont();
    const QFontMetrics lineMetrics(font);
    const int lh = lineMetrics.height(); // the height of "XXX"
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(TGColor::ToQColor(Font().Color));
    int y = R.top();
    for (const QString &line : DisplayLines()) {
        const TSymbolFonts::TDisplay display = TSymbolFonts::Resolve(font, Font().Name, line);
        const QFontMetrics fm(display.Font);
        const int w = fm.horizontalAdvance(display.Text);
        int x = 0;
        if (m_alignment == taRightJustify)
            x = R.right() + 1 - (w + 1);
        else if (m_alignment == taCenter)
            x = R.width() / 2 - w / 2 + 1;
        painter.save();
        painter.setClipRect(QRect(R.left(), y, R.width(), R.height() - y), Qt::IntersectClip);
        TTextFonts::DrawText(painter, QPointF(x, y + fm.ascent()), display.Font, display.Text);
        painter.restore();
        y += lh;
    }
    painter.restore();
}

void TGMultiLineBaseLabel::FitToLines()
{
    const QFont font = CanvasFont();
    const int lh = QFontMetrics(font).height();
    if (m_wordWrap)
        Rewrap();
    const QStringList &lines = m_wordWrap ? m_wrappedLines : m_items;
    int w = Width();
    for (const QString &line : lines) {
        const TSymbolFonts::TDisplay display = TSymbolFonts::Resolve(font, Font().Name, line);
        w = std::max(w, QFontMetrics(display.Font).horizontalAdvance(display.Text));
    }
    // An empty label keeps the height of one line: a box without height
    // would be dropped by the next save.
    SetBounds(Left(), Top(), w, lh * std::max(1, int(lines.size())));
    Invalidate();
}

void TGMultiLineBaseLabel::Paint(QPainter &painter)
{
    DrawLines(painter);
}

void TGMultiLineBaseLabel::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    const double ppi = ScreenPixelsPerInch;
    const QRectF rect =
        report.CreateRectF(leftInches + Left() / ppi, topInches + Top() / ppi,
                           leftInches + (Left() + Width()) / ppi, topInches + (Top() + Height()) / ppi);
    report.StretchDraw(rect, QSizeF(Width(), Height()), [this](QPainter &painter) { DrawLines(painter); });
}

void TGMultiLineBaseLabel::BoundsChanged()
{
    // Only a new width re-breaks the lines; a move or a zoom keeps them.
    if (m_wordWrap && (StoredBounds().width() != m_wrapWidth || WrapFont() != m_wrapFont))
        Rewrap();
    TGGraphicControl::BoundsChanged();
}

void TGMultiLineBaseLabel::ApplyFont(const QFont &font)
{
    TGFont f = Font();
    f.Assign(font);
    SetLabelFont(f);
}

void TGMultiLineBaseLabel::ApplyFontColor(TColor color)
{
    TGFont f = Font();
    f.Color = color;
    SetLabelFont(f);
}

void TGMultiLineBaseLabel::EditFont()
{
    if (TTextEditors *editors = TTextEditors::Current())
        if (std::optional<TGFont> chosen = editors->ChooseFont(Font()))
            SetFont(*chosen);
    if (m_wordWrap)
        Rewrap();
}

void TGMultiLineBaseLabel::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Font"), [this] { EditFont(); }));
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
}

void TGMultiLineBaseLabel::UpdatePopupChecks()
{
    if (TGMenuItem *alignment = TGMenuItem::Find(MenuItems(), "Alignment")) {
        if (TGMenuItem *i = TGMenuItem::Find(alignment->Items, "Left"))
            i->Checked = m_alignment == taLeftJustify;
        if (TGMenuItem *i = TGMenuItem::Find(alignment->Items, "Center"))
            i->Checked = m_alignment == taCenter;
        if (TGMenuItem *i = TGMenuItem::Find(alignment->Items, "Right"))
            i->Checked = m_alignment == taRightJustify;
    }
}

} // namespace cw::model

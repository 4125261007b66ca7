#include "widgets/TColorDrop.h"

#include "print/engine/Units.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace cw::ui {

using model::TColor;

const TColorDrop::TNamedColor TColorDrop::Colors[ColorCount] = {
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Maroon"), 0x000080},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Navy"), 0x800000},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Teal"), 0x808000},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Yellow"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Blue"), 0xFF0000},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Aqua"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Light Gray"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "Dark Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("cw::ui::TColorDrop", "White"), 0xFFFFFF},
};

namespace {

// Draws a row: highlight or list colour behind, a swatch from x = 4 to x =
// row height, 2 pixels inside the row, outlined in the text colour, and the
// name at x = row height + 4.
class TColorRowDelegate : public QStyledItemDelegate
{
public:
    explicit TColorRowDelegate(TColorDrop *drop) : QStyledItemDelegate(drop), m_drop(drop) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette &pal = option.palette;
        painter->save();
        painter->fillRect(r, selected ? pal.highlight() : pal.base());
        const QColor text = selected ? pal.highlightedText().color() : pal.text().color();
        const int rowHeight = r.height();
        const QRect swatch(QPoint(r.left() + 4, r.top() + 2),
                           QPoint(r.left() + rowHeight - 1, r.bottom() - 2));
        const int row = index.row();
        if (row >= 0 && row < TColorDrop::ColorCount)
            painter->fillRect(swatch, model::TGColor::ToQColor(TColorDrop::Colors[row].Value));
        painter->setPen(text);
        painter->drawRect(swatch.adjusted(0, 0, -1, -1));
        painter->drawText(QRect(r.left() + rowHeight + 4, r.top(), r.width() - rowHeight - 4, r.height()),
                          Qt::AlignVCenter | Qt::AlignLeft, index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(m_drop->RowHeight());
        return s;
    }

private:
    TColorDrop *m_drop;
};

QPixmap swatchPixmap(TColor value, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(model::TGColor::ToQColor(value));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, size - 1, size - 1);
    return pixmap;
}

} // namespace

TColorDrop::TColorDrop(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    const int swatch = std::max(8, QFontMetrics(font()).height() - 2);
    for (const TNamedColor &c : Colors)
        addItem(QIcon(swatchPixmap(c.Value, swatch)), tr(c.Name));
    setItemDelegate(new TColorRowDelegate(this));
    setCurrentIndex(RowOf(m_selectedColor));
    connect(this, &QComboBox::activated, this, &TColorDrop::ChooseRow);
}

int TColorDrop::RowOf(TColor color)
{
    for (int row = 0; row < ColorCount; ++row)
        if (Colors[row].Value == color)
            return row;
    return -1;
}

void TColorDrop::SetSelectedColor(TColor color)
{
    const int row = RowOf(color);
    if (row < 0)
        return;
    m_selectedColor = color;
    setCurrentIndex(row);
}

int TColorDrop::RowHeight() const
{
    const QFont f = font();
    const int pixels = f.pixelSize() > 0 ? f.pixelSize() : MulDiv(f.pointSize(), ScreenPixelsPerInch, 72);
    return 4 + pixels;
}

void TColorDrop::ChooseRow(int row)
{
    if (row < 0 || row >= ColorCount)
        return;
    if (currentIndex() != row)
        setCurrentIndex(row);
    m_selectedColor = Colors[row].Value;
    emit Change();
}

} // namespace cw::ui

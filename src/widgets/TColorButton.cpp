#include "widgets/TColorButton.h"

#include "widgets/Interaction.h"

#include <QFrame>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw::ui {

const std::array<model::TColor, TColorButton::Columns * TColorButton::Rows> TColorButton::Palette{
    0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0xBFD7BF, 0x000000, 0x00007F, 0x007F00, 0x7F0000, 0xEFBF9F,
    0xBFBFBF, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xEFF7FF, 0x7F7F7F, 0x007F7F, 0x7F7F00, 0x7F007F, 0x9F9F9F};

namespace {
QIcon swatch(model::TColor color, QSize size)
{
    QPixmap pm(size);
    pm.fill(model::TGColor::ToQColor(color));
    QPainter p(&pm);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return QIcon(pm);
}
} // namespace

TColorButton::TColorButton(QWidget *parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(40, 14));
    setArrowType(Qt::NoArrow);
    connect(this, &QToolButton::clicked, this, &TColorButton::ShowPalette);
    updateFace();
}

void TColorButton::SetColor(model::TColor color)
{
    m_color = color;
    updateFace();
}

void TColorButton::updateFace()
{
    setIcon(swatch(m_color, iconSize()));
}

void TColorButton::choose(model::TColor color)
{
    if (m_popup)
        m_popup->hide();
    SetColor(color);
    emit Change();
}

void TColorButton::ChooseIndex(int index)
{
    if (index < 0 || index >= int(Palette.size()))
        return;
    choose(Palette[index]);
}

void TColorButton::ChooseOther()
{
    if (m_popup)
        m_popup->hide();
    if (auto c = Interaction::current().chooseColor(model::TGColor::ToQColor(m_color)))
        choose(model::TGColor::FromQColor(*c));
}

QFrame *TColorButton::PalettePopup()
{
    if (m_popup)
        return m_popup;
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setFrameShape(QFrame::StyledPanel);
    auto *outer = new QVBoxLayout(m_popup);
    outer->setContentsMargins(4, 4, 4, 4);
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    for (int i = 0; i < int(Palette.size()); ++i) {
        auto *cell = new QToolButton(m_popup);
        cell->setObjectName(QStringLiteral("Color%1").arg(i));
        cell->setIconSize(QSize(18, 18));
        cell->setIcon(swatch(Palette[i], QSize(18, 18)));
        cell->setAutoRaise(true);
        connect(cell, &QToolButton::clicked, this, [this, i] { ChooseIndex(i); });
        grid->addWidget(cell, i / Columns, i % Columns);
    }
    outer->addLayout(grid);
    auto *other = new QPushButton(tr("&Other"), m_popup);
    other->setObjectName(QStringLiteral("OtherButton"));
    connect(other, &QPushButton::clicked, this, &TColorButton::ChooseOther);
    outer->addWidget(other);
    return m_popup;
}

void TColorButton::ShowPalette()
{
    QFrame *popup = PalettePopup();
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
}

} // namespace cw::ui

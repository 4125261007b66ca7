#include "text/TGetSymbol.h"

#include "text/TTextDialogParts.h"
#include "text/TTextEditorsUi.h"
#include "text/model/TSymbolFonts.h"
#include "text/model/TTextFonts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw::ui {

using namespace cw::model;

TGetSymbol::TGetSymbol(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GetSymbol"));
    setWindowTitle(tr("Symbol Selector"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);

    m_listFont.Name = QStringLiteral("Wingdings");
    m_listFont.Height = -27;
    m_selectedFont.Name = QStringLiteral("Wingdings");
    m_selectedFont.Height = -24;
    m_selectedFont.Style = fsBold;

    auto *top = new QVBoxLayout(this);
    auto *topPanel = new QFrame(this);
    topPanel->setObjectName(QStringLiteral("TopPanel"));
    topPanel->setFrameShape(QFrame::Box);
    topPanel->setFixedHeight(37);
    auto *row = new QHBoxLayout(topPanel);
    row->setContentsMargins(6, 2, 6, 2);
    auto *label = new QLabel(tr("&Font"), topPanel);
    label->setObjectName(QStringLiteral("Label1"));
    m_fontButton = new QPushButton(topPanel);
    m_fontButton->setObjectName(QStringLiteral("Fontbutton"));
    m_fontButton->setFixedWidth(217);
    m_fontButton->setAutoDefault(false);
    label->setBuddy(m_fontButton);
    m_selectedChar = new QLabel(topPanel);
    m_selectedChar->setObjectName(QStringLiteral("SelectedChar"));
    m_selectedChar->setVisible(false);
    row->addWidget(label);
    row->addWidget(m_fontButton);
    row->addStretch();
    top->addWidget(topPanel);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("SymbolList"));
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    top->addWidget(m_list, 1);
    AddTextDialogButtons(*this, *top, HelpContext);

    AddWhatsThisMenu(*m_fontButton, tr("Chooses the font of the symbol."));
    AddWhatsThisMenu(*m_list, tr("Click the symbol to put on the card."));
    connect(m_fontButton, &QPushButton::clicked, this, &TGetSymbol::FontbuttonClick);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    FillList();
    setFixedSize(QSize(474, 327).expandedTo(minimumSizeHint()));
}

int TGetSymbol::ColumnCount(int points)
{
    if (points >= 6 && points <= 10)
        return 14;
    if (points >= 11 && points <= 20)
        return 10;
    if (points >= 21 && points <= 30)
        return 8;
    if (points >= 31 && points <= 40)
        return 6;
    if (points >= 41 && points <= 50)
        return 4;
    if (points >= 51 && points <= 60)
        return 3;
    if (points >= 61 && points <= 72)
        return 2;
    return 1;
}

QString TGetSymbol::FontButtonCaption(const TGFont &listFont)
{
    QString caption =
        listFont.Name + QStringLiteral(", ") + QString::number(listFont.PointSize()) + QStringLiteral("pt ");
    if (listFont.Style & fsItalic)
        caption += tr("Italic ");
    else if (listFont.Style & fsBold)
        caption += tr("Bold ");
    return caption;
}

void TGetSymbol::FillList()
{
    const int selected = SelectedEntry();
    m_list->clear();
    // The list shows the symbols as they will be drawn on the card, through
    // the symbol-font fallback when the font is not installed.
    const QFont base = m_listFont.ToQFont(1.0);
    const TSymbolFonts::TDisplay probe = TSymbolFonts::Resolve(base, m_listFont.Name, QString());
    m_list->setFont(probe.Font);
    QPalette pal = m_list->palette();
    pal.setColor(QPalette::Text, TGColor::ToQColor(m_listFont.Color));
    m_list->setPalette(pal);
    for (int i = 0; i < EntryCount; ++i) {
        const QString stored(TSymbolFonts::CharOfCode(i + FirstCode));
        auto *item = new QListWidgetItem(TSymbolFonts::Resolve(base, m_listFont.Name, stored).Text, m_list);
        item->setTextAlignment(Qt::AlignCenter);
    }
    if (selected >= 0)
        SelectEntry(selected);
    ApplyColumns();
}

void TGetSymbol::ApplyColumns()
{
    const int width = std::max(1, m_list->viewport()->width());
    m_list->setGridSize(QSize(std::max(1, width / std::max(1, m_columns)), 30));
}

void TGetSymbol::Open(const TGFont &font, int code)
{
    m_selectedFont = font;
    m_listFont.Name = font.Name;
    m_listFont.Style = font.Style;
    FillList();
    SelectEntry(code >= FirstCode && code < FirstCode + EntryCount ? code - FirstCode : -1);
    FormActivate();
}

void TGetSymbol::FormActivate()
{
    m_columns = ColumnCount(m_listFont.PointSize());
    ApplyColumns();
    m_fontButton->setText(FontButtonCaption(m_listFont));
}

void TGetSymbol::FontbuttonClick()
{
    if (std::optional<TGFont> chosen = ChooseDesignFont(m_selectedFont)) {
        m_selectedFont = *chosen;
        m_listFont.Name = m_selectedFont.Name;
        m_listFont.Style = m_selectedFont.Style;
        m_listFont.Color = m_selectedFont.Color;
        FillList();
    }
    FormActivate();
}

int TGetSymbol::SelectedEntry() const
{
    return m_list->currentRow() >= 0 && m_list->currentItem() && m_list->currentItem()->isSelected()
               ? m_list->currentRow()
               : -1;
}

void TGetSymbol::SelectEntry(int entry)
{
    if (entry < 0 || entry >= m_list->count()) {
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
        return;
    }
    m_list->setCurrentRow(entry);
    m_list->scrollToItem(m_list->item(entry));
}

void TGetSymbol::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TGetSymbol::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ApplyColumns();
}

std::optional<TTextEditors::TSymbolChoice> TGetSymbol::Execute(const TGFont &font, int code)
{
    TGetSymbol dialog(Interaction::mainWindow());
    dialog.Open(font, code);
    placeDialog(&dialog, nullptr);
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    // Ok without a symbol picked has nothing to give: the text stays as it
    // was rather than becoming the character of no entry.
    const int entry = dialog.SelectedEntry();
    if (entry < 0)
        return std::nullopt;
    return TTextEditors::TSymbolChoice{dialog.SelectedFont(), entry + FirstCode};
}

} // namespace cw::ui

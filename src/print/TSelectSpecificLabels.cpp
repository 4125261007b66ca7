#include "print/TSelectSpecificLabels.h"

#include "app/model/TCardLayout.h"

#include "help/HelpContext.h"
#include "print/TPrinterDialogs.h"
#include "print/engine/Units.h"
#include "print/printer/TReportPrinter.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace cw::ui {

namespace {

// The miniature sheet: paints the sheet and every shown position; a press
// switches the position under the mouse.
class MiniatureSheet : public QWidget
{
public:
    MiniatureSheet(TSelectSpecificLabels &dialog, QWidget *parent) : QWidget(parent), m_dialog(dialog)
    {
        setObjectName(QStringLiteral("PaintBox1"));
        setFixedSize(204, 237);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const model::TCardSelectionSheet &sheet = m_dialog.Sheet;
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRect(sheet.SheetRect().adjusted(0, 0, -1, -1));
        // Cards never draw beyond the paper; those that run off it, or into
        // the printer's unprintable margins, are hatched.
        painter.setClipRect(sheet.SheetRect());
        for (int k = 0; k < sheet.PositionCount(); ++k) {
            const QRect card = sheet.Rectangle(k).adjusted(0, 0, -1, -1);
            painter.setBrush(sheet.Selected[std::size_t(k)] ? QColor(0xFF, 0, 0) : QColor(Qt::white));
            painter.drawRect(card);
            if (sheet.OffThePage(k))
                painter.fillRect(card, QBrush(Qt::black, Qt::BDiagPattern));
        }
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        m_dialog.PaintBox1MouseDown(event->position().toPoint());
    }

private:
    TSelectSpecificLabels &m_dialog;
};

QFrame *Panel(QWidget *parent, const QString &heading, QVBoxLayout *&column)
{
    auto *panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);
    auto *title = new QLabel(heading, panel);
    title->setAlignment(Qt::AlignCenter);
    title->setAutoFillBackground(true);
    title->setBackgroundRole(QPalette::Highlight);
    title->setForegroundRole(QPalette::HighlightedText);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addWidget(title);
    return panel;
}

} // namespace

TSelectSpecificLabels::TSelectSpecificLabels(printer::TReportPrinter *printer, QWidget *parent)
    : QDialog(parent ? parent : Interaction::mainWindow()), m_printer(printer)
{
    setObjectName(QStringLiteral("TSelectSpecificLabels"));
    setWindowTitle(tr("Print Cards"));
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    auto *top = new QVBoxLayout(this);
    auto *panels = new QHBoxLayout;
    QVBoxLayout *left = nullptr;
    QFrame *leftPanel = Panel(this, tr(" Select Cards To Print"), left);
    PaintBox1 = new MiniatureSheet(*this, leftPanel);
    left->addWidget(PaintBox1, 0, Qt::AlignHCenter);
    auto *selectRow = new QHBoxLayout;
    auto *selectAll = new QPushButton(tr("&All"), leftPanel);
    selectAll->setObjectName(QStringLiteral("SelectAll"));
    auto *selectNone = new QPushButton(tr("&None"), leftPanel);
    selectNone->setObjectName(QStringLiteral("Selectnone"));
    for (QPushButton *b : {selectAll, selectNone}) {
        b->setAutoDefault(false);
        selectRow->addWidget(b);
    }
    left->addLayout(selectRow);
    OffPageNote =
        new QLabel(tr("Hatched cards run off the printable area of the page and print cut off."), leftPanel);
    OffPageNote->setObjectName(QStringLiteral("OffPageNote"));
    OffPageNote->setWordWrap(true);
    OffPageNote->setMaximumWidth(204);
    OffPageNote->hide();
    left->addWidget(OffPageNote);
    panels->addWidget(leftPanel);

    auto *right = new QVBoxLayout;
    QVBoxLayout *printerColumn = nullptr;
    QFrame *printerPanel = Panel(this, tr("Printer"), printerColumn);
    PrinterLabel = new QLabel(printerPanel);
    PrinterLabel->setObjectName(QStringLiteral("PrinterLabel"));
    PrinterLabel->setWordWrap(true);
    PrinterLabel->setMinimumSize(184, 35);
    printerColumn->addWidget(PrinterLabel);
    auto *setup = PrinterSetupButton = new QPushButton(tr("Print &Setup"), printerPanel);
    setup->setObjectName(QStringLiteral("PrinterSetupButton"));
    setup->setAutoDefault(false);
    setup->setMinimumSize(112, 35);
    printerColumn->addWidget(setup, 0, Qt::AlignHCenter);
    printerColumn->addStretch();
    right->addWidget(printerPanel, 175);

    QVBoxLayout *pagesColumn = nullptr;
    QFrame *pagesPanel = Panel(this, tr("Pages"), pagesColumn);
    auto *pagesLabel = new QLabel(tr("Number of &pages:"), pagesPanel);
    pages = new QSpinBox(pagesPanel);
    pages->setObjectName(QStringLiteral("pages"));
    pages->setRange(1, 99);
    pages->setValue(1);
    pagesLabel->setBuddy(pages);
    auto *pagesRow = new QHBoxLayout;
    pagesRow->addWidget(pagesLabel);
    pagesRow->addWidget(pages);
    pagesColumn->addLayout(pagesRow);
    pagesColumn->addStretch();
    right->addWidget(pagesPanel, 106);
    panels->addLayout(right);
    top->addLayout(panels);

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    auto *help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("Helpbutton"));
    auto *whatsThis = new QToolButton(this);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(tr("What's this?"));
    for (QPushButton *b : {cancel, help})
        b->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(whatsThis);
    top->addLayout(buttons);

    connect(selectAll, &QPushButton::clicked, this, &TSelectSpecificLabels::SelectAllClick);
    connect(selectNone, &QPushButton::clicked, this, &TSelectSpecificLabels::SelectnoneClick);
    connect(setup, &QPushButton::clicked, this, &TSelectSpecificLabels::PrinterSetupButtonClick);
    connect(ok, &QPushButton::clicked, this, &TSelectSpecificLabels::OKbuttonClick);
    connect(cancel, &QPushButton::clicked, this, &TSelectSpecificLabels::CancelButtonClick);
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(HelpContext); });
    connect(whatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    Sheet.PixelsPerInch = cw::ScreenPixelsPerInch;
    PrinterLabel->setText(PrinterText());
    resize(std::max(442, sizeHint().width()), std::max(361, sizeHint().height()));
    placeDialog(this, Interaction::mainWindow());
}

void TSelectSpecificLabels::SetSheet(int paperSize, const model::TCardSelection &selected, double cardHeight,
                                     double cardWidth, int across, int down, double topMargin,
                                     double leftMargin, double horizontalPitch, double verticalPitch)
{
    SetSheet(model::TCardLayout::SheetSizeInches(paperSize), selected, cardHeight, cardWidth, across, down,
             topMargin, leftMargin, horizontalPitch, verticalPitch);
}

void TSelectSpecificLabels::SetSheet(const QSizeF &sheetInches, const model::TCardSelection &selected,
                                     double cardHeight, double cardWidth, int across, int down,
                                     double topMargin, double leftMargin, double horizontalPitch,
                                     double verticalPitch)
{
    Sheet.SheetSize = sheetInches;
    Sheet.Selected = selected;
    Sheet.CardHeight = cardHeight;
    Sheet.CardWidth = cardWidth;
    Sheet.Across = across;
    Sheet.Down = down;
    Sheet.TopMargin = topMargin;
    Sheet.LeftMargin = leftMargin;
    Sheet.HorizontalPitch = horizontalPitch;
    Sheet.VerticalPitch = verticalPitch;
    Sheet.Unprintable = m_printer && m_printer->OutputFileName().isEmpty()
                            ? QMarginsF(m_printer->UnprintableLeft(), m_printer->UnprintableTop(),
                                        m_printer->UnprintableRight(), m_printer->UnprintableBottom())
                            : QMarginsF();
    Sheet.DetermineRectangles();
    // The miniature grows with the paper (an A3 sheet is larger than the box
    // the dialog always had), so the whole sheet shows.
    const QRect paper = Sheet.SheetRect();
    PaintBox1->setFixedSize(std::max(204, paper.right() + 1 + model::TCardSelectionSheet::Offset),
                            std::max(237, paper.bottom() + 1 + model::TCardSelectionSheet::Offset));
    OffPageNote->setVisible(Sheet.AnyOffThePage());
    PaintBox1->update();
}

int TSelectSpecificLabels::Pages() const
{
    return pages->value();
}
void TSelectSpecificLabels::SetPages(int value)
{
    pages->setValue(value);
}

QString TSelectSpecificLabels::PrinterText() const
{
    return m_printer ? m_printer->PrinterName() : QString();
}

void TSelectSpecificLabels::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated)
        FormActivate();
}

void TSelectSpecificLabels::FormActivate()
{
    m_activated = true;
    Sheet.DetermineRectangles();
    PaintBox1->update();
}

void TSelectSpecificLabels::PaintBox1MouseDown(const QPoint &pos)
{
    for (int k : Sheet.Toggle(pos))
        if (k >= 0)
            PaintBox1->update(Sheet.Rectangle(k));
}

void TSelectSpecificLabels::SelectAllClick()
{
    Sheet.SelectAll(true);
    for (int k = 0; k < Sheet.PositionCount(); ++k)
        PaintBox1->update(Sheet.Rectangle(k));
}

void TSelectSpecificLabels::SelectnoneClick()
{
    Sheet.SelectAll(false);
    for (int k = 0; k < Sheet.PositionCount(); ++k)
        PaintBox1->update(Sheet.Rectangle(k));
}

void TSelectSpecificLabels::HidePrinterSetup()
{
    m_printerSetupHidden = true;
    PrinterSetupButton->hide();
}

bool TSelectSpecificLabels::PrinterSetupShown() const
{
    return !m_printerSetupHidden;
}

void TSelectSpecificLabels::PrinterSetupButtonClick()
{
    if (m_printerSetupHidden)
        return;
    if (m_printer)
        TPrinterDialogs::PrinterSetup(*m_printer);
    PrinterLabel->setText(PrinterText());
}

void TSelectSpecificLabels::OKbuttonClick()
{
    const bool any = Sheet.AnySelected();
    if (!any)
        Interaction::current().information(tr("You must select at least one card to print"));
    if (m_printer) {
        m_printer->SetOrientation(engine::TOrientation::poPortrait);
        m_printer->SetCopies(pages->value());
    }
    if (any)
        accept();
}

void TSelectSpecificLabels::CancelButtonClick()
{
    reject();
}

void TSelectSpecificLabels::keyPressEvent(QKeyEvent *event)
{
    // The dialog sees keys before its controls.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OKbuttonClick();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        CancelButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace cw::ui

#include "app/TEditCardLayout.h"

#include "app/TCardStockFinder.h"
#include "help/HelpContext.h"
#include "widgets/Interaction.h"
#include "widgets/TNumEdit.h"
#include "widgets/WhatsThisMenu.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <algorithm>

namespace cw::ui {

TEditCardLayout::TEditCardLayout(QWidget *parent) : QDialog(parent)
{
    // FormCreate: the first activation is still to come (m_firstActivation).
    setObjectName(QStringLiteral("EditCardLayout"));
    setWindowTitle(tr("Business Card Layout"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    setHelpTexts();
    setFixedSize(sizeHint().expandedTo(QSize(416, 327)));
}

TNumEdit *TEditCardLayout::lengthEdit(const char *name)
{
    auto *edit = new TNumEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDecimals(0, 3); // "#0.###", six digits in all
    edit->setSignificantDigits(6);
    edit->setMaximum(model::TCardLayout::MaxLength);
    return edit;
}

void TEditCardLayout::buildControls()
{
    auto *top = new QVBoxLayout(this);

    m_finder = new TCardStockFinder(this);
    m_finder->OnPick = [this](const model::TCardStock &stock) { PickStock(stock); };
    m_finder->CurrentLayout = [this] {
        readControls();
        return Layout();
    };
    top->addWidget(m_finder);

    auto *predefinedLabel = new QLabel(tr("Predefined Layouts"), this);
    m_predefined = new QComboBox(this);
    m_predefined->setObjectName(QStringLiteral("PredefinedLayouts"));
    m_predefined->addItems(model::TCardLayout::PredefinedLayoutNames());
    m_predefined->setMaxVisibleItems(model::TCardLayout::PredefinedCount);
    // The closed list fits the dialog; the open list shows the whole names.
    m_predefined->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_predefined->setMinimumContentsLength(30);
    m_predefined->view()->setMinimumWidth(m_predefined->view()->sizeHintForColumn(0) + 24);
    predefinedLabel->setBuddy(m_predefined);
    top->addWidget(predefinedLabel);
    top->addWidget(m_predefined);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    top->addWidget(line);

    m_inches = new QRadioButton(tr("Use &Inches"), this);
    m_inches->setObjectName(QStringLiteral("Inchesbutton"));
    m_inches->setChecked(true);
    m_mm = new QRadioButton(tr("Use &Millimeters"), this);
    m_mm->setObjectName(QStringLiteral("MMButton"));
    auto *units = new QHBoxLayout;
    units->addWidget(m_inches);
    units->addWidget(m_mm);
    units->addStretch();
    top->addLayout(units);

    m_width = lengthEdit("eCardwidth");
    m_height = lengthEdit("eCardHeight");
    m_hpitch = lengthEdit("eHorizPitch");
    m_vpitch = lengthEdit("eVertPitch");
    m_leftMargin = lengthEdit("eleftmarg");
    m_topMargin = lengthEdit("etopmarg");
    m_across = new QSpinBox(this);
    m_across->setObjectName(QStringLiteral("enbracross"));
    m_across->setRange(1, model::TCardLayout::MaxAcross);
    m_down = new QSpinBox(this);
    m_down->setObjectName(QStringLiteral("enbrdown"));
    m_down->setRange(1, model::TCardLayout::MaxDown);

    // Labels above their controls, four to a row.
    auto *grid = new QGridLayout;
    const auto place = [this, grid](const QString &caption, QWidget *control, int row, int column) {
        auto *label = new QLabel(caption, this);
        label->setObjectName(control->objectName() + QStringLiteral("Label"));
        label->setBuddy(control);
        grid->addWidget(label, row, column);
        grid->addWidget(control, row + 1, column);
    };
    place(tr("Card Width"), m_width, 0, 0);
    place(tr("Card Height"), m_height, 0, 1);
    place(tr("Horizontal Pitch"), m_hpitch, 0, 2);
    place(tr("Vertical Pitch"), m_vpitch, 0, 3);
    place(tr("# across"), m_across, 2, 0);
    place(tr("# down"), m_down, 2, 1);
    place(tr("Left Margin"), m_leftMargin, 2, 2);
    place(tr("Top Margin"), m_topMargin, 2, 3);
    top->addLayout(grid);
    auto *paperLabel = new QLabel(tr("Paper size"), this);
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("epapersize"));
    // The lines follow TCardLayout::PaperCodes(); the empty last line keeps
    // whatever code the layout had.
    m_paper->addItems({tr("Letter (8.5 x 11\")"), tr("A4 (210 x 297mm)"), tr("A3 (297 x 420mm)"),
                       tr("A5 (148 x 210mm)"), tr("Legal (8.5 x 14\")"), tr("Custom size"), QString()});
    paperLabel->setBuddy(m_paper);
    m_paperWidth = lengthEdit("epaperwidth");
    m_paperHeight = lengthEdit("epaperheight");
    grid->addWidget(paperLabel, 4, 0, 1, 2);
    grid->addWidget(m_paper, 5, 0, 1, 2);
    place(tr("Paper Width"), m_paperWidth, 4, 2);
    place(tr("Paper Height"), m_paperHeight, 4, 3);
    paperChanged();
    top->addStretch();

    m_ok = new QPushButton(tr("Ok"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancelbutton"));
    m_help = new QPushButton(tr("Help"), this);
    m_help->setObjectName(QStringLiteral("HelpButton"));
    m_help->setAutoDefault(false);
    m_whatsThis = new QToolButton(this);
    m_whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    m_whatsThis->setText(QStringLiteral("?"));
    m_whatsThis->setToolTip(tr("What's this?"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    buttons->addWidget(m_whatsThis);
    top->addLayout(buttons);

    // The change handler runs only when the user picks a line.
    connect(m_predefined, &QComboBox::activated, this, [this] { PredefinedLayoutsChange(); });
    connect(m_inches, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            InchesbuttonClick();
    });
    connect(m_mm, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            MMButtonClick();
    });
    connect(m_paper, &QComboBox::currentIndexChanged, this, [this] { paperChanged(); });
    connect(m_width, &QLineEdit::editingFinished, this, &TEditCardLayout::eCardwidthExit);
    connect(m_height, &QLineEdit::editingFinished, this, &TEditCardLayout::eCardHeightExit);
    connect(m_ok, &QPushButton::clicked, this, &TEditCardLayout::OKButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &TEditCardLayout::CancelbuttonClick);
    connect(m_help, &QPushButton::clicked, this, &TEditCardLayout::HelpButtonClick);
    connect(m_whatsThis, &QToolButton::clicked, this, &TEditCardLayout::MouseHelpButtonClick);
}

std::array<TNumEdit *, 8> TEditCardLayout::lengthEdits() const
{
    return {m_height, m_width, m_topMargin, m_leftMargin, m_hpitch, m_vpitch, m_paperWidth, m_paperHeight};
}

std::array<float *, 8> TEditCardLayout::lengthValues()
{
    return {&m_layout.Height, &m_layout.Width,  &m_layout.TopMargin,  &m_layout.LeftMargin,
            &m_layout.HPitch, &m_layout.VPitch, &m_layout.PaperWidth, &m_layout.PaperHeight};
}

bool TEditCardLayout::Execute(model::TCardLayout &layout)
{
    TEditCardLayout dialog(Interaction::mainWindow());
    dialog.SetLayout(layout);
    // Filled in before it runs (the service places and shows it), so a
    // scripted run sees what the user would.
    dialog.FormActivate();
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    const model::TCardLayout result = dialog.Layout();
    layout.PredefLayout = result.PredefLayout;
    layout.Papersize = result.Papersize;
    layout.Height = result.Height;
    layout.Width = result.Width;
    layout.Across = result.Across;
    layout.Down = result.Down;
    layout.TopMargin = result.TopMargin;
    layout.LeftMargin = result.LeftMargin;
    layout.HPitch = result.HPitch;
    layout.VPitch = result.VPitch;
    layout.UseMM = result.UseMM;
    layout.PaperWidth = result.PaperWidth;
    layout.PaperHeight = result.PaperHeight;
    layout.StockKey = result.StockKey;
    return true;
}

void TEditCardLayout::SetLayout(const model::TCardLayout &layout)
{
    {
        // Only the check mark: the edits are filled at the first activation.
        const QSignalBlocker blockInches(m_inches);
        const QSignalBlocker blockMM(m_mm);
        (layout.UseMM ? m_mm : m_inches)->setChecked(true);
    }
    m_layout = layout;
}

model::TCardLayout TEditCardLayout::Layout() const
{
    model::TCardLayout layout = m_layout;
    layout.UseMM = m_mm->isChecked();
    return layout;
}

void TEditCardLayout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TEditCardLayout::FormActivate()
{
    if (!m_firstActivation)
        return;
    // A stored index outside the list selects no line.
    const int index = m_layout.PredefLayout;
    m_predefined->setCurrentIndex(index >= 0 && index < m_predefined->count() ? index : -1);
    FillEditsFromValues();
    m_firstActivation = false;
}

void TEditCardLayout::FillEditsFromValues()
{
    const auto edits = lengthEdits();
    const auto values = lengthValues();
    for (std::size_t i = 0; i < edits.size(); ++i)
        edits[i]->setValue(*values[i]);
    m_showingMM = false; // the edits hold inches now
    m_across->setValue(m_layout.Across);
    m_down->setValue(m_layout.Down);
    const auto &codes = model::TCardLayout::PaperCodes();
    const auto code = std::find(codes.begin(), codes.end(), m_layout.Papersize);
    if (code != codes.end())
        m_paper->setCurrentIndex(int(code - codes.begin()));
    if (m_mm->isChecked())
        MMButtonClick();
}

void TEditCardLayout::PredefinedLayoutsChange()
{
    if (m_firstActivation)
        return;
    if (m_layout.ApplyPredefined(m_predefined->currentIndex())) {
        m_layout.StockKey.clear();
        FillEditsFromValues();
    }
}

void TEditCardLayout::MMButtonClick()
{
    // The edits already show millimetres: converting again would multiply
    // every length by 25.4 a second time.
    if (m_showingMM)
        return;
    const auto edits = lengthEdits();
    const auto values = lengthValues();
    for (std::size_t i = 0; i < edits.size(); ++i) {
        *values[i] = static_cast<float>(edits[i]->value());
        edits[i]->setValue(0.0);
        edits[i]->setDecimals(2, 2);
        edits[i]->setSignificantDigits(0);
        edits[i]->setMaximum(double(model::TCardLayout::MaxLength) * 25.4);
        edits[i]->setValue(double(*values[i]) * 25.4);
    }
    m_showingMM = true;
}

void TEditCardLayout::InchesbuttonClick()
{
    if (!m_showingMM)
        return;
    const auto edits = lengthEdits();
    const auto values = lengthValues();
    for (std::size_t i = 0; i < edits.size(); ++i) {
        *values[i] = static_cast<float>(edits[i]->value() * InchesPerMillimetre);
        edits[i]->setValue(0.0);
        edits[i]->setDecimals(1, 3); // "#0.0##", six digits in all
        edits[i]->setSignificantDigits(6);
        edits[i]->setMaximum(model::TCardLayout::MaxLength);
        edits[i]->setValue(*values[i]);
    }
    m_showingMM = false;
}

void TEditCardLayout::eCardwidthExit()
{
    if (m_width->value() > m_hpitch->value())
        m_hpitch->setValue(m_width->value());
}

void TEditCardLayout::eCardHeightExit()
{
    if (m_height->value() > m_vpitch->value())
        m_vpitch->setValue(m_height->value());
}

void TEditCardLayout::OKButtonClick()
{
    readControls();
    forgetChangedStock();
    if (ValidCard())
        accept();
}

void TEditCardLayout::readControls()
{
    FormActivate(); // a dialog run without being shown is filled in first
    m_layout.Down = m_down->value();
    m_layout.Across = m_across->value();
    m_layout.PredefLayout = m_predefined->currentIndex();

    const auto edits = lengthEdits();
    const auto values = lengthValues();
    for (std::size_t i = 0; i < edits.size(); ++i) {
        if (m_showingMM) {
            // Millimetres become inches kept to three decimals.
            const double inches = edits[i]->value() * InchesPerMillimetre;
            *values[i] = static_cast<float>(QString::number(inches, 'f', 3).toDouble());
        } else {
            *values[i] = static_cast<float>(edits[i]->value());
        }
    }

    const int line = m_paper->currentIndex();
    const auto &codes = model::TCardLayout::PaperCodes();
    if (line >= 0 && line < int(codes.size()))
        m_layout.Papersize = codes[std::size_t(line)];
    if (m_layout.Papersize != model::TCardLayout::PaperCustom) {
        m_layout.PaperWidth = 0.0f;
        m_layout.PaperHeight = 0.0f;
    }
}

bool TEditCardLayout::ValidCard()
{
    using model::TCardLayout;
    const auto values = lengthValues();
    const bool tooLong = std::any_of(values.begin(), values.end(),
                                     [](const float *inches) { return *inches > TCardLayout::MaxLength; });
    QString problem;
    if (m_layout.Height < TCardLayout::MinHeight)
        problem = tr("Card Height must be at least .3 inches (or 7mm)");
    else if (m_layout.Width < TCardLayout::MinWidth)
        problem = tr("Card Width must be at least .5 inch (or 13mm)");
    else if (m_layout.Across >= 2 && m_layout.HPitch < m_layout.Width)
        problem = tr("Horizontal Pitch must be at least = Card Width");
    else if (m_layout.Down >= 2 && m_layout.VPitch < m_layout.Height)
        problem = tr("Vertical Pitch must be at least = Card Height");
    else if (tooLong)
        // The settings file keeps no longer length, so none is taken here.
        problem = tr("Sizes, pitches and margins must be at most %1 inches (or %2mm)")
                      .arg(double(TCardLayout::MaxLength))
                      .arg(double(TCardLayout::MaxLength) * 25.4);
    else if (m_layout.Papersize == TCardLayout::PaperCustom &&
             (m_layout.PaperWidth < 1.0f || m_layout.PaperHeight < 1.0f))
        problem = tr("A custom paper must be at least 1 inch (or 25.4mm) wide and high");
    if (problem.isEmpty())
        return true;
    Interaction::current().information(problem);
    return false;
}

void TEditCardLayout::CancelbuttonClick()
{
    reject();
}

void TEditCardLayout::HelpButtonClick()
{
    showHelpContext(HelpContext);
}

void TEditCardLayout::MouseHelpButtonClick()
{
    QWhatsThis::enterWhatsThisMode();
}

void TEditCardLayout::WhatsthisMenuItemClick(QWidget *control)
{
    ShowWhatsThisFor(control, this);
}

void TEditCardLayout::contextMenuEvent(QContextMenuEvent *event)
{
    ExecWhatsThisMenu(this, event);
}

} // namespace cw::ui

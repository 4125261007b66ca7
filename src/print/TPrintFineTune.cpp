#include "print/TPrintFineTune.h"

#include "help/HelpContext.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace cw::ui {

namespace {

struct PanelText
{
    const char *heading;
    const char *valueLabel;
    const char *spinner;
    const char *explanation;
};

const PanelText kPanels[] = {
    {QT_TRANSLATE_NOOP("cw::ui::TPrintFineTune", "Top Margin nudge"), "lTopMarginNudge", "TopMarginSpinner",
     QT_TRANSLATE_NOOP("cw::ui::TPrintFineTune",
                       "Increase or decrease to adjust where vertical printing starts. ")},
    {QT_TRANSLATE_NOOP("cw::ui::TPrintFineTune", "Left Margin nudge"), "LLeftMarginNudge",
     "LeftMarginSpinner",
     QT_TRANSLATE_NOOP("cw::ui::TPrintFineTune",
                       "Increase or decrease to adjust where horizontal printing starts. ")},
    {QT_TRANSLATE_NOOP("cw::ui::TPrintFineTune", "Vertical Spacing"), "LVerticalSpacing",
     "VerticalSpacingSpinner",
     QT_TRANSLATE_NOOP(
         "cw::ui::TPrintFineTune",
         "Increase or decrease to adjust vertical spacing between cards.( You may need to adjust this if "
         "printing "
         "\"creeps\" between the top and bottom cards.)")},
    {QT_TRANSLATE_NOOP("cw::ui::TPrintFineTune", "Horizontal Spacing"), "LHorizontalSpacing",
     "HorizontalSpacingSpinner",
     QT_TRANSLATE_NOOP("cw::ui::TPrintFineTune",
                       "Increase or decrease to adjust horizontal spacing between cards ")},
};

} // namespace

TPrintFineTune::TPrintFineTune(QWidget *parent) : QDialog(parent ? parent : Interaction::mainWindow())
{
    setObjectName(QStringLiteral("TPrintFineTune"));
    setWindowTitle(tr("Printer Fine-Tuning"));
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    m_values = model::PrinterNudges();

    auto *top = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const PanelText &panelText = kPanels[i];
        auto *panel = new QFrame(this);
        panel->setFrameShape(QFrame::Box);
        panel->setLineWidth(2);
        panel->setMinimumSize(222, 135);
        auto *column = new QVBoxLayout(panel);
        auto *heading = new QLabel(tr(panelText.heading), panel);
        heading->setAlignment(Qt::AlignCenter);
        heading->setAutoFillBackground(true);
        heading->setBackgroundRole(QPalette::Highlight);
        heading->setForegroundRole(QPalette::HighlightedText);
        column->addWidget(heading);

        auto *row = new QHBoxLayout;
        auto *spinner = new QWidget(panel);
        spinner->setObjectName(QString::fromLatin1(panelText.spinner));
        auto *arrows = new QVBoxLayout(spinner);
        arrows->setContentsMargins(0, 0, 0, 0);
        arrows->setSpacing(0);
        auto *up = new QToolButton(spinner);
        up->setArrowType(Qt::UpArrow);
        up->setObjectName(QString::fromLatin1(panelText.spinner) + QStringLiteral("Up"));
        auto *down = new QToolButton(spinner);
        down->setArrowType(Qt::DownArrow);
        down->setObjectName(QString::fromLatin1(panelText.spinner) + QStringLiteral("Down"));
        for (QToolButton *b : {up, down}) {
            b->setFixedSize(23, 19);
            arrows->addWidget(b);
        }
        const auto which = static_cast<TNudge>(i);
        connect(up, &QToolButton::clicked, this, [this, which] { SpinnerUpClick(which); });
        connect(down, &QToolButton::clicked, this, [this, which] { SpinnerDownClick(which); });
        row->addWidget(spinner);
        auto *value = new QLabel(panel);
        value->setObjectName(QString::fromLatin1(panelText.valueLabel));
        QFont bold = value->font();
        bold.setBold(true);
        bold.setPointSize(12);
        value->setFont(bold);
        row->addWidget(value, 1);
        column->addLayout(row);
        m_labels[std::size_t(i)] = value;

        auto *explanation = new QLabel(tr(panelText.explanation), panel);
        explanation->setWordWrap(true);
        explanation->setMinimumHeight(61);
        explanation->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        column->addWidget(explanation);
        grid->addWidget(panel, i / 2, i % 2);
    }
    top->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    auto *defaults = new QPushButton(tr("Default"), this);
    defaults->setObjectName(QStringLiteral("DefaultButton"));
    auto *help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("Helpbutton"));
    auto *whatsThis = new QToolButton(this);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(tr("What's this?"));
    for (QPushButton *b : {cancel, defaults, help})
        b->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(whatsThis);
    top->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &TPrintFineTune::OKButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TPrintFineTune::CancelbuttonClick);
    connect(defaults, &QPushButton::clicked, this, &TPrintFineTune::DefaultButtonClick);
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(HelpContext); });
    connect(whatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    ShowValues();
    resize(std::max(480, sizeHint().width()), std::max(347, sizeHint().height()));
    placeDialog(this, Interaction::mainWindow());
}

QString TPrintFineTune::NudgeText(int nudge)
{
    if (nudge < 0)
        return tr("Decrease by %1/32\"").arg(-nudge);
    if (nudge == 0)
        return tr("None");
    return tr("Increase by %1/32\"").arg(nudge);
}

int &TPrintFineTune::ValueRef(TNudge which)
{
    switch (which) {
    case TopMargin:
        return m_values.TopMarginNudge;
    case LeftMargin:
        return m_values.LeftMarginNudge;
    case VerticalSpacing:
        return m_values.VerticalSpacing;
    case HorizontalSpacing:
        break;
    }
    return m_values.HorizontalSpacing;
}

int TPrintFineTune::Value(TNudge which) const
{
    return const_cast<TPrintFineTune *>(this)->ValueRef(which);
}

QString TPrintFineTune::ValueText(TNudge which) const
{
    return m_labels[std::size_t(which)]->text();
}

void TPrintFineTune::SpinnerDownClick(TNudge which)
{
    int &value = ValueRef(which);
    if (value < MaxNudge)
        ++value;
    ShowValues();
}

void TPrintFineTune::SpinnerUpClick(TNudge which)
{
    int &value = ValueRef(which);
    if (value > -MaxNudge)
        --value;
    ShowValues();
}

void TPrintFineTune::DefaultButtonClick()
{
    // The back side's registration has a dialog of its own and stays.
    const model::TBackRegistration back = m_values.Back;
    m_values = model::TPrinterNudges();
    m_values.Back = back;
    ShowValues();
}

void TPrintFineTune::OKButtonClick()
{
    model::PrinterNudges() = m_values;
    accept();
}

void TPrintFineTune::ShowValues()
{
    for (int i = 0; i < 4; ++i)
        m_labels[std::size_t(i)]->setText(NudgeText(Value(static_cast<TNudge>(i))));
}

} // namespace cw::ui

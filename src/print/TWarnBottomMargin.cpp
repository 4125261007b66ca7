#include "print/TWarnBottomMargin.h"

#include "help/HelpContext.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace cw::ui {

TWarnBottomMargin::TWarnBottomMargin(QWidget *parent)
    : QDialog(parent ? parent : Interaction::mainWindow(),
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TWarnBottomMargin"));
    setWindowTitle(QStringLiteral("ALERT"));
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPointSize(10);

    auto *top = new QVBoxLayout(this);
    top->setContentsMargins(19, 10, 19, 8);
    auto label = [this, &labelFont, top](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        if (name)
            l->setObjectName(QString::fromLatin1(name));
        l->setFont(labelFont);
        l->setWordWrap(true);
        top->addWidget(l);
        return l;
    };
    BotMarg = label("BotMarg", tr("Business Cards need to print to within 0.5 inches of the bottom, but "
                                  "the current printer has a bottom margin setting of :"));
    Difference = label("Difference", tr("This could result in the bottom of the last two business "
                                        "cards being cut off by approximately:"));
    label(nullptr, tr("If your printer driver supports it, you could change the bottom margin to 0.5 "
                      "inches. Otherwise, you should design your cards so that the bottom portion of "
                      "the cards is not used."));
    QLabel *note = label(nullptr, tr("(Note: some printers, including some of the HP Deskjet series, "
                                     "cannot print beyond a 0.66 inch bottom margin)"));
    QFont italic = labelFont;
    italic.setItalic(true);
    note->setFont(italic);
    DontShowCheck = new QCheckBox(tr("Don't show this warning again"), this);
    DontShowCheck->setObjectName(QStringLiteral("DontShowCheck"));
    DontShowCheck->setFont(labelFont);
    top->addWidget(DontShowCheck);
    top->addStretch();

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("Continue"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setMinimumSize(107, 35);
    auto *cancel = new QPushButton(tr("Cancel Printing"), this);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    cancel->setAutoDefault(false);
    cancel->setMinimumSize(106, 35);
    auto *help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("Helpbutton"));
    help->setAutoDefault(false);
    auto *whatsThis = new QToolButton(this);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(tr("What's this?"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(whatsThis);
    top->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &TWarnBottomMargin::OKButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TWarnBottomMargin::CancelbuttonClick);
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(HelpContext); });
    connect(whatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    setFixedWidth(498);
    setFixedHeight(std::max(273, heightForWidth(498) > 0 ? heightForWidth(498) : sizeHint().height()));
    placeDialog(this, Interaction::mainWindow());
}

bool TWarnBottomMargin::Needed(double bottomMarginInches, const model::TCardSelection &selected,
                               bool showWarning)
{
    return bottomMarginInches > 0.5 && selected[8] && selected[9] && showWarning;
}

QString TWarnBottomMargin::InchesText(double inches)
{
    return QLatin1Char(' ') + QLocale().toString(inches, 'f', 3) + QStringLiteral(" inches");
}

void TWarnBottomMargin::SetMargin(double bottomMarginInches)
{
    BotMarg->setText(BotMarg->text() + InchesText(bottomMarginInches));
    Difference->setText(Difference->text() + InchesText(bottomMarginInches - 0.5));
}

bool TWarnBottomMargin::DontShowAgain() const
{
    return DontShowCheck->isChecked();
}
void TWarnBottomMargin::SetDontShowAgain(bool on)
{
    DontShowCheck->setChecked(on);
}
QString TWarnBottomMargin::BotMargText() const
{
    return BotMarg->text();
}
QString TWarnBottomMargin::DifferenceText() const
{
    return Difference->text();
}

} // namespace cw::ui

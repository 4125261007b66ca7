#include "app/TPersonalInformation.h"

#include "help/HelpContext.h"
#include "widgets/Interaction.h"
#include "widgets/WhatsThisMenu.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace cw::ui {

namespace {
struct Field
{
    const char *caption;
    const char *name;
    const char *help;
};
constexpr Field Fields[10] = {
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Name"), "pPersonalName",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Your name as it should appear on your cards.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Company"), "pPersonalCompany",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "The name of your company or organisation.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Title"), "pPersonalTitle",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Your job title.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Address 1"), "pPersonalAddress1",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "The first line of your address.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Address 2"), "pPersonalAddress2",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "The second line of your address.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Address 3"), "pPersonalAddress3",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "The third line of your address.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Phone 1"), "pPersonalPhone1",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Your main telephone number.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Phone 2"), "pPersonalPhone2",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Another telephone number, for example a mobile.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "E-mail"), "pPersonalEmail",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Your e-mail address.")},
    {QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Fax"), "pPersonalFax",
     QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", "Your fax number.")}};
// How these texts are used, for every field.
constexpr const char *FieldUse =
    QT_TRANSLATE_NOOP("cw::ui::TPersonalInformation", " Text fields on a card can be filled with it.");
} // namespace

TPersonalInformation::TPersonalInformation(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PersonalInformation"));
    setWindowTitle(tr("Personal Information"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    auto *top = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    for (int i = 0; i < 10; ++i) {
        auto *label = new QLabel(tr(Fields[i].caption), this);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(Fields[i].name));
        edit->setFixedWidth(301);
        edit->setWhatsThis(tr(Fields[i].help) + tr(FieldUse));
        label->setWhatsThis(edit->whatsThis());
        label->setBuddy(edit);
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
        m_edits[i] = edit;
    }
    top->addLayout(grid);
    top->addStretch();

    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    auto *help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    help->setAutoDefault(false);
    auto *whatsThis = new QToolButton(this);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(tr("What's this?"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addWidget(whatsThis);
    top->addLayout(buttons);

    ok->setWhatsThis(tr("Click to keep these texts."));
    cancel->setWhatsThis(tr("Click to cancel and return to the previous screen"));
    help->setWhatsThis(tr("Click to bring up the help for this window"));
    whatsThis->setWhatsThis(tr("Click here, then click any item of this window to see what it is for."));

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TPersonalInformation::HelpButtonClick);
    connect(whatsThis, &QToolButton::clicked, this, &TPersonalInformation::MouseHelpButtonClick);

    setFixedSize(sizeHint().expandedTo(QSize(404, 355)));
}

bool TPersonalInformation::Execute(Texts &texts)
{
    TPersonalInformation dialog(Interaction::mainWindow());
    dialog.SetTexts(texts); // the service places and shows it
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    texts = dialog.GetTexts();
    return true;
}

void TPersonalInformation::SetTexts(const Texts &texts)
{
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->setText(texts[i]);
}

TPersonalInformation::Texts TPersonalInformation::GetTexts() const
{
    Texts texts;
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        texts[i] = m_edits[i]->text();
    return texts;
}

void TPersonalInformation::HelpButtonClick()
{
    showHelpContext(HelpContext);
}

void TPersonalInformation::MouseHelpButtonClick()
{
    QWhatsThis::enterWhatsThisMode();
}

void TPersonalInformation::WhatsthisMenuItemClick(QWidget *control)
{
    ShowWhatsThisFor(control, this);
}

void TPersonalInformation::contextMenuEvent(QContextMenuEvent *event)
{
    ExecWhatsThisMenu(this, event);
}

} // namespace cw::ui

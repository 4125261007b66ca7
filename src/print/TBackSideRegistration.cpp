#include "print/TBackSideRegistration.h"

#include "app/model/TPreferences.h"
#include "widgets/Interaction.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace cw::ui {

TBackSideRegistration::TBackSideRegistration(QWidget *parent)
    : QDialog(parent ? parent : Interaction::mainWindow())
{
    setObjectName(QStringLiteral("TBackSideRegistration"));
    setWindowTitle(tr("Back Side Registration"));
    auto *column = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Print the registration test page, hold it against the light and move "
                                "the backs until each cross on the back lies on the cross in front of "
                                "it.  Offsets are in 1/32 inch, as the back page is looked at."),
                             this);
    intro->setWordWrap(true);
    column->addWidget(intro);
    auto *form = new QFormLayout;
    m_binding = new QComboBox(this);
    m_binding->setObjectName(QStringLiteral("BindingBox"));
    m_binding->addItem(tr("Long edge (turned like a book page)"));
    m_binding->addItem(tr("Short edge (turned like a notepad)"));
    form->addRow(tr("Sheets turn over on the:"), m_binding);
    auto spin = [this](const char *name) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(-model::TBackRegistration::MaxOffset, model::TBackRegistration::MaxOffset);
        box->setSuffix(QStringLiteral("/32\""));
        return box;
    };
    m_horizontal = spin("HorizontalOffset");
    m_vertical = spin("VerticalOffset");
    form->addRow(tr("Move the backs right by:"), m_horizontal);
    form->addRow(tr("Move the backs down by:"), m_vertical);
    column->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancelbutton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TBackSideRegistration::OKButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    SetValues(model::PrinterNudges().Back);
}

model::TBackRegistration TBackSideRegistration::Values() const
{
    return {m_binding->currentIndex() == 1 ? model::TBinding::ShortEdge : model::TBinding::LongEdge,
            m_horizontal->value(), m_vertical->value()};
}

void TBackSideRegistration::SetValues(const model::TBackRegistration &values)
{
    m_binding->setCurrentIndex(values.Binding == model::TBinding::ShortEdge ? 1 : 0);
    m_horizontal->setValue(values.Horizontal);
    m_vertical->setValue(values.Vertical);
}

void TBackSideRegistration::OKButtonClick()
{
    model::PrinterNudges().Back = Values();
    accept();
}

} // namespace cw::ui

#include "text/TGetBCLabelText.h"

#include "text/TTextDialogParts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace cw::ui {

TGetBCLabelText::TGetBCLabelText(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GetBCLabelText"));
    setWindowTitle(tr("Text"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);

    auto *top = new QVBoxLayout(this);
    auto *label1 = new QLabel(tr("Enter Text"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    m_labelText = new QLineEdit(this);
    m_labelText->setObjectName(QStringLiteral("LabelText"));
    m_labelText->setFixedWidth(321);
    label1->setBuddy(m_labelText);
    AddWhatsThisMenu(*m_labelText, tr("Type the text of the label."));
    auto *label2 = new QLabel(tr("or select personal information"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("PersonalInfoCombo"));
    m_combo->setEditable(false);
    m_combo->setFixedWidth(204);
    label2->setBuddy(m_combo);
    top->addWidget(label1);
    top->addWidget(m_labelText);
    top->addWidget(label2);
    top->addWidget(m_combo);
    top->addStretch();
    AddTextDialogButtons(*this, *top, HelpContext);
    connect(m_combo, &QComboBox::activated, this, &TGetBCLabelText::PersonalInfoComboClick);
    m_labelText->setFocus();
    setFixedSize(sizeHint().expandedTo(QSize(334, 164)));
}

void TGetBCLabelText::SetValues(const QString &text, const QStringList &personalInfo)
{
    m_labelText->setText(text);
    m_labelText->selectAll();
    m_combo->clear();
    for (const QString &value : personalInfo)
        if (!value.isEmpty())
            m_combo->addItem(value);
    m_combo->setCurrentIndex(-1);
    m_combo->setEnabled(m_combo->count() > 0);
}

void TGetBCLabelText::PersonalInfoComboClick(int index)
{
    if (index >= 0 && index < m_combo->count())
        m_labelText->setText(m_combo->itemText(index));
}

std::optional<QString> TGetBCLabelText::Execute(const QString &text, const QStringList &personalInfo)
{
    TGetBCLabelText dialog(Interaction::mainWindow());
    dialog.SetValues(text, personalInfo);
    placeDialog(&dialog, Interaction::mainWindow());
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_labelText->text();
}

} // namespace cw::ui

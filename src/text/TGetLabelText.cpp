#include "text/TGetLabelText.h"

#include "text/TTextDialogParts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace cw::ui {

TGetLabelText::TGetLabelText(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GetLabelText"));
    setWindowTitle(tr("Text"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);

    auto *top = new QVBoxLayout(this);
    auto *label = new QLabel(tr("Enter Text"), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_labelText = new QLineEdit(this);
    m_labelText->setObjectName(QStringLiteral("LabelText"));
    m_labelText->setFixedWidth(321);
    label->setBuddy(m_labelText);
    AddWhatsThisMenu(*m_labelText, tr("Type the text of the label."));
    top->addWidget(label);
    top->addWidget(m_labelText);
    top->addStretch();
    AddTextDialogButtons(*this, *top, HelpContext);
    m_labelText->setFocus();
    setFixedSize(sizeHint().expandedTo(QSize(356, 133)));
}

std::optional<QString> TGetLabelText::Execute(const QString &text)
{
    TGetLabelText dialog(Interaction::mainWindow());
    dialog.m_labelText->setText(text);
    dialog.m_labelText->selectAll();
    placeDialog(&dialog, Interaction::mainWindow());
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_labelText->text();
}

} // namespace cw::ui

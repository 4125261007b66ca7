#include "merge/TMergeMappingDialog.h"

#include "widgets/Interaction.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw::ui {

TMergeMappingDialog::TMergeMappingDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MergeMappingDialog"));
    setWindowTitle(tr("Merge Field Mapping"));
    auto *top = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    const QStringList names{tr("Name"),      tr("Company"), tr("Title"),   tr("Address 1"), tr("Address 2"),
                            tr("Address 3"), tr("Phone 1"), tr("Phone 2"), tr("EMail"),     tr("Fax")};
    for (int field = 0; field < model::TMergeMapping::FieldCount; ++field) {
        auto *box = new QComboBox(this);
        box->setObjectName(QStringLiteral("Field%1").arg(field));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumWidth(220);
        m_boxes[std::size_t(field)] = box;
        form->addRow(names[field] + QLatin1Char(':'), box);
    }
    top->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TMergeMappingDialog::OKButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    top->addWidget(buttons);
}

QString TMergeMappingDialog::NoColumn()
{
    return tr("(none)");
}

void TMergeMappingDialog::SetMapping(const model::TMergeTable &table, const model::TMergeMapping &mapping)
{
    m_table = &table;
    for (int field = 0; field < model::TMergeMapping::FieldCount; ++field) {
        QComboBox *box = m_boxes[std::size_t(field)];
        box->clear();
        box->addItem(NoColumn());
        box->addItems(table.Columns);
        const QStringList &columns = mapping.Columns[std::size_t(field)];
        box->setCurrentText(columns.isEmpty() ? NoColumn() : columns.join(QLatin1Char('+')));
    }
}

bool TMergeMappingDialog::Mapping(model::TMergeMapping &mapping, QString *message) const
{
    model::TMergeMapping result;
    for (int field = 0; field < model::TMergeMapping::FieldCount; ++field) {
        QString text = m_boxes[std::size_t(field)]->currentText().trimmed();
        if (text == NoColumn())
            text.clear();
        if (!result.Assign(model::TMergeMapping::FieldNames()[field] + QLatin1Char('=') + text, message,
                           m_table))
            return false;
    }
    mapping = result;
    return true;
}

void TMergeMappingDialog::OKButtonClick()
{
    model::TMergeMapping mapping;
    QString message;
    if (!Mapping(mapping, &message)) {
        Interaction::current().information(message);
        return;
    }
    accept();
}

} // namespace cw::ui

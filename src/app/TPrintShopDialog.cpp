#include "app/TPrintShopDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw::ui {

TPrintShopDialog::TPrintShopDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintShopDialog"));
    setWindowTitle(tr("Export for Print Shop"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    BleedEdit = new QDoubleSpinBox(this);
    BleedEdit->setObjectName(QStringLiteral("BleedEdit"));
    BleedEdit->setRange(0.0, model::TPrintShopOptions::MaxBleedMm);
    BleedEdit->setDecimals(1);
    BleedEdit->setSingleStep(0.5);
    BleedEdit->setSuffix(tr(" mm"));
    BleedEdit->setToolTip(tr("How far the background and the objects at the card's edge run on beyond "
                             "the cut"));
    CropMarksCheck = new QCheckBox(tr("&Crop marks"), this);
    CropMarksCheck->setObjectName(QStringLiteral("CropMarksCheck"));
    CropMarksCheck->setToolTip(tr("Short lines outside the bleed that show where to cut"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Bleed:"), BleedEdit);
    form->addRow(QString(), CropMarksCheck);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetOptions(model::TPrintShopOptions());
}

model::TPrintShopOptions TPrintShopDialog::Options() const
{
    model::TPrintShopOptions options;
    options.BleedMm = BleedEdit->value();
    options.CropMarks = CropMarksCheck->isChecked();
    return options;
}

void TPrintShopDialog::SetOptions(const model::TPrintShopOptions &options)
{
    BleedEdit->setValue(options.BleedMm);
    CropMarksCheck->setChecked(options.CropMarks);
}

} // namespace cw::ui

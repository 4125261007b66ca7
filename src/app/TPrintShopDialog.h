#pragma once
// "Export for Print Shop": the bleed around the card, in millimetres (what
// print shops ask for, 3 mm by default), and whether crop marks show where
// to cut.

#include "print/model/TPrintShopOptions.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;

namespace cw::ui {

class TPrintShopDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TPrintShopDialog(QWidget *parent = nullptr);

    model::TPrintShopOptions Options() const;
    void SetOptions(const model::TPrintShopOptions &options);

    QDoubleSpinBox *BleedEdit = nullptr;
    QCheckBox *CropMarksCheck = nullptr;
};

} // namespace cw::ui

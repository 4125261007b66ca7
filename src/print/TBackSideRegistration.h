#pragma once
// The "Back Side Registration" dialog: how the backs of double-sided cards
// are put behind their fronts — the edge the sheet turns over (a duplex
// printer's binding, or how the user turns the stack) and the back-side
// offset in 1/32 inch each way, positive to the right and down as the back
// page is looked at.  It edits a copy of the program's values; OK makes them
// the program's (the caller saves the settings), Cancel changes nothing.

#include "print/model/TBackRegistration.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace cw::ui {

class TBackSideRegistration : public QDialog
{
    Q_OBJECT

public:
    explicit TBackSideRegistration(QWidget *parent = nullptr);

    // The values the controls show.
    model::TBackRegistration Values() const;
    void SetValues(const model::TBackRegistration &values);
    void OKButtonClick();

private:
    QComboBox *m_binding = nullptr;
    QSpinBox *m_horizontal = nullptr;
    QSpinBox *m_vertical = nullptr;
};

} // namespace cw::ui

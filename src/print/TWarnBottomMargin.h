#pragma once
// The "ALERT" dialog: the printer cannot print close enough to the bottom of
// the sheet, so the last cards may be cut off.  "Continue" prints anyway,
// "Cancel Printing" stops the print command; "Don't show this warning again"
// turns the warning off for good, whichever button closes the dialog.

#include "print/model/TCardSelection.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;

namespace cw::ui {

class TWarnBottomMargin : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 2105;

    explicit TWarnBottomMargin(QWidget *parent = nullptr);

    // The warning applies when the printer's unprintable bottom margin
    // exceeds half an inch, positions 9 and 10 (flags 8 and 9) are both
    // selected whatever the layout, and the warning is switched on.
    static bool Needed(double bottomMarginInches, const model::TCardSelection &selected, bool showWarning);
    // " 0.660 inches": a blank, the inches with three decimals in the
    // system's notation, and " inches".
    static QString InchesText(double inches);

    // Appends the margin to BotMarg and the margin less half an inch to
    // Difference.
    void SetMargin(double bottomMarginInches);

    bool DontShowAgain() const;
    void SetDontShowAgain(bool on);
    QString BotMargText() const;
    QString DifferenceText() const;

    void OKButtonClick() { accept(); }
    void CancelbuttonClick() { reject(); }

private:
    QLabel *BotMarg = nullptr;
    QLabel *Difference = nullptr;
    QCheckBox *DontShowCheck = nullptr;
};

} // namespace cw::ui

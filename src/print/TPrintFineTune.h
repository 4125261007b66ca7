#pragma once
// The "Printer Fine-Tuning" dialog: the four printer nudges in steps of 1/32
// inch, each between -8 and 8.  The dialog edits copies of the program's
// nudges; OK makes them the program's nudges (the caller saves the settings),
// Cancel changes nothing.

#include "app/model/TPreferences.h"

#include <QDialog>
#include <array>

class QLabel;
class QToolButton;

namespace cw::ui {

class TPrintFineTune : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 2103;
    static constexpr int MaxNudge = 8;

    enum TNudge { TopMargin, LeftMargin, VerticalSpacing, HorizontalSpacing };

    explicit TPrintFineTune(QWidget *parent = nullptr);

    // "Decrease by 3/32"" for -3, "None" for 0, "Increase by 5/32"" for 5.
    static QString NudgeText(int nudge);

    const model::TPrinterNudges &Values() const { return m_values; }
    int Value(TNudge which) const;
    QString ValueText(TNudge which) const;

    // Lower button: +1 up to 8.  Upper button: -1 down to -8.
    void SpinnerDownClick(TNudge which);
    void SpinnerUpClick(TNudge which);
    void DefaultButtonClick();
    void OKButtonClick();
    void CancelbuttonClick() { reject(); }
    void ShowValues();

private:
    int &ValueRef(TNudge which);

    model::TPrinterNudges m_values;
    std::array<QLabel *, 4> m_labels{};
};

} // namespace cw::ui

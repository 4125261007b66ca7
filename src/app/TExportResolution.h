#pragma once
// "Picture Resolution": how sharp an exported card picture is.  Screen
// (96 dots per inch, the card as the design surface shows it at 100 %),
// 300 dpi for print, or 600 dpi for fine print.  The choice is kept in the
// settings file and offered again next time.

#include <QDialog>

class QRadioButton;

namespace cw::ui {

class TExportResolution : public QDialog
{
    Q_OBJECT

public:
    explicit TExportResolution(QWidget *parent = nullptr);

    // The chosen dots per inch (96, 300 or 600).
    int Dpi() const;
    // Checks the button of that resolution (the screen for any other value).
    void SetDpi(int dpi);

    // The resolution chosen last time (the screen when none or unknown).
    static int RememberedDpi();
    static void RememberDpi(int dpi);

    QRadioButton *ScreenButton = nullptr;
    QRadioButton *PrintButton = nullptr;
    QRadioButton *FineButton = nullptr;
};

} // namespace cw::ui

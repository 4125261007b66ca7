#pragma once
// The "Print Cards" dialog: which card positions of the sheet to print (a
// miniature sheet at 20 % with red positions that print and white ones that
// do not; a click switches one), how many sheets (1 to 99), and the printer.
// OK needs at least one shown position selected; in every case it hands the
// number of sheets to the print engine as its copies, portrait.

#include "print/model/TCardSelectionSheet.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace cw::printer {
class TReportPrinter;
}

namespace cw::ui {

class TSelectSpecificLabels : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 2020;

    // printer: the main window's print engine object (not owned; may be null,
    // then no printer name is shown and nothing is handed over).
    explicit TSelectSpecificLabels(printer::TReportPrinter *printer, QWidget *parent = nullptr);

    // The hand-over: the sheet's size in inches, the selection and the
    // layout (inches, without nudges).  The miniature draws that sheet.
    void SetSheet(const QSizeF &sheetInches, const model::TCardSelection &selected, double cardHeight,
                  double cardWidth, int across, int down, double topMargin, double leftMargin,
                  double horizontalPitch, double verticalPitch);
    // The same with the sheet of a paper code (TCardLayout::SheetSizeInches).
    void SetSheet(int paperSize, const model::TCardSelection &selected, double cardHeight, double cardWidth,
                  int across, int down, double topMargin, double leftMargin, double horizontalPitch,
                  double verticalPitch);
    const model::TCardSelection &Selected() const { return Sheet.Selected; }
    int Pages() const;
    void SetPages(int pages);

    model::TCardSelectionSheet Sheet;

    void FormActivate();
    void PaintBox1MouseDown(const QPoint &pos);
    void SelectAllClick();
    void SelectnoneClick();
    void PrinterSetupButtonClick();
    void OKbuttonClick();
    void CancelButtonClick();
    QString PrinterText() const;
    // For an engine object that writes a file of its own (a PDF sheet):
    // there is no printer to set up, so "Print Setup" is hidden and does
    // nothing.
    void HidePrinterSetup();
    bool PrinterSetupShown() const;

    QWidget *PaintBox() const { return PaintBox1; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *PaintBox1 = nullptr;
    QLabel *PrinterLabel = nullptr;
    QLabel *OffPageNote = nullptr; // shown when a card runs off the page
    QPushButton *PrinterSetupButton = nullptr;
    bool m_printerSetupHidden = false;
    QSpinBox *pages = nullptr;
    printer::TReportPrinter *m_printer = nullptr;
    bool m_activated = false;
};

} // namespace cw::ui

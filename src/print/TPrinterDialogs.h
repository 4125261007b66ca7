#pragma once
// The system's print dialog for a printer report, in two uses: printer setup
// (the printer, its paper source and driver options) and the print dialog of
// the outline test page (also copies and page range).  They live in the
// widgets layer so the printer library needs no QtWidgets; both run through
// the interaction service, so commands using them are testable.
//
// A card sheet decides its paper size, orientation and placement itself:
// the dialog does not offer paper size, margins or pages per sheet, shows
// the orientation disabled, and printer setup offers neither copies (Print
// Cards asks for the number of sheets) nor page ranges.

class QPrintDialog;

namespace cw::printer {
class TReportPrinter;
}

namespace cw::ui {

class TPrinterDialogs
{
public:
    // Printer setup: true on OK, after which the printer chosen is the one
    // every report prints on, with the driver options chosen for it, and
    // the report's device metrics are that printer's.
    static bool PrinterSetup(printer::TReportPrinter &report);
    // Print dialog with copies and page range: true on OK, after which the
    // report's Copies and page range are the ones chosen (pages 1 to 9999
    // when the whole range was chosen).
    static bool PrintDialog(printer::TReportPrinter &report);

    // Hides or disables what a card sheet cannot honour, in the dialog and
    // in the printer properties window it opens; `setup`: printer setup.
    static void RestrictToCardSheet(QPrintDialog &dialog, bool setup);
};

} // namespace cw::ui

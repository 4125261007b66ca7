#pragma once
// The system's printer-setup and print dialogs for a printer report.  They
// live in the widgets layer so the printer library needs no QtWidgets; both
// run through the interaction service, so commands using them are testable.

namespace cw::printer {
class TReportPrinter;
}

namespace cw::ui {

class TPrinterDialogs
{
public:
    // Printer setup (paper, printer): true on OK, after which the report's
    // shared printer settings and device metrics follow the choice.
    static bool PrinterSetup(printer::TReportPrinter &report);
    // Print dialog with copies and page range: true on OK, after which the
    // report's Copies and page range are the ones chosen (pages 1 to 9999
    // when the whole range was chosen).
    static bool PrintDialog(printer::TReportPrinter &report);
};

} // namespace cw::ui

#include "print/TPrinterDialogs.h"

#include "print/printer/TReportPrinter.h"
#include "widgets/Interaction.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace cw::ui {

bool TPrinterDialogs::PrinterSetup(printer::TReportPrinter &report)
{
    report.RefreshDeviceMetrics(); // the dialog starts from the shared settings
    QPageSetupDialog dialog(&report.Printer(), Interaction::mainWindow());
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    report.AdoptPrinterSettings();
    return true;
}

bool TPrinterDialogs::PrintDialog(printer::TReportPrinter &report)
{
    report.RefreshDeviceMetrics();
    QPrinter &printer = report.Printer();
    printer.setCopyCount(report.Copies());
    printer.setFromTo(0, 0);
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, Interaction::mainWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, 9999);
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    report.AdoptPrinterSettings();
    return true;
}

} // namespace cw::ui

// Printing both sides of the card: the back pages of Print, Preview and
// Save Sheet As PDF, a duplex printer or two passes with the stack turned
// over in between, and the registration test page.

#include "app/TMainScreen.h"

#include "app/model/Exception.h"
#include "app/model/TPreferences.h"
#include "print/TBackSideRegistration.h"
#include "print/TLabelPrinter.h"
#include "print/TPrinterDialogs.h"
#include "print/model/TLabelPrintSetup.h"
#include "widgets/Interaction.h"

namespace cw::ui {

using model::TTwoSidedSheet;
using TPages = model::TTwoSidedSheet::TPages;

void TMainScreen::prepareBackPages(TLabelPrinter &dialog)
{
    // The outline test page shows where the fronts go; a one-sided card
    // prints as it always did.
    if (PrintTestPage || (!m_registrationTest && !HasBack()))
        return;
    model::TLabelPrintSettings &front = dialog.Job.Settings;
    dialog.BackJob.emplace();
    dialog.BackJob->Settings =
        TTwoSidedSheet::BackSettings(front, Layout().SheetSizeInches(), model::PrinterNudges().Back);
    dialog.BackJob->Settings.BackgroundFile = SideBackgroundFile(model::TCardSide::Back);
    dialog.Pages = m_sidePass;
    if (!m_registrationTest)
        return;
    for (model::TLabelPrintJob *job : {&dialog.Job, &*dialog.BackJob}) {
        job->Settings.BackgroundFile.clear();
        const double width = job->Settings.CardWidth;
        const double height = job->Settings.CardHeight;
        job->PrintObjects = [width, height](engine::TBaseReport &report, double x, double y) {
            TTwoSidedSheet::PrintRegistrationMark(report, x, y, width, height);
        };
    }
}

void TMainScreen::printSheets()
{
    if (!ReportPrinter)
        return;
    printer::TReportPrinter &engine = *ReportPrinter;
    if (!m_registrationTest && !HasBack()) {
        DoPrint(engine);
        return;
    }
    const model::TBackRegistration &back = model::PrinterNudges().Back;
    const bool longEdge = back.Binding == model::TBinding::LongEdge;
    struct Reset
    {
        TMainScreen &w;
        ~Reset()
        {
            w.m_sidePass = TPages::Both;
            if (w.ReportPrinter)
                w.ReportPrinter->SetSides(QString());
        }
    } reset{*this};
    if (engine.SupportsDuplex()) {
        // The printer turns each sheet itself: front page, back page.
        engine.SetSides(longEdge ? QStringLiteral("two-sided-long-edge")
                                 : QStringLiteral("two-sided-short-edge"));
        m_sidePass = TPages::Both;
        DoPrint(engine);
        return;
    }
    m_sidePass = TPages::FrontsOnly;
    if (!DoPrint(engine))
        return;
    const QString how =
        longEdge ? tr("Take the printed sheets and, keeping their order, turn the stack over from left to "
                      "right, like the page of a book: the top edge stays the edge that goes into the "
                      "printer first.")
                 : tr("Take the printed sheets and, keeping their order, turn the stack over from top to "
                      "bottom, like the page of a notepad: the bottom edge now goes into the printer "
                      "first.");
    if (!Interaction::current().question(
            tr("The fronts are printed.\n\n%1\nPut the stack back into the paper tray so that the printer "
               "prints on the blank side.\n\nPrint the backs now?")
                .arg(how),
            tr("Print Both Sides")))
        return;
    m_sidePass = TPages::BacksOnly;
    DoPrint(engine);
}

void TMainScreen::mnuPrintRegistrationTestPageClick()
{
    if (!ReportPrinter)
        return;
    m_registrationTest = true;
    struct Reset
    {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{m_registrationTest};
    PrintToPrinter = true;
    PrintTestPage = false;
    m_panel->setPreviewing(false);
    const bool wasBusy = Busy;
    Busy = true;
    try {
        model::TLabelPrintSetup::SetPaper(*ReportPrinter, Layout());
        if (TPrinterDialogs::PrintDialog(*ReportPrinter)) {
            model::TLabelPrintSetup::SetPaper(*ReportPrinter, Layout());
            printSheets();
        }
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
    }
    Busy = wasBusy;
}

void TMainScreen::mnuBackSideRegistrationClick()
{
    TBackSideRegistration dialog(this);
    if (Interaction::current().exec(dialog) == QDialog::Accepted)
        SavePreferences();
}

} // namespace cw::ui

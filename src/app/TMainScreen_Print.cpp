// The print commands of the main window: print, preview, printer setup, fine
// tuning, the outline test page and saving the sheet as a PDF file, and the
// hand-over to the card selection, the bottom-margin warning, the print
// status dialog and the preview window.

#include "app/TMainScreen.h"

#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "merge/TMergeController.h"
#include "print/TLabelPrinter.h"
#include "print/TPreviewForm.h"
#include "print/TPrintFineTune.h"
#include "print/TPrinterDialogs.h"
#include "print/TSelectSpecificLabels.h"
#include "print/TWarnBottomMargin.h"
#include "print/model/TLabelPrintSetup.h"
#include "print/model/TSheetFit.h"
#include "print/printer/TReportPrinter.h"
#include "widgets/Interaction.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QPushButton>

namespace cw::ui {

namespace {

// Runs one print command and shows the failure it may raise.  The window
// is busy meanwhile: a card file handed over by another start waits until
// the command has ended, also between its dialogs.
template <typename F> void guardedPrint(bool &busy, F &&f)
{
    struct BusyWhile
    {
        bool &flag;
        const bool was = flag;
        ~BusyWhile() { flag = was; }
    } busyWhile{busy};
    busy = true;
    try {
        f();
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
    }
}

// The printer chosen in Printer Setup (or Print Cards' "Print Setup") is
// kept in the settings for the next start.
void rememberPrinter(TMainScreen &w)
{
    const QString chosen = printer::TReportPrinter::ChosenPrinter();
    if (w.Preferences.PrinterName == chosen)
        return;
    w.Preferences.PrinterName = chosen;
    w.SavePreferences();
}

// A chosen printer that has left the system: the default printer serves
// from now on, and the user is told which printer went and which one
// prints instead.
void fallBackFromVanishedPrinter(TMainScreen &w)
{
    const QString gone = printer::TReportPrinter::ForgetVanishedPrinter();
    if (gone.isEmpty())
        return;
    const QString instead = w.ReportPrinter ? w.ReportPrinter->PrinterName() : QString();
    Interaction::current().information(
        instead.isEmpty()
            ? TMainScreen::tr("The printer %1 is no longer installed, and there is no other printer.")
                  .arg(gone)
            : TMainScreen::tr(
                  "The printer %1 is no longer installed.\nCards now print on the default printer %2.")
                  .arg(gone, instead));
    rememberPrinter(w);
}

} // namespace

void TMainScreen::connectPrintCommands()
{
    connect(mnuPrint, &QAction::triggered, this, &TMainScreen::mnuPrintClick);
    connect(mnuPreview, &QAction::triggered, this, &TMainScreen::mnuPreviewClick);
    connect(mnuPrinterSetup, &QAction::triggered, this, &TMainScreen::mnuPrinterSetupClick);
    connect(mnuPrinterFineTuning, &QAction::triggered, this, &TMainScreen::mnuPrinterFineTuningClick);
    connect(mnuPrintOutlineTestPage, &QAction::triggered, this, &TMainScreen::mnuPrintOutlineTestPageClick);
    connect(mnuPrintRegistrationTestPage, &QAction::triggered, this,
            &TMainScreen::mnuPrintRegistrationTestPageClick);
    connect(mnuBackSideRegistration, &QAction::triggered, this, &TMainScreen::mnuBackSideRegistrationClick);
    connect(mnuSaveSheetAsPdf, &QAction::triggered, this, &TMainScreen::mnuSaveSheetAsPdfClick);
    connect(PrintButton, &QPushButton::clicked, this, &TMainScreen::mnuPrintClick);
    connect(Previewbutton, &QPushButton::clicked, this, &TMainScreen::mnuPreviewClick);
}

void TMainScreen::CreateReportPrinter()
{
    // The printer chosen in an earlier session, when it is still there.
    printer::TReportPrinter::ChoosePrinter(Preferences.PrinterName);
    if (!ReportPrinter)
        ReportPrinter = std::make_unique<printer::TReportPrinter>();
    guardedPrint(Busy, [this] { fallBackFromVanishedPrinter(*this); });
    ReportPrinter->RefreshDeviceMetrics();
}

void TMainScreen::mnuPrintClick()
{
    if (!ReportPrinter)
        return;
    guardedPrint(Busy, [this] {
        PrintToPrinter = true;
        model::TLabelPrintSetup::SetPaper(*ReportPrinter, Layout());
        ReportPrinter->SetPageRange(1, 9999);
        m_panel->setPreviewing(false);
        PrintTestPage = false;
        fallBackFromVanishedPrinter(*this);
        const bool confirmed = DoPageSetup();
        rememberPrinter(*this); // "Print Setup" may have chosen another printer
        if (!confirmed)
            return;
        ReportPrinter->RefreshDeviceMetrics();
        QApplication::processEvents();
        const double bottom = ReportPrinter->UnprintableBottom();
        if (TWarnBottomMargin::Needed(bottom, SelectedCards, Preferences.ShowBottomMarginWarning)) {
            TWarnBottomMargin warning(this);
            warning.SetMargin(bottom);
            const int result = Interaction::current().exec(warning);
            if (warning.DontShowAgain()) {
                Preferences.ShowBottomMarginWarning = false;
                SavePreferences();
            }
            if (result != QDialog::Accepted)
                return;
        }
        if (!ConfirmCardsOffThePage(*ReportPrinter))
            return;
        printSheets();
    });
}

bool TMainScreen::ConfirmCardsOffThePage(printer::TReportPrinter &engine)
{
    model::TLabelPrintSettings s = model::TLabelPrintSetup::FromLayout(Layout(), model::PrinterNudges());
    s.Selection = SelectedCards;
    // The bottom margin has a warning of its own (which the user may have
    // switched off): this question speaks of the other three and the paper.
    const QMarginsF unprintable =
        engine.OutputFileName().isEmpty()
            ? QMarginsF(engine.UnprintableLeft(), engine.UnprintableTop(), engine.UnprintableRight(), 0)
            : QMarginsF();
    const std::vector<int> off =
        model::TSheetFit::CardsOffThePage(s, Layout().SheetSizeInches(), unprintable);
    if (off.empty())
        return true;
    const QString cards = off.size() == 1 ? tr("Card %1 runs").arg(off.front())
                                          : tr("Cards %1 run").arg(model::TSheetFit::PositionList(off));
    return Interaction::current().question(
        tr("%1 off the printable area of the page and would print cut off.\n\nPrint anyway?").arg(cards),
        tr("Print Cards"));
}

void TMainScreen::mnuPreviewClick()
{
    guardedPrint(Busy, [this] {
        // The preview is recorded, not printed: without a printer an engine
        // object of its own hands the layout's paper to the job.
        std::unique_ptr<printer::TReportPrinter> own;
        printer::TReportPrinter *engine = ReportPrinter.get();
        if (!engine) {
            own = std::make_unique<printer::TReportPrinter>();
            engine = own.get();
        }
        PrintToPrinter = false;
        model::TLabelPrintSetup::SetPaper(*engine, Layout());
        m_panel->setPreviewing(true);
        PrintTestPage = false;
        DoPrint(*engine);
    });
}

void TMainScreen::mnuPrinterSetupClick()
{
    if (!ReportPrinter)
        return;
    guardedPrint(Busy, [this] {
        fallBackFromVanishedPrinter(*this);
        if (TPrinterDialogs::PrinterSetup(*ReportPrinter))
            rememberPrinter(*this);
    });
}

void TMainScreen::mnuPrinterFineTuningClick()
{
    if (!ReportPrinter)
        return;
    TPrintFineTune dialog(this);
    if (Interaction::current().exec(dialog) == QDialog::Accepted)
        SavePreferences();
}

void TMainScreen::mnuPrintOutlineTestPageClick()
{
    if (!ReportPrinter)
        return;
    guardedPrint(Busy, [this] {
        PrintToPrinter = true;
        PrintTestPage = true;
        // The outlines are held against the card stock: they go on the
        // layout's paper, whatever paper the queue picked in the dialog
        // starts with.
        model::TLabelPrintSetup::SetPaper(*ReportPrinter, Layout());
        fallBackFromVanishedPrinter(*this);
        if (!TPrinterDialogs::PrintDialog(*ReportPrinter))
            return;
        rememberPrinter(*this);
        model::TLabelPrintSetup::SetPaper(*ReportPrinter, Layout());
        DoPrint();
    });
}

void TMainScreen::mnuSaveSheetAsPdfClick()
{
    guardedPrint(Busy, [this] {
        const QString path = sheetPdfFileName();
        if (path.isEmpty())
            return;
        // An engine object of its own writes the file: the command needs no
        // printer, and the main window's printer keeps its settings.
        printer::TReportPrinter pdf;
        pdf.SetOutputFileName(path);
        model::TLabelPrintSetup::SetPaper(pdf, Layout());
        pdf.SetPageRange(1, 9999);
        PrintToPrinter = true;
        PrintTestPage = false;
        m_panel->setPreviewing(false);
        if (!DoPageSetup(&pdf) || !ConfirmCardsOffThePage(pdf))
            return;
        // The file that was there stays as it was unless the whole sheet was
        // written.  The status dialog ends the command: it names the file,
        // or shows that the job failed.
        DoPrint(pdf);
    });
}

// The PDF file the user names; ".pdf" is added when the name lacks it.  The
// proposal is the card's own name and folder, or the Saved folder for a card
// that has no file yet.
QString TMainScreen::sheetPdfFileName()
{
    QString proposed;
    if (FileName.isEmpty()) {
        proposed = model::ProgramFolder::file(QStringLiteral("Saved/BusinessCards.pdf"));
    } else {
        const QFileInfo card(FileName);
        proposed = card.absolutePath() + QLatin1Char('/') + card.completeBaseName() + QStringLiteral(".pdf");
    }
    QString path = Interaction::current().saveFileName(tr("Save Sheet As PDF"), proposed,
                                                       tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

bool TMainScreen::DoPageSetup()
{
    return DoPageSetup(ReportPrinter.get());
}

bool TMainScreen::DoPageSetup(printer::TReportPrinter *engine)
{
    const model::TCardLayout &layout = Layout();
    TSelectSpecificLabels dialog(engine, this);
    if (engine && engine != ReportPrinter.get())
        dialog.HidePrinterSetup(); // a file of its own: no printer to set up
    if (engine)
        engine->RefreshDeviceMetrics(); // the margins the miniature marks cards by
    dialog.SetSheet(layout.SheetSizeInches(), SelectedCards, layout.Height, layout.Width, layout.Across,
                    layout.Down, layout.TopMargin, layout.LeftMargin, layout.HPitch, layout.VPitch);
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    SelectedCards = dialog.Selected();
    return true;
}

void TMainScreen::DoPrint()
{
    if (ReportPrinter)
        DoPrint(*ReportPrinter);
}

bool TMainScreen::DoPrint(printer::TReportPrinter &engine)
{
    // The design prints at 100 %; the zoom comes back also when printing fails.
    const float zoom = m_panel->Zoom();
    auto setZoom = [this](float factor) {
        const bool wasBusy = Busy;
        Busy = true;
        m_panel->SetZoom(factor);
        QApplication::processEvents();
        Busy = wasBusy;
    };
    struct ZoomBack
    {
        std::function<void()> restore;
        ~ZoomBack() { restore(); }
    } zoomBack{[&setZoom, zoom, this] {
        if (m_panel->Zoom() != zoom)
            setZoom(zoom);
    }};
    setZoom(1.0f);

    QByteArray previewData;
    QBuffer previewStream(&previewData);
    bool showPreview = false;
    bool completed = false;
    {
        TLabelPrinter dialog(this);
        dialog.Surface = m_panel;
        model::TLabelPrintSettings &s = dialog.Job.Settings;
        s = model::TLabelPrintSetup::FromLayout(Layout(), model::PrinterNudges());
        s.SheetCount = engine.Copies();
        engine.SetCopies(1);
        s.Selection = SelectedCards;
        s.PrintTestPage = PrintTestPage;
        s.BackgroundFile = SideBackgroundFile(model::TCardSide::Front);
        s.PrintToPrinter = PrintToPrinter;
        if (!PrintTestPage)
            Merge->PreparePrint(dialog.Job);
        prepareBackPages(dialog);
        // The paper the command set on its engine is the one the sheet
        // has, in the preview too.
        if (engine.PaperSize() == model::TCardLayout::PaperCustom)
            dialog.JobReport().SetPaperSize(engine.PaperSize(), engine.PageWidth(), engine.PageHeight());
        else
            dialog.JobReport().SetPaperSize(engine.PaperSize());
        if (PrintToPrinter) {
            // The file output and page range belong to the engine object the
            // command chose (a print dialog's "print to file", a PDF sheet):
            // hand them on.
            printer::TReportPrinter &job = dialog.LabelReportPrinter();
            job.SetOutputFileName(engine.OutputFileName());
            job.SetPageRange(engine.FirstPage(), engine.LastPage());
            job.SetSides(engine.Sides());
        }
        dialog.Prepare(PrintToPrinter ? nullptr : &previewStream);
        Interaction::current().exec(dialog);
        completed = dialog.Finished() && !dialog.Aborted() && dialog.Failure().isEmpty();
        // A failed or aborted preview shows no preview window.
        showPreview = !PrintToPrinter && completed;
    }
    // The surface shows the record it showed before the job.
    Merge->ShowCurrent();
    if (showPreview) {
        TPreviewForm preview(this);
        preview.setWindowTitle(tr("Preview Business Cards"));
        preview.SetStream(&previewStream);
        Interaction::current().exec(preview);
    }
    return completed;
}

} // namespace cw::ui

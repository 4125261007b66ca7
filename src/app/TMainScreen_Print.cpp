// The print commands of the main window: print, preview, printer setup, fine
// tuning and the outline test page, and the hand-over to the card selection,
// the bottom-margin warning, the print status dialog and the preview window.

#include "app/TMainScreen.h"

#include "app/model/Exception.h"
#include "print/TLabelPrinter.h"
#include "print/TPreviewForm.h"
#include "print/TPrintFineTune.h"
#include "print/TPrinterDialogs.h"
#include "print/TSelectSpecificLabels.h"
#include "print/TWarnBottomMargin.h"
#include "print/printer/TReportPrinter.h"
#include "widgets/Interaction.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QPushButton>

namespace cw::ui {

namespace {

// Runs one print command and shows the failure it may raise.
template <typename F> void guardedPrint(F &&f)
{
    try {
        f();
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
    }
}

constexpr double NudgeInches = 1.0 / 32.0;

} // namespace

void TMainScreen::connectPrintCommands()
{
    connect(mnuPrint, &QAction::triggered, this, &TMainScreen::mnuPrintClick);
    connect(mnuPreview, &QAction::triggered, this, &TMainScreen::mnuPreviewClick);
    connect(mnuPrinterSetup, &QAction::triggered, this, &TMainScreen::mnuPrinterSetupClick);
    connect(mnuPrinterFineTuning, &QAction::triggered, this, &TMainScreen::mnuPrinterFineTuningClick);
    connect(mnuPrintOutlineTestPage, &QAction::triggered, this, &TMainScreen::mnuPrintOutlineTestPageClick);
    connect(PrintButton, &QPushButton::clicked, this, &TMainScreen::mnuPrintClick);
    connect(Previewbutton, &QPushButton::clicked, this, &TMainScreen::mnuPreviewClick);
}

void TMainScreen::CreateReportPrinter()
{
    if (!ReportPrinter)
        ReportPrinter = std::make_unique<printer::TReportPrinter>();
}

void TMainScreen::mnuPrintClick()
{
    if (!ReportPrinter)
        return;
    guardedPrint([this] {
        PrintToPrinter = true;
        ReportPrinter->SetPaperSize(Layout().Papersize);
        ReportPrinter->SetPageRange(1, 9999);
        m_panel->setPreviewing(false);
        PrintTestPage = false;
        if (!DoPageSetup())
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
        DoPrint();
    });
}

void TMainScreen::mnuPreviewClick()
{
    if (!ReportPrinter)
        return;
    guardedPrint([this] {
        PrintToPrinter = false;
        ReportPrinter->SetPaperSize(Layout().Papersize);
        m_panel->setPreviewing(true);
        PrintTestPage = false;
        DoPrint();
    });
}

void TMainScreen::mnuPrinterSetupClick()
{
    if (!ReportPrinter)
        return;
    guardedPrint([this] { TPrinterDialogs::PrinterSetup(*ReportPrinter); });
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
    guardedPrint([this] {
        PrintToPrinter = true;
        PrintTestPage = true;
        if (TPrinterDialogs::PrintDialog(*ReportPrinter))
            DoPrint();
    });
}

bool TMainScreen::DoPageSetup()
{
    const model::TCardLayout &layout = Layout();
    TSelectSpecificLabels dialog(ReportPrinter.get(), this);
    dialog.SetSheet(layout.Papersize, SelectedCards, layout.Height, layout.Width, layout.Across, layout.Down,
                    layout.TopMargin, layout.LeftMargin, layout.HPitch, layout.VPitch);
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    SelectedCards = dialog.Selected();
    return true;
}

void TMainScreen::DoPrint()
{
    if (!ReportPrinter)
        return;
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
    {
        const model::TCardLayout &layout = Layout();
        const model::TPrinterNudges &nudges = model::PrinterNudges();
        TLabelPrinter dialog(this);
        dialog.Surface = m_panel;
        model::TLabelPrintSettings &s = dialog.Job.Settings;
        s.SheetCount = ReportPrinter->Copies();
        ReportPrinter->SetCopies(1);
        s.Selection = SelectedCards;
        s.PrintTestPage = PrintTestPage;
        s.CardHeight = layout.Height;
        s.CardWidth = layout.Width;
        s.Across = layout.Across;
        s.Down = layout.Down;
        s.TopMargin = double(layout.TopMargin) + nudges.TopMarginNudge * NudgeInches;
        s.LeftMargin = double(layout.LeftMargin) + nudges.LeftMarginNudge * NudgeInches;
        s.HorizontalPitch = double(layout.HPitch) + nudges.HorizontalSpacing * NudgeInches;
        s.VerticalPitch = double(layout.VPitch) + nudges.VerticalSpacing * NudgeInches;
        s.BackgroundFile = BackgroundFile;
        s.PrintToPrinter = PrintToPrinter;
        if (PrintToPrinter) {
            // The file output and page range chosen in the system's print
            // dialog belong to the main window's engine object: hand them on.
            printer::TReportPrinter &job = dialog.LabelReportPrinter();
            job.SetOutputFileName(ReportPrinter->OutputFileName());
            job.SetPageRange(ReportPrinter->FirstPage(), ReportPrinter->LastPage());
        }
        dialog.Prepare(PrintToPrinter ? nullptr : &previewStream);
        Interaction::current().exec(dialog);
        // A failed or aborted preview shows no preview window.
        showPreview = !PrintToPrinter && dialog.Finished() && !dialog.Aborted() && dialog.Failure().isEmpty();
    }
    if (showPreview) {
        TPreviewForm preview(this);
        preview.setWindowTitle(QStringLiteral("Preview Business Cards"));
        preview.SetStream(&previewStream);
        Interaction::current().exec(preview);
    }
}

} // namespace cw::ui

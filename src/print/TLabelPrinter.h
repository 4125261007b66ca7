#pragma once
// The print status dialog ("Print Status" / "Preview Status"): runs one print
// or preview job of the card sheet when it is first shown, shows the page and
// card being composed, offers Cancel (print) or Stop (preview) while the job
// runs, and the closing text with an OK button when it has ended.
//
// The caller fills Job.Settings, the surface and the job report, and routes
// the report's OnBeforePrint / OnPrint to BeforePrintLabels / PrintLabels
// (Prepare does all of it), then runs the dialog modally.  The job starts at
// the first activation (FormActivate); the dialog stays open until OK.

#include "print/model/TLabelPrintJob.h"
#include "print/model/TTwoSidedSheet.h"

#include <QDialog>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QIODevice;

namespace cw::engine {
class TBaseReport;
class TReportFiler;
} // namespace cw::engine
namespace cw::printer {
class TReportPrinter;
}

namespace cw::ui {

class TGBasePanel;

class TLabelPrinter : public QDialog
{
    Q_OBJECT

public:
    explicit TLabelPrinter(QWidget *parent = nullptr);
    ~TLabelPrinter() override;

    model::TLabelPrintJob Job;
    // The back pages of a card printed on both sides (none: one-sided), and
    // which pages the run composes (TTwoSidedSheet::PrintSheets).  Without
    // its own hook the back job prints the surface's back objects.
    std::optional<model::TLabelPrintJob> BackJob;
    model::TTwoSidedSheet::TPages Pages = model::TTwoSidedSheet::TPages::Both;
    // The card whose objects are printed (not owned; may be null: no objects).
    TGBasePanel *Surface = nullptr;

    // The dialog's own reports, made when first asked for.
    printer::TReportPrinter &LabelReportPrinter();
    engine::TReportFiler &LabelReportFiler();
    // The report the job runs on: the printer when printing, the filer when
    // previewing, unless another one was set (not owned).
    engine::TBaseReport &JobReport();
    void SetJobReport(engine::TBaseReport *report) { m_jobReport = report; }

    // Makes the job report ready: portrait, events routed to this dialog,
    // its other events cleared; for preview the filer records into stream
    // (the caller's).  Sets caption and button texts.
    void Prepare(QIODevice *previewStream);

    void FormActivate();
    void BeforePrintLabels(engine::TBaseReport &report);
    void PrintLabels(engine::TBaseReport &report);
    void CancelButtonClick();

    // After the job: whether it was aborted, and the message of a failure
    // that ended it (empty when it ran to its end).
    bool Aborted() const;
    bool Finished() const { return m_finished; }
    QString Failure() const { return m_failure; }

    // What the dialog shows (for tests and screenshots).
    QString StatusText() const;
    QString ExtraText() const;
    QString ButtonText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void configureReport(engine::TBaseReport &report);
    void finishJob();
    // The closing text: failed (with the reason), cancelled by the user,
    // previewed, nothing printed (a page range past the pages composed),
    // saved into a PDF file, or sent to the printer.
    QString ClosingStatus(const engine::TBaseReport &report) const;

    QWidget *m_statusPanel = nullptr;
    QLabel *RStatusLabel = nullptr;
    QLabel *Extralabel = nullptr;
    QPushButton *CancelButton = nullptr;
    std::unique_ptr<printer::TReportPrinter> m_printer;
    std::unique_ptr<engine::TReportFiler> m_filer;
    engine::TBaseReport *m_jobReport = nullptr;
    bool m_activated = false;
    bool m_running = false;
    bool m_finished = false;
    QString m_failure;
};

} // namespace cw::ui

#pragma once
// A report that prints on a real printer: the system's CUPS printers, or a
// PDF file.  The sheet is addressed from its physical corner (the printer
// runs in full-page mode with an explicit paper size); the printer's
// unprintable margins, read from its page layout, are what the engine
// subtracts from every position.
//
// Paper size, orientation, copies and the chosen printer belong to the one
// system printer: every TReportPrinter shares them, so a paper size set on
// one report applies to a job another report runs.  A PDF output file is the
// report's own.
//
// Output is written to a file first and delivered only when the job ends
// normally, so Abort() (or a failure) really drops the document: a PDF file
// is written beside its target and then moved into place, leaving the file
// that was there untouched otherwise (also when the disk fills up while the
// pages are drawn: TPdfSheetFile); a sheet for a CUPS queue is written as
// PDF at the printer's resolution and handed to the scheduler through
// libcups (TCupsJob), with the driver options chosen in the print dialog.
// The report then follows the job for a few seconds: a queue that refuses
// it, a stopped printer or a failing filter ends the job with the
// scheduler's own reason.  (When no spool file can be made, Qt's own CUPS
// output is used, which cannot take back the pages already drawn.)

#include "print/engine/TCanvasReport.h"
#include "print/printer/TCupsJob.h"

#include <QPageSize>
#include <QStringList>
#include <memory>

class QPrinter;

namespace cw::printer {

class TPdfSheetFile;

class TReportPrinter : public engine::TCanvasReport
{
public:
    TReportPrinter();
    ~TReportPrinter() override;

    // ---- The printer ---------------------------------------------------------
    // Names of the installed printers, and the index of the current one in
    // that list (-1 when none, or when printing to a PDF file).
    static QStringList Printers();
    int PrinterIndex() const;
    void SetPrinterIndex(int index);
    // Name of the current printer ("PDF" when printing to a file; empty when
    // there is no printer).
    QString PrinterName() const;

    // The printer chosen by name for every report (empty: the system's
    // default printer).  Choosing another printer drops the driver options
    // chosen for the last one.
    static QString ChosenPrinter();
    static void ChoosePrinter(const QString &name);
    // When the chosen printer has left the system: forgets the choice (the
    // default printer serves from now on) and returns its name; otherwise
    // returns an empty text.
    static QString ForgetVanishedPrinter();
    // Driver options (paper source, resolution, ...) chosen in the print
    // dialog for the chosen printer, sent with every job to it.  What a card
    // sheet decides itself (paper size, copies, pages per sheet, page
    // ranges, scaling, orientation) is never among them.
    static TCupsJob::TOptions JobOptions();
    // Printing on both sides of the paper: the CUPS "sides" value sent with
    // the next jobs ("two-sided-long-edge", "two-sided-short-edge"), in the
    // place of any the print dialog chose; empty: one-sided as the queue
    // prints by default.  SupportsDuplex: whether `queue` can print on both
    // sides (empty: the printer jobs go to).
    void SetSides(const QString &sides) { m_sides = sides; }
    QString Sides() const { return m_sides; }
    bool SupportsDuplex() const;
    // How long a job handed to CUPS is followed before it counts as sent,
    // in milliseconds (default 8000).
    void SetJobWatchTime(int milliseconds) { m_jobWatchMs = milliseconds; }
    // Prints into a PDF file instead of a printer; an empty name returns to
    // the system printer.
    void SetOutputFileName(const QString &pdfFileName);
    QString OutputFileName() const { return m_outputFileName; }

    bool HasPrinter() const override;
    int MaxCopies() const override;
    void RefreshDeviceMetrics() override;

    void SetCopies(int copies) override;
    void SetOrientation(engine::TOrientation orientation) override;
    void SetPaperSize(int paperCode, double widthInches = 0, double heightInches = 0) override;

    // Only pages first..last (from 1) reach the printer; 1..9999 by default.
    void SetPageRange(int first, int last);
    int FirstPage() const { return m_firstPage; }
    int LastPage() const { return m_lastPage; }
    // Whether the last job put any page on the printer or into the file: a
    // page range that starts after the last page composed leaves nothing.
    bool PrintedAnyPage() const { return m_printedAny; }

    // Printer resolution in dots per inch for the next job (0: the printer's
    // own).  PDF output defaults to 1200.
    void SetResolution(int dpi) { m_resolution = dpi; }

    // The QPrinter, for the system's print and printer-setup dialogs.  After
    // a dialog changed it, call AdoptPrinterSettings().
    QPrinter &Printer() { return *m_printer; }
    // Takes printer, paper size, copies and page range from the QPrinter
    // (after a system dialog) into the shared settings.
    void AdoptPrinterSettings();

protected:
    void BeginJob() override;
    void BeginDevicePage() override;
    void EndDevicePage() override;
    void EndJob() override;
    void AbandonJob() override;

private:
    // Throws when the printer chosen by name is no longer installed.
    void CheckChosenPrinter();
    void LoadSharedSettings();
    void ApplySettingsToPrinter();
    QPageSize SheetPageSize() const;
    void DropPartFile();
    void SpoolPartFile();
    // Waits until the scheduler finished job `id`, reported it stuck or
    // failed (throws with its reason), the user cancelled (the job is
    // withdrawn) or the watch time ran out.
    void FollowJob(int id);

    std::unique_ptr<QPrinter> m_printer;
    QString m_outputFileName;
    int m_resolution = 0;
    int m_firstPage = 1;
    int m_lastPage = 9999;
    bool m_onPrinter = false;
    bool m_printedAny = false;                // a page of this job reached the printer
    std::unique_ptr<TPdfSheetFile> m_pdfFile; // a PDF target's working file, until the job ends
    QString m_partFile;                       // the sheet for a CUPS queue, until the job ends
    QString m_queue;                          // CUPS queue the part file goes to (empty: a PDF target)
    int m_spoolCopies = 1;
    QString m_sides;
    int m_jobWatchMs = 8000;
};

} // namespace cw::printer

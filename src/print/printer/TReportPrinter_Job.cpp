// The device side of a printer job: pages in range, the part file and its
// delivery (a PDF target or a CUPS queue, followed until the scheduler says
// how it went).
#include "app/model/Exception.h"
#include "print/printer/TPdfSheetFile.h"
#include "print/printer/TReportPrinter.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryFile>
#include <QThread>

namespace cw::printer {

void TReportPrinter::BeginJob()
{
    RefreshDeviceMetrics(); // metrics of the real device, before any switch
    m_onPrinter = false;
    m_printedAny = false;
    DropPartFile();
    m_queue.clear();

    if (!m_outputFileName.isEmpty()) {
        // The pages go into a working file beside the target, which replaces
        // the target only when the job ends complete.
        m_pdfFile = std::make_unique<TPdfSheetFile>(m_outputFileName);
        m_printer->setOutputFileName(m_pdfFile->WorkingFileName());
        return;
    }
    CheckChosenPrinter();
    QTemporaryFile part(QDir::tempPath() + QStringLiteral("/cardwright-sheet.XXXXXX.part"));
    part.setAutoRemove(false);
    if (!part.open() || part.fileName().isEmpty())
        return; // no room for a spool file: Qt's own CUPS output
    m_partFile = part.fileName();
    part.close();
    // The sheet for the queue: PDF at the printer's resolution, full page.
    m_queue = m_printer->printerName();
    m_spoolCopies = MaxCopies() > 1 ? Copies() : 1;
    const int dpi = m_printer->resolution();
    QPrinter &printer = *m_printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_partFile);
    printer.setResolution(dpi);
    printer.setFullPage(true);
    printer.setPageSize(SheetPageSize());
    printer.setPageOrientation(Orientation() == engine::TOrientation::poLandscape ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait);
    printer.setDocName(Title());
    printer.setCopyCount(1);
}

void TReportPrinter::DropPartFile()
{
    if (!m_partFile.isEmpty())
        QFile::remove(m_partFile);
    m_partFile.clear();
}

// Pages before the range go to a discarded sink; the printer document starts
// with the first page in range and ends after the last one.
void TReportPrinter::BeginDevicePage()
{
    const int page = CurrentPage();
    if (page >= m_firstPage && page <= m_lastPage) {
        if (m_onPrinter) {
            if (!m_printer->newPage())
                throw cw::Exception(QStringLiteral("The printer could not start a new page."));
            Canvas().setClipping(false);
            return;
        }
        BeginPainting(*m_printer, QPoint(UnprintableLeftPixels(), UnprintableTopPixels()));
        if (!Canvas().isActive())
            throw cw::Exception(
                QStringLiteral("The printer %1 could not start the print job.").arg(PrinterName()));
        Canvas().setRenderHint(QPainter::LosslessImageRendering, true);
        m_onPrinter = true;
        m_printedAny = true;
        return;
    }
    if (m_onPrinter) {
        EndPainting(); // the last wanted page is done
        m_onPrinter = false;
    }
    DiscardPainting();
}

void TReportPrinter::EndDevicePage() {}

void TReportPrinter::SpoolPartFile()
{
    const QString media = SheetPageSize().id() == QPageSize::A4 ? QStringLiteral("A4")
                          : SheetPageSize().id() == QPageSize::Letter
                              ? QStringLiteral("Letter")
                              : QStringLiteral("Custom.%1x%2in").arg(PageWidth()).arg(PageHeight());
    TCupsJob::TOptions options = m_queue == ChosenPrinter() ? JobOptions() : TCupsJob::TOptions();
    options.append({QStringLiteral("copies"), QString::number(m_spoolCopies)});
    options.append({QStringLiteral("media"), media});
    if (!m_sides.isEmpty()) {
        options.removeIf([](const auto &option) { return option.first == QLatin1String("sides"); });
        options.append({QStringLiteral("sides"), m_sides});
    }
    FollowJob(TCupsJob::Submit(m_queue, m_partFile, Title(), options));
}

void TReportPrinter::FollowJob(int id)
{
    QString queue = m_queue;
    SetStatusFormat(QStringLiteral("\rSending the sheet to the printer\r") +
                    queue.replace(QLatin1Char('%'), QStringLiteral("%%")));
    UpdateStatus();
    QElapsedTimer watch;
    watch.start();
    for (;;) {
        if (Aborted()) {
            TCupsJob::Cancel(m_queue, id); // the user cancelled while it waited
            return;
        }
        const TCupsJob::TStatus status = TCupsJob::Status(m_queue, id);
        switch (status.state) {
        case TCupsJob::TState::Completed:
        case TCupsJob::TState::Unknown:
            return;
        case TCupsJob::TState::Failed:
            throw cw::Exception(status.reason.isEmpty()
                                    ? QStringLiteral("The printer %1 could not print the sheet.").arg(m_queue)
                                    : QStringLiteral("The printer %1 could not print the sheet: %2")
                                          .arg(m_queue, status.reason));
        case TCupsJob::TState::Stopped:
            throw cw::Exception(
                QStringLiteral("The printer %1 has stopped%2. The sheet waits in its queue and prints when "
                               "the printer is started again.")
                    .arg(m_queue,
                         status.reason.isEmpty() ? QString() : QStringLiteral(": ") + status.reason));
        case TCupsJob::TState::Waiting:
            break;
        }
        if (watch.elapsed() >= m_jobWatchMs)
            return; // at work: the sheet counts as sent
        // Keep the status dialog (and its Cancel button) live meanwhile.
        const QDeadlineTimer pause(200);
        while (!pause.hasExpired()) {
            UpdateStatus();
            QThread::msleep(20);
        }
    }
}

void TReportPrinter::EndJob()
{
    const bool printed = m_printedAny;
    EndPainting();
    m_onPrinter = false;
    if (m_pdfFile) {
        // Every page is written: the file replaces the one that was there (a
        // job with no page in its range leaves that file alone).
        const std::unique_ptr<TPdfSheetFile> file = std::move(m_pdfFile);
        if (printed)
            file->Commit();
        return;
    }
    if (m_partFile.isEmpty())
        return;
    if (!m_queue.isEmpty()) {
        // Every page is written: now the spooler gets the sheet.
        struct Restore
        {
            TReportPrinter &report;
            ~Restore()
            {
                report.DropPartFile();
                report.m_queue.clear();
                report.ApplySettingsToPrinter();
            }
        } restore{*this};
        if (!printed)
            return;
        // A disk that filled up while the pages were drawn leaves a sheet
        // cut short: the printer does not get it.
        if (!TPdfSheetFile::IsCompletePdf(m_partFile))
            throw cw::Exception(
                QStringLiteral("The print job could not be sent to the printer %1.").arg(m_queue));
        SpoolPartFile();
    }
}

void TReportPrinter::AbandonJob()
{
    // Only Qt's own CUPS output has already reached the spooler.
    if (m_onPrinter && m_partFile.isEmpty() && !m_pdfFile)
        m_printer->abort();
    EndPainting();
    m_onPrinter = false;
    DropPartFile();
    m_pdfFile.reset();
    if (!m_queue.isEmpty()) {
        m_queue.clear();
        ApplySettingsToPrinter();
    }
}

} // namespace cw::printer

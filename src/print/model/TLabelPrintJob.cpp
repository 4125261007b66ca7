#include "print/model/TLabelPrintJob.h"

#include "print/engine/TBaseReport.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <vector>

namespace cw::model {

using engine::TBaseReport;

namespace {

// Clears the design surface's printing flag also when composition fails.
class PrintingFlag
{
public:
    explicit PrintingFlag(const std::function<void(bool)> &set) : m_set(set)
    {
        if (m_set)
            m_set(true);
    }
    ~PrintingFlag()
    {
        if (m_set)
            m_set(false);
    }
    PrintingFlag(const PrintingFlag &) = delete;
    PrintingFlag &operator=(const PrintingFlag &) = delete;

private:
    const std::function<void(bool)> &m_set;
};

} // namespace

void TLabelPrintJob::BeforePrintLabels(TBaseReport &report)
{
    if (Settings.PrintToPrinter && Settings.SheetCount > 1 && report.MaxCopies() > 1) {
        // The driver makes the copies: one composed sheet is enough.
        report.SetCopies(Settings.SheetCount);
        Settings.SheetCount = 1;
    }
    report.SetStatusFormat(Settings.PrintToPrinter ? QStringLiteral("Printing Page %p\r%0\r%1")
                                                   : QStringLiteral("Preparing Preview Page %p\r%0\r%1"));
    report.StatusText() << QString() << QString();
}

void TLabelPrintJob::PrintLabels(TBaseReport &report)
{
    PrintingFlag printing(SetPrinting);
    report.MarginLeft = 0;
    report.MarginTop = 0;
    const int across = std::max(1, Settings.Across);
    const int down = std::max(1, Settings.Down);
    const int sheets = std::max(1, Settings.SheetCount);
    if (Settings.MergeRecords > 0) {
        PrintMergedLabels(report);
        return;
    }

    int c = -1;
    int r = 0;
    while (!Stopped) {
        c = c + 1;
        if (c + 1 > across) {
            c = 0;
            r = r + 1;
        }
        // A preview holds position 1 only, also on a layout one card wide.
        if (!Settings.PrintToPrinter && (c > 0 || r > 0))
            break;
        if (r + 1 > down) {
            if (report.CurrentPage() >= sheets)
                break;
            report.NewPage();
            c = 0;
            r = 0;
        }
        const int index = r * across + c;
        if (index >= SelectionCount || !Settings.Selection[std::size_t(index)])
            continue;
        ComposeCard(report, c, r);
        if (ProcessEvents)
            ProcessEvents();
    }
}

std::vector<int> TLabelPrintJob::MergePositions() const
{
    const int across = std::max(1, Settings.Across);
    const int down = std::max(1, Settings.Down);
    std::vector<int> positions;
    for (int index = 0; index < std::min(across * down, SelectionCount); ++index)
        if (Settings.Selection[std::size_t(index)])
            positions.push_back(index);
    return positions;
}

int TLabelPrintJob::MergeSheets() const
{
    const qint64 positions = qint64(MergePositions().size());
    if (Settings.MergeRecords <= 0 || positions == 0)
        return 0;
    const qint64 cards = qint64(Settings.MergeRecords) * std::max(1, Settings.CopiesPerRecord);
    return int((cards + positions - 1) / positions);
}

void TLabelPrintJob::PrintMergedLabels(TBaseReport &report)
{
    const int across = std::max(1, Settings.Across);
    const int copies = std::max(1, Settings.CopiesPerRecord);
    qint64 cards = qint64(Settings.MergeRecords) * copies;
    const std::vector<int> positions = MergePositions();
    if (positions.empty())
        return;
    const qint64 first = qint64(std::max(0, Settings.MergeFirstSheet)) * qint64(positions.size());
    if (Settings.MergeSheetLimit > 0)
        cards = std::min(cards, first + qint64(Settings.MergeSheetLimit) * qint64(positions.size()));
    qint64 card = first;
    while (!Stopped && card < cards) {
        if (card > first)
            report.NewPage();
        for (const int index : positions) {
            if (Stopped || card >= cards)
                break;
            if (ShowRecord)
                ShowRecord(int(card / copies));
            ComposeCard(report, index % across, index / across);
            ++card;
            if (ProcessEvents)
                ProcessEvents();
        }
        if (!Settings.PrintToPrinter)
            break;
    }
}

void TLabelPrintJob::ComposeCard(TBaseReport &report, int column, int row)
{
    const double x = CardX(column);
    const double y = CardY(row);
    const double right = x + Settings.CardWidth;
    const double bottom = y + Settings.CardHeight;
    if (OnCard)
        OnCard(row * std::max(1, Settings.Across) + column + 1);
    if (ProcessEvents)
        ProcessEvents();
    if (Settings.PrintTestPage) {
        // The pen and brush every job starts with: black, one device pixel,
        // no fill.
        report.SetPen(Qt::black, Qt::SolidLine, 1, engine::TPenMode::pmCopy);
        report.SetBrush(Qt::white, Qt::NoBrush);
        report.Rectangle(x, y, right, bottom);
        return;
    }
    // The card prints inside its own rectangle, as the surface shows it: an
    // object reaching past the card's edge would print on the card beside
    // it, or on the sheet's margin.
    report.SetBound(QRectF(x, y, Settings.CardWidth, Settings.CardHeight));
    PrintBackGround(report, x, y);
    if (!Settings.PrintToPrinter) {
        // The card's outline on the preview page, a hundredth of an inch wide.
        report.SetBrush(Qt::white, Qt::NoBrush);
        report.SetPen(QColor(0xC0, 0xC0, 0xC0), Qt::SolidLine, -1, engine::TPenMode::pmCopy);
        report.Rectangle(x, y, right, bottom);
    }
    if (PrintObjects)
        PrintObjects(report, x, y);
    report.SetBound(QRectF());
}

void TLabelPrintJob::PrintBackGround(TBaseReport &report, double x, double y) const
{
    Background.Print(report, x, y, Settings.CardWidth, Settings.CardHeight);
}

QString TLabelPrintJob::ClosingText(bool aborted, bool printing, bool complexDesign)
{
    if (aborted)
        return printing ? QCoreApplication::translate("TLabelPrintJob", "\rBusiness Card Print Canceled!")
                        : QCoreApplication::translate("TLabelPrintJob", "\rBusiness Card Preview Canceled!");
    if (printing)
        return complexDesign
                   ? QCoreApplication::translate(
                         "TLabelPrintJob", "Print job completed and sent to printer!\r\rNote: this design "
                                           "contains complex shapes or text.\rPlease be patient while the "
                                           "printer produces its\routput...")
                   : QCoreApplication::translate("TLabelPrintJob",
                                                 "Print job completed and sent to printer!");
    return complexDesign
               ? QCoreApplication::translate(
                     "TLabelPrintJob",
                     "Business Card preview ready to view!\r\rNote: To save time, only a single card "
                     "is previewed\r\r** This design contains complex shapes or text.\rPlease be "
                     "patient while the previewer prepares\rthe viewing page")
               : QCoreApplication::translate(
                     "TLabelPrintJob",
                     "\rBusiness Card preview ready!\r\rNote: To save time, only a single card is "
                     "previewed");
}

QString TLabelPrintJob::NothingPrintedText(int firstPage, int pagesComposed)
{
    return QCoreApplication::translate(
               "TLabelPrintJob",
               "\rNothing was printed!\r\rThe page range starts at page %1,\rbut this job has "
               "only %2 %3.")
        .arg(firstPage)
        .arg(pagesComposed)
        .arg(pagesComposed == 1 ? QCoreApplication::translate("TLabelPrintJob", "page")
                                : QCoreApplication::translate("TLabelPrintJob", "pages"));
}

QString TLabelPrintJob::SavedAsText(const QString &pdfFileName)
{
    return QCoreApplication::translate("TLabelPrintJob", "\rBusiness Card sheet saved as\r") +
           QDir::toNativeSeparators(pdfFileName);
}

} // namespace cw::model

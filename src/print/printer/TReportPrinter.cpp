#include "print/printer/TReportPrinter.h"

#include "app/model/Exception.h"
#include "print/engine/Units.h"
#include "print/printer/TPdfSheetFile.h"
#include "print/printer/TCupsMargins.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>

namespace cw::printer {

using engine::TBaseReport;
using engine::TOrientation;

namespace {

// The settings of the one system printer, shared by every report.
struct TSharedPrinterSettings
{
    QString printerName; // empty: the system's default printer
    int paperCode = engine::PaperLetter;
    double paperWidth = 0;
    double paperHeight = 0;
    TOrientation orientation = TOrientation::poDefault;
    int copies = 1;
    TCupsJob::TOptions jobOptions; // the driver options chosen for printerName
};

TSharedPrinterSettings &Shared()
{
    static TSharedPrinterSettings settings;
    return settings;
}

QString CurrentSystemPrinter()
{
    const QString chosen = Shared().printerName;
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (!chosen.isEmpty() && names.contains(chosen))
        return chosen;
    const QString fallback = QPrinterInfo::defaultPrinterName();
    if (!fallback.isEmpty())
        return fallback;
    return names.isEmpty() ? QString() : names.first();
}

// Qt's CUPS print engine keeps the options its dialog set (name, value,
// name, value, ...) under this property key.
const auto CupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The dialog's options a card sheet can use: the sheet sets paper size,
// orientation and copies itself, and pages per sheet, page ranges or
// scaling would move or drop cards.
TCupsJob::TOptions DriverOptions(const QStringList &pairs)
{
    static const QStringList sheetDecides = {
        QStringLiteral("number-up"),       QStringLiteral("number-up-layout"),
        QStringLiteral("page-ranges"),     QStringLiteral("page-set"),
        QStringLiteral("fit-to-page"),     QStringLiteral("scaling"),
        QStringLiteral("copies"),          QStringLiteral("collate"),
        QStringLiteral("media"),           QStringLiteral("PageSize"),
        QStringLiteral("PageRegion"),      QStringLiteral("orientation-requested"),
        QStringLiteral("landscape"),       QStringLiteral("print-scaling"),
        QStringLiteral("natural-scaling"), QStringLiteral("position"),
        QStringLiteral("mirror")};
    TCupsJob::TOptions options;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        const QString &name = pairs.at(i);
        const QString &value = pairs.at(i + 1);
        if (name.isEmpty() || value.isEmpty() || sheetDecides.contains(name, Qt::CaseInsensitive))
            continue;
        options.append({name, value});
    }
    return options;
}

} // namespace

TReportPrinter::TReportPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    SetTitle(QStringLiteral("Cardwright"));
    LoadSharedSettings();
    RefreshDeviceMetrics();
}

TReportPrinter::~TReportPrinter()
{
    if (Canvas().isActive())
        Canvas().end();
}

QStringList TReportPrinter::Printers()
{
    return QPrinterInfo::availablePrinterNames();
}

int TReportPrinter::PrinterIndex() const
{
    if (!m_outputFileName.isEmpty())
        return -1;
    const QString name = CurrentSystemPrinter();
    return name.isEmpty() ? -1 : static_cast<int>(Printers().indexOf(name));
}

void TReportPrinter::SetPrinterIndex(int index)
{
    const QStringList names = Printers();
    if (index < 0 || index >= names.size())
        return;
    ChoosePrinter(names.at(index));
    RefreshDeviceMetrics();
}

QString TReportPrinter::ChosenPrinter()
{
    return Shared().printerName;
}

void TReportPrinter::ChoosePrinter(const QString &name)
{
    if (Shared().printerName != name)
        Shared().jobOptions.clear();
    Shared().printerName = name;
}

QString TReportPrinter::ForgetVanishedPrinter()
{
    const QString chosen = Shared().printerName;
    if (chosen.isEmpty() || QPrinterInfo::availablePrinterNames().contains(chosen))
        return {};
    ChoosePrinter(QString());
    return chosen;
}

TCupsJob::TOptions TReportPrinter::JobOptions()
{
    return Shared().jobOptions;
}

QString TReportPrinter::PrinterName() const
{
    if (!m_outputFileName.isEmpty())
        return QStringLiteral("PDF");
    return CurrentSystemPrinter();
}

void TReportPrinter::CheckChosenPrinter()
{
    // A printer chosen by name that has left the system since: the job must
    // not go to the default printer instead.  The choice is forgotten, so the
    // next print shows (and uses) the printer the system offers then.
    const QString chosen = Shared().printerName;
    if (chosen.isEmpty() || QPrinterInfo::availablePrinterNames().contains(chosen))
        return;
    ChoosePrinter(QString());
    throw cw::Exception(QStringLiteral("The printer %1 is no longer available.").arg(chosen));
}

bool TReportPrinter::SupportsDuplex() const
{
    if (!m_outputFileName.isEmpty())
        return false;
    const QList<QPrinter::DuplexMode> modes =
        QPrinterInfo::printerInfo(CurrentSystemPrinter()).supportedDuplexModes();
    return modes.contains(QPrinter::DuplexLongSide) || modes.contains(QPrinter::DuplexShortSide);
}

void TReportPrinter::SetOutputFileName(const QString &pdfFileName)
{
    m_outputFileName = pdfFileName;
    RefreshDeviceMetrics();
}

bool TReportPrinter::HasPrinter() const
{
    return !m_outputFileName.isEmpty() || !CurrentSystemPrinter().isEmpty();
}

int TReportPrinter::MaxCopies() const
{
    if (!m_outputFileName.isEmpty())
        return 1; // a PDF file holds every sheet itself
    return m_printer->supportsMultipleCopies() ? 9999 : 1;
}

void TReportPrinter::SetCopies(int copies)
{
    TBaseReport::SetCopies(copies);
    Shared().copies = Copies();
}

void TReportPrinter::SetOrientation(TOrientation orientation)
{
    TBaseReport::SetOrientation(orientation);
    Shared().orientation = orientation;
}

void TReportPrinter::SetPaperSize(int paperCode, double widthInches, double heightInches)
{
    TBaseReport::SetPaperSize(paperCode, widthInches, heightInches);
    Shared().paperCode = paperCode;
    Shared().paperWidth = widthInches;
    Shared().paperHeight = heightInches;
}

void TReportPrinter::SetPageRange(int first, int last)
{
    m_firstPage = std::max(1, first);
    m_lastPage = std::max(m_firstPage, last);
}

void TReportPrinter::LoadSharedSettings()
{
    const TSharedPrinterSettings &shared = Shared();
    TBaseReport::SetPaperSize(shared.paperCode, shared.paperWidth, shared.paperHeight);
    TBaseReport::SetOrientation(shared.orientation);
    TBaseReport::SetCopies(shared.copies);
}

QPageSize TReportPrinter::SheetPageSize() const
{
    if (Shared().paperWidth > 0 && Shared().paperHeight > 0)
        return QPageSize(QSizeF(PageWidth(), PageHeight()), QPageSize::Inch);
    switch (PaperSize()) {
    case engine::PaperA4:
        return QPageSize(QPageSize::A4);
    case engine::PaperA3:
        return QPageSize(QPageSize::A3);
    case engine::PaperA5:
        return QPageSize(QPageSize::A5);
    case engine::PaperLegal:
        return QPageSize(QPageSize::Legal);
    default:
        return QPageSize(QPageSize::Letter);
    }
}

void TReportPrinter::ApplySettingsToPrinter()
{
    QPrinter &printer = *m_printer;
    if (!m_outputFileName.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_outputFileName);
        printer.setResolution(m_resolution > 0 ? m_resolution : 1200);
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        const QString name = CurrentSystemPrinter();
        if (!name.isEmpty() && printer.printerName() != name)
            printer.setPrinterName(name);
        if (m_resolution > 0)
            printer.setResolution(m_resolution);
    }
    // Full page with an explicit size: positions come out exact, and a
    // printer whose default is another paper by locale cannot shift them.
    printer.setFullPage(true);
    printer.setPageSize(SheetPageSize());
    printer.setPageOrientation(Orientation() == TOrientation::poLandscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    printer.setDocName(Title());
    printer.setCopyCount(MaxCopies() > 1 ? Copies() : 1);
    // Qt's own printer output (no spool file) takes the sides as its duplex.
    if (!m_sides.isEmpty())
        printer.setDuplex(m_sides.endsWith(QLatin1String("short-edge")) ? QPrinter::DuplexShortSide
                                                                        : QPrinter::DuplexLongSide);
}

void TReportPrinter::RefreshDeviceMetrics()
{
    LoadSharedSettings();
    ApplySettingsToPrinter();
    const int dpi = std::max(1, m_printer->resolution());
    // The printable area is the sheet less the printer's smallest margins.
    QPageLayout layout = m_printer->pageLayout();
    layout.setUnits(QPageLayout::Inch);
    QMarginsF margins = layout.minimumMargins();
    if (margins.isNull() && m_outputFileName.isEmpty()) {
        const QSizeF sheet(PageWidth(), PageHeight());
        margins = TCupsMargins::Query(m_printer->printerName(), sheet);
        if (Orientation() == TOrientation::poLandscape)
            margins = QMarginsF(margins.top(), margins.right(), margins.bottom(), margins.left());
    }
    auto pixels = [dpi](double inches) { return cw::Round(inches * dpi); };
    SetDeviceMetrics(dpi, dpi, pixels(margins.left()), pixels(margins.top()), pixels(margins.right()),
                     pixels(margins.bottom()));
}

void TReportPrinter::AdoptPrinterSettings()
{
    QPrinter &printer = *m_printer;
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty()) {
        ChoosePrinter(printer.printerName());
        Shared().jobOptions = DriverOptions(printer.printEngine()->property(CupsOptionsKey).toStringList());
        m_outputFileName.clear();
    } else if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        m_outputFileName = printer.outputFileName(); // "Print to file" in the dialog
    }
    const QPageSize::PageSizeId id = printer.pageLayout().pageSize().id();
    if (id == QPageSize::A4)
        SetPaperSize(engine::PaperA4);
    else if (id == QPageSize::Letter)
        SetPaperSize(engine::PaperLetter);
    else if (id == QPageSize::A3)
        SetPaperSize(engine::PaperA3);
    else if (id == QPageSize::A5)
        SetPaperSize(engine::PaperA5);
    else if (id == QPageSize::Legal)
        SetPaperSize(engine::PaperLegal);
    SetCopies(printer.copyCount());
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        SetPageRange(printer.fromPage(), printer.toPage() > 0 ? printer.toPage() : 9999);
    else
        SetPageRange(1, 9999);
    RefreshDeviceMetrics();
}

} // namespace cw::printer

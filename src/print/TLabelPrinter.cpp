#include "print/TLabelPrinter.h"

#include "app/model/Exception.h"
#include "design/TGBasePanel.h"
#include "print/engine/TReportFiler.h"
#include "print/printer/TReportPrinter.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

namespace cw::ui {

using engine::TBaseReport;

namespace {

void RunPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace

TLabelPrinter::TLabelPrinter(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TLabelPrinter"));
    setWindowTitle(tr("Print Status Screen"));
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(3, 7, 0, 8);
    m_statusPanel = new QWidget(this);
    m_statusPanel->setObjectName(QStringLiteral("RStatusPanel"));
    m_statusPanel->setFixedSize(361, 172);
    auto *panelColumn = new QVBoxLayout(m_statusPanel);
    panelColumn->setContentsMargins(0, 0, 0, 0);
    panelColumn->setSpacing(0);
    RStatusLabel = new QLabel(m_statusPanel);
    RStatusLabel->setObjectName(QStringLiteral("RStatusLabel"));
    RStatusLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    RStatusLabel->setWordWrap(true); // a failure's reason may be long
    Extralabel = new QLabel(m_statusPanel);
    Extralabel->setObjectName(QStringLiteral("Extralabel"));
    Extralabel->setAlignment(Qt::AlignCenter);
    Extralabel->setFixedHeight(35);
    panelColumn->addWidget(RStatusLabel, 1);
    panelColumn->addWidget(Extralabel);
    column->addWidget(m_statusPanel);

    CancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setMinimumSize(90, 34);
    CancelButton->setDefault(true);
    column->addWidget(CancelButton, 0, Qt::AlignHCenter);
    connect(CancelButton, &QPushButton::clicked, this, &TLabelPrinter::CancelButtonClick);

    setFixedSize(std::max(364, sizeHint().width()), std::max(227, sizeHint().height()));
    placeDialog(this, Interaction::mainWindow());
}

TLabelPrinter::~TLabelPrinter() = default;

printer::TReportPrinter &TLabelPrinter::LabelReportPrinter()
{
    if (!m_printer) {
        m_printer = std::make_unique<printer::TReportPrinter>();
        configureReport(*m_printer);
    }
    return *m_printer;
}

engine::TReportFiler &TLabelPrinter::LabelReportFiler()
{
    if (!m_filer) {
        m_filer = std::make_unique<engine::TReportFiler>();
        m_filer->SetStreamMode(engine::TStreamMode::smUser);
        configureReport(*m_filer);
    }
    return *m_filer;
}

void TLabelPrinter::configureReport(TBaseReport &report)
{
    report.SetTitle(QStringLiteral("Cardwright"));
    report.SetUnitsFactor(1.0);
    report.MarginLeft = 0.5;
    report.MarginRight = 0.5;
    report.MarginTop = 0.5;
    report.MarginBottom = 0.5;
    report.SetOrientation(engine::TOrientation::poDefault);
}

TBaseReport &TLabelPrinter::JobReport()
{
    if (m_jobReport)
        return *m_jobReport;
    if (Job.Settings.PrintToPrinter)
        return LabelReportPrinter();
    return LabelReportFiler();
}

void TLabelPrinter::Prepare(QIODevice *previewStream)
{
    const bool printing = Job.Settings.PrintToPrinter;
    setWindowTitle(printing ? tr("Print Status") : tr("Preview Status"));
    CancelButton->setText(printing ? tr("Cancel") : tr("Stop"));
    if (!printing && !m_jobReport)
        LabelReportFiler().SetStream(previewStream);
    TBaseReport &report = JobReport();
    report.SetOrientation(engine::TOrientation::poPortrait);
    report.ClearEvents();
    report.OnBeforePrint = [this](TBaseReport &r) { BeforePrintLabels(r); };
    report.OnPrint = [this](TBaseReport &r) { PrintLabels(r); };
}

void TLabelPrinter::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated)
        QTimer::singleShot(0, this, &TLabelPrinter::FormActivate);
}

void TLabelPrinter::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    const bool printing = Job.Settings.PrintToPrinter;
    setWindowTitle(printing ? tr("Print Status ") : tr("Preview Status"));
    TBaseReport &report = JobReport();
    report.SetStatusLabel([this](const QString &text) { RStatusLabel->setText(text); });
    Job.LoadBackGround();
    Job.OnCard = [this](int position) { Extralabel->setText(tr("Card %1").arg(position)); };
    Job.ProcessEvents = RunPendingEvents;
    if (!Job.PrintObjects)
        Job.PrintObjects = [this](TBaseReport &r, double x, double y) {
            if (Surface)
                Surface->PrintSideObjects(model::TCardSide::Front, r, x, y);
        };
    Job.SetPrinting = [this](bool on) {
        if (Surface)
            Surface->setPrinting(on);
    };
    if (BackJob) {
        BackJob->LoadBackGround();
        BackJob->OnCard = Job.OnCard;
        BackJob->ProcessEvents = Job.ProcessEvents;
        BackJob->SetPrinting = Job.SetPrinting;
        BackJob->ShowRecord = Job.ShowRecord;
        if (!BackJob->PrintObjects)
            BackJob->PrintObjects = [this](TBaseReport &r, double x, double y) {
                if (Surface)
                    Surface->PrintSideObjects(model::TCardSide::Back, r, x, y);
            };
    }

    m_running = true;
    try {
        report.Execute();
    } catch (const cw::Exception &e) {
        m_failure = e.message();
    } catch (const std::exception &e) {
        m_failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        m_failure = tr("The print job failed.");
    }
    m_running = false;
    finishJob();
    if (!m_failure.isEmpty())
        Interaction::current().error(m_failure, QStringLiteral("Cardwright"));
}

void TLabelPrinter::finishJob()
{
    RunPendingEvents();
    Extralabel->clear();
    CancelButton->setText(QStringLiteral("OK"));
    CancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_finished = true;
    TBaseReport &report = JobReport();
    report.SetStatusFormat(ClosingStatus(report));
    report.UpdateStatus();
}

QString TLabelPrinter::ClosingStatus(const TBaseReport &report) const
{
    using model::TLabelPrintJob;
    const bool printing = Job.Settings.PrintToPrinter;
    // A job that failed did not reach its end: it closes with the reason it
    // failed for (the print system's own where it gave one), never as
    // "completed and sent to printer", nor as cancelled, which is what the
    // user does.
    const auto *device = dynamic_cast<const printer::TReportPrinter *>(&report);
    if (!m_failure.isEmpty()) {
        QString reason = m_failure;
        reason.replace(QLatin1Char('%'), QStringLiteral("%%")); // a status format
        const QString what = !printing ? tr("The preview could not be made.")
                             : device && !device->OutputFileName().isEmpty()
                                 ? tr("The sheet was not saved.")
                                 : tr("The cards were not printed.");
        return QStringLiteral("\r") + what + QStringLiteral("\r\r") + reason;
    }
    const bool ended = report.Aborted();
    if (ended || !printing || !device)
        return TLabelPrintJob::ClosingText(ended, printing, Surface && Surface->HasSuperObjects());
    if (!device->PrintedAnyPage())
        return TLabelPrintJob::NothingPrintedText(device->FirstPage(), report.CurrentPage());
    if (!device->OutputFileName().isEmpty()) {
        // The text is a status format: a percent sign in the file's name
        // must show as itself.
        QString saved = TLabelPrintJob::SavedAsText(device->OutputFileName());
        return saved.replace(QLatin1Char('%'), QStringLiteral("%%"));
    }
    return TLabelPrintJob::ClosingText(false, true, Surface && Surface->HasSuperObjects());
}

void TLabelPrinter::BeforePrintLabels(TBaseReport &report)
{
    Job.BeforePrintLabels(report);
}

void TLabelPrinter::PrintLabels(TBaseReport &report)
{
    if (BackJob)
        model::TTwoSidedSheet::PrintSheets(Job, *BackJob, report, Job.Settings.SheetCount, Pages);
    else
        Job.PrintLabels(report);
}

void TLabelPrinter::CancelButtonClick()
{
    if (m_finished) {
        accept();
        return;
    }
    if (!m_running)
        return; // nothing to cancel before the job starts
    TBaseReport &report = JobReport();
    if (Job.Settings.PrintToPrinter) {
        if (Interaction::current().questionDefaultNo(tr("Cancel Business Card Printing?"),
                                                     QStringLiteral("Cardwright")))
            report.Abort(); // the spooler drops the document; composition runs on drawing nothing
        return;
    }
    Job.Stopped = true;
    if (BackJob)
        BackJob->Stopped = true;
    report.Abort();
    report.SetStatusFormat(tr("\rCancelling...!"));
    report.UpdateStatus();
    RunPendingEvents();
}

void TLabelPrinter::reject()
{
    // Escape is the Cancel-kind button: it cancels, stops or closes like it.
    CancelButtonClick();
}

void TLabelPrinter::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        CancelButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TLabelPrinter::Aborted() const
{
    if (m_jobReport)
        return m_jobReport->Aborted();
    const TBaseReport *report = Job.Settings.PrintToPrinter
                                    ? static_cast<const TBaseReport *>(m_printer.get())
                                    : static_cast<const TBaseReport *>(m_filer.get());
    return report && report->Aborted();
}

QString TLabelPrinter::StatusText() const
{
    return RStatusLabel->text();
}
QString TLabelPrinter::ExtraText() const
{
    return Extralabel->text();
}
QString TLabelPrinter::ButtonText() const
{
    return CancelButton->text();
}

} // namespace cw::ui

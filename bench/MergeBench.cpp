// The merge row: 10,000 records from a CSV file printed into a PDF, one
// card each, over every position of a 10-card Letter sheet (1,000 sheets),
// beside the same 1,000 sheets composed with the design unchanged.  The card holds five
// linked field labels, a fixed text and one picture, which the PDF must
// store once.  Memory is the peak of the process: run the row on its own
// (cardwright-bench --merge) for the merge's own peak.

#include "BenchSupport.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TGImage.h"
#include "merge/model/TMergeSource.h"
#include "print/model/TLabelPrintJob.h"
#include "print/printer/TReportPrinter.h"
#include "text/model/TGBusinessCardLabel.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace cw::bench {

namespace {

constexpr int Records = 10000;

double peakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1.0;
}

void writePeople(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("Name;Firma;Titel;Telefon;E-Mail\r\n");
    for (int i = 0; i < Records; ++i)
        file.write(QStringLiteral("Jiří Dvořák %1;Müller & Söhne %2;Geschäftsführerin;+420 602 %3;"
                                  "person%1@example.cz\r\n")
                       .arg(i)
                       .arg(i % 97)
                       .arg(100000 + i)
                       .toUtf8());
}

void populate(ui::TGBusinessCardPanel32 &panel)
{
    QImage logo(96, 96, QImage::Format_RGB32);
    {
        QPainter painter(&logo);
        painter.fillRect(logo.rect(), QColor(20, 60, 140));
        painter.setBrush(QColor(240, 200, 40));
        painter.drawEllipse(logo.rect().adjusted(12, 12, -12, -12));
    }
    auto image = std::make_unique<model::TGImage>();
    model::TGPicture picture;
    picture.SetBitmap(logo);
    image->SetPicture(picture);
    image->SetStretch(true);
    panel.PlaceNewObject(std::move(image), QRect(240, 10, 80, 80));
    const int fields[] = {0, 1, 2, 6, 8};
    int top = 10;
    for (const int field : fields) {
        auto label = std::make_unique<model::TGBusinessCardLabel>();
        label->SetCaption(QStringLiteral("Text"));
        label->SetPersonalField(field);
        panel.PlaceNewObject(std::move(label), QRect(10, top, 60, 20));
        top += 30;
    }
    auto fixed = std::make_unique<model::TGBusinessCardLabel>();
    fixed->SetCaption(QStringLiteral("www.example.com"));
    panel.PlaceNewObject(std::move(fixed), QRect(200, 160, 60, 20));
}

double compose(ui::TGBusinessCardPanel32 &panel, const QString &pdf, const model::TMergeSource *merge)
{
    QElapsedTimer timer;
    timer.start();
    printer::TReportPrinter report;
    report.SetOutputFileName(pdf);
    report.SetPaperSize(engine::PaperLetter);
    report.SetProcessEvents({});
    model::TLabelPrintJob job;
    job.Settings.PrintToPrinter = true;
    // The baseline composes the same 10,000 cards with the design as it is
    // (a merge whose records change nothing), so the difference is what
    // showing each record costs.
    job.Settings.MergeRecords = Records;
    if (merge)
        job.ShowRecord = [&](int record) { panel.setPersonalInfo(merge->Record(record)); };
    job.PrintObjects = [&](engine::TBaseReport &r, double x, double y) { panel.PrintObjects(r, x, y); };
    job.SetPrinting = [&](bool on) { panel.setPrinting(on); };
    report.OnBeforePrint = [&](engine::TBaseReport &r) { job.BeforePrintLabels(r); };
    report.OnPrint = [&](engine::TBaseReport &r) { job.PrintLabels(r); };
    report.Execute();
    return double(timer.nsecsElapsed()) / 1e6;
}

int pdfImages(const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().count("/Subtype /Image"));
}

} // namespace

void RunMergeRows()
{
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("people.csv"));
    writePeople(csv);
    ui::TGBusinessCardPanel32 panel;
    panel.setCardSize(336, 192);
    populate(panel);

    const QString plainPdf = folder.filePath(QStringLiteral("plain.pdf"));
    const double plain = compose(panel, plainPdf, nullptr);
    const QString pdf = folder.filePath(QStringLiteral("merge.pdf"));
    QElapsedTimer timer;
    timer.start();
    const model::TMergeSource source = model::TMergeSource::Load(csv);
    const double merged = double(timer.nsecsElapsed()) / 1e6 + compose(panel, pdf, &source);
    PrintRow("merge 10,000 records to PDF (1,000 sheets)", merged / 1000.0, plain / 1000.0, 20.0, "s");
    PrintRow("   peak memory of the process", peakMb(), ResidentMb(), 300.0, "MB");
    const int images = pdfImages(pdf);
    std::printf("   the merged PDF stores %d picture%s for the card's 1 (%s), %.0f kB\n", images,
                images == 1 ? "" : "s", images == 1 ? "once" : "NOT once",
                double(QFile(pdf).size()) / 1024.0);
}

} // namespace cw::bench

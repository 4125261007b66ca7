// Printer fine tuning and the main window's print commands: the four nudges
// and their texts, OK / Cancel / Default, the settings saved, and what the
// print, preview and outline test page commands hand to the sheet job.
#include "app/TMainScreen.h"
#include "app/model/TIniFile.h"
#include "app/model/TPreferences.h"
#include "design/model/TBCShapes.h"
#include "print/TLabelPrinter.h"
#include "print/TPreviewForm.h"
#include "print/TPrintFineTune.h"
#include "print/TSelectSpecificLabels.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

using namespace cw;
using cw::ui::TPrintFineTune;

namespace {

bool Yes()
{
    return true;
}
QString PrinterName()
{
    return QStringLiteral("Office");
}

// Notes the rectangles of an outline test page.
class OutlineRecorder : public engine::TReportFiler
{
public:
    QList<QRectF> rects;
    void Rectangle(double x1, double y1, double x2, double y2) override
    {
        rects << QRectF(QPointF(x1, y1), QPointF(x2, y2));
        TReportFiler::Rectangle(x1, y1, x2, y2);
    }
};

// Saves a picture of a window into $CW_PRINT_SHOTS when that is set.
void SaveShot(QWidget &window, const QString &name)
{
    const QString folder = QString::fromLocal8Bit(qgetenv("CW_PRINT_SHOTS"));
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.adjustSize();
    window.show();
    QApplication::processEvents();
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    window.hide();
}

} // namespace

class TestFineTune : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nudgesStopAtEightEitherWay();
    void defaultThenCancelChangesNothing();
    void okMakesTheNudgesCurrentAndTheCommandSavesThem();
    void outlineTestPageUsesNudgedMarginsAndPitches();
    void printCommandHandsSelectionAndCopies();
    void previewShowsTheRecordedPageUnlessStopped();
    void zoomComesBackAfterPrinting();
    void previewPrintsTheDesignInTheFirstCell();
    void screenshots();

private:
    std::unique_ptr<test::TestFolder> m_folder;
    std::unique_ptr<test::ScriptedInteraction> m_script;
};

void TestFineTune::init()
{
    m_folder = std::make_unique<test::TestFolder>();
    m_script = std::make_unique<test::ScriptedInteraction>();
    ui::TMainScreen::hasPrinters = &Yes;
    ui::TMainScreen::defaultPrinterName = &PrinterName;
    model::PrinterNudges() = model::TPrinterNudges();
}

void TestFineTune::cleanup()
{
    m_script.reset();
    m_folder.reset();
    model::PrinterNudges() = model::TPrinterNudges();
}

void TestFineTune::nudgesStopAtEightEitherWay()
{
    QCOMPARE(TPrintFineTune::NudgeText(-3), QStringLiteral("Decrease by 3/32\""));
    QCOMPARE(TPrintFineTune::NudgeText(0), QStringLiteral("None"));
    QCOMPARE(TPrintFineTune::NudgeText(5), QStringLiteral("Increase by 5/32\""));

    TPrintFineTune dialog;
    QCOMPARE(dialog.ValueText(TPrintFineTune::TopMargin), QStringLiteral("None"));
    for (int i = 0; i < 10; ++i)
        dialog.SpinnerDownClick(TPrintFineTune::TopMargin);
    QCOMPARE(dialog.Value(TPrintFineTune::TopMargin), 8);
    QCOMPARE(dialog.ValueText(TPrintFineTune::TopMargin), QStringLiteral("Increase by 8/32\""));
    for (int i = 0; i < 20; ++i)
        dialog.SpinnerUpClick(TPrintFineTune::HorizontalSpacing);
    QCOMPARE(dialog.Value(TPrintFineTune::HorizontalSpacing), -8);
    QCOMPARE(dialog.ValueText(TPrintFineTune::HorizontalSpacing), QStringLiteral("Decrease by 8/32\""));
    QCOMPARE(dialog.Value(TPrintFineTune::LeftMargin), 0); // the others are untouched
    QCOMPARE(dialog.Value(TPrintFineTune::VerticalSpacing), 0);
}

void TestFineTune::defaultThenCancelChangesNothing()
{
    model::PrinterNudges() = {2, -1, 4, 3};
    TPrintFineTune dialog;
    QCOMPARE(dialog.ValueText(TPrintFineTune::LeftMargin), QStringLiteral("Decrease by 1/32\""));
    dialog.DefaultButtonClick();
    QCOMPARE(dialog.Values(), model::TPrinterNudges());
    QCOMPARE(dialog.ValueText(TPrintFineTune::VerticalSpacing), QStringLiteral("None"));
    dialog.CancelbuttonClick();
    QCOMPARE(model::PrinterNudges(), (model::TPrinterNudges{2, -1, 4, 3}));
}

void TestFineTune::okMakesTheNudgesCurrentAndTheCommandSavesThem()
{
    ui::TMainScreen w;
    w.FormActivate();
    m_script->dialogs.enqueue([](QDialog &d) {
        auto &dialog = dynamic_cast<TPrintFineTune &>(d);
        dialog.SpinnerDownClick(TPrintFineTune::VerticalSpacing);
        dialog.SpinnerUpClick(TPrintFineTune::LeftMargin);
        dialog.OKButtonClick();
        return d.result();
    });
    w.mnuPrinterFineTuningClick();
    QCOMPARE(model::PrinterNudges(), (model::TPrinterNudges{0, -1, 1, 0}));
    model::TIniFile ini(model::TIniFile::SettingsFileName());
    QCOMPARE(ini.ReadInteger(QStringLiteral("Printer"), QStringLiteral("LeftMarginNudge"), 99), -1);
    QCOMPARE(ini.ReadInteger(QStringLiteral("Printer"), QStringLiteral("VerticalSpacing"), 99), 1);

    // Cancel saves nothing.
    m_script->dialogs.enqueue([](QDialog &d) {
        dynamic_cast<TPrintFineTune &>(d).SpinnerDownClick(TPrintFineTune::TopMargin);
        return int(QDialog::Rejected);
    });
    w.mnuPrinterFineTuningClick();
    QCOMPARE(model::PrinterNudges().TopMarginNudge, 0);
}

void TestFineTune::outlineTestPageUsesNudgedMarginsAndPitches()
{
    ui::TMainScreen w;
    w.FormActivate();
    QVERIFY(w.PrinterReady() && w.ReportPrinter);
    model::PrinterNudges() = {2, -1, 4, 3};
    w.SelectedCards[0] = false;
    w.SelectedCards[1] = false;
    w.ReportPrinter->SetCopies(2);
    OutlineRecorder recorder;
    bool ran = false;
    // The test page skips card selection and goes straight to the status
    // dialog; it is driven here on a recorder instead of the printer.
    w.PrintToPrinter = true;
    w.PrintTestPage = true;
    model::TLabelPrintSettings handed;
    QString title;
    m_script->dialogs.enqueue([&](QDialog &d) {
        auto &status = dynamic_cast<ui::TLabelPrinter &>(d);
        handed = status.Job.Settings;
        title = status.windowTitle();
        status.SetJobReport(&recorder);
        status.Prepare(nullptr);
        status.FormActivate();
        ran = true;
        return int(QDialog::Accepted);
    });
    w.DoPrint();
    QVERIFY(ran);
    QCOMPARE(handed.SheetCount, 2);
    QVERIFY(handed.PrintTestPage && handed.PrintToPrinter);
    QCOMPARE(handed.TopMargin, 0.5 + 2 / 32.0);
    QCOMPARE(handed.LeftMargin, 0.75 - 1 / 32.0);
    QCOMPARE(handed.VerticalPitch, 2.125);
    QCOMPARE(handed.HorizontalPitch, 3.5 + 3 / 32.0);
    QCOMPARE(title, QStringLiteral("Print Status"));
    QCOMPARE(w.ReportPrinter->Copies(), 1); // the sheet count went to the job
    QCOMPARE(recorder.rects.size(), 16);    // two sheets of eight
    QCOMPARE(recorder.rects.first().topLeft(), QPointF(0.75 - 1 / 32.0, 0.5 + 2 / 32.0 + 2.125));
    QCOMPARE(recorder.rects.at(2).top() - recorder.rects.at(0).top(), 2.125);
    QCOMPARE(recorder.rects.first().size(), QSizeF(3.5, 2.0));
}

void TestFineTune::printCommandHandsSelectionAndCopies()
{
    ui::TMainScreen w;
    w.FormActivate();
    QTemporaryDir dir;
    w.ReportPrinter->SetOutputFileName(dir.filePath(QStringLiteral("sheet.pdf")));
    QVERIFY(w.findChild<QAction *>(QStringLiteral("mnuPrint"))->isEnabled());
    QVERIFY(w.findChild<QPushButton *>(QStringLiteral("PrintButton"))->isEnabled());

    // Cancel in "Print Cards" stops the command and keeps the selection.
    m_script->dialogs.enqueue([](QDialog &d) {
        auto &select = dynamic_cast<ui::TSelectSpecificLabels &>(d);
        select.SelectnoneClick();
        return int(QDialog::Rejected);
    });
    w.mnuPrintClick();
    QCOMPARE(m_script->dialogsRun, 1);
    QVERIFY(w.SelectedCards[0]);

    // OK: the flags come back, the pages become the sheet count.
    m_script->dialogs.enqueue([](QDialog &d) {
        auto &select = dynamic_cast<ui::TSelectSpecificLabels &>(d);
        select.PaintBox1MouseDown(select.Sheet.Rectangle(0).center());
        select.SetPages(2);
        select.OKbuttonClick();
        return d.result();
    });
    bool ran = false;
    model::TLabelPrintSettings handed;
    bool previewing = true;
    QString status;
    m_script->dialogs.enqueue([&](QDialog &d) {
        auto &dialog = dynamic_cast<ui::TLabelPrinter &>(d);
        handed = dialog.Job.Settings;
        previewing = w.BusinessCardPanel()->Previewing();
        dialog.FormActivate();
        status = dialog.StatusText();
        ran = true;
        return int(QDialog::Accepted);
    });
    w.mnuPrintClick();
    QVERIFY(ran);
    QCOMPARE(handed.SheetCount, 2);
    QVERIFY(!handed.Selection[0]);
    QVERIFY(!previewing);
    // The printer prints into a file: the status names it.
    QCOMPARE(status,
             QStringLiteral("\nBusiness Card sheet saved as\n") + dir.filePath(QStringLiteral("sheet.pdf")));
    QVERIFY(!w.SelectedCards[0] && w.SelectedCards[1]);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("sheet.pdf"))).size() > 0);
    QCOMPARE(m_script->dialogsRun, 3); // PDF has no bottom margin: no warning
}

void TestFineTune::previewShowsTheRecordedPageUnlessStopped()
{
    ui::TMainScreen w;
    w.FormActivate();
    QString caption;
    QString button;
    m_script->dialogs.enqueue([&button](QDialog &d) {
        auto &status = dynamic_cast<ui::TLabelPrinter &>(d);
        button = status.ButtonText();
        status.FormActivate();
        return int(QDialog::Accepted);
    });
    m_script->dialogs.enqueue([&](QDialog &d) {
        auto &preview = dynamic_cast<ui::TPreviewForm &>(d);
        caption = preview.windowTitle();
        preview.FormActivate();
        caption += QLatin1Char('|') + preview.windowTitle();
        return int(QDialog::Accepted);
    });
    w.mnuPreviewClick();
    QVERIFY(w.BusinessCardPanel()->Previewing());
    QCOMPARE(button, QStringLiteral("Stop"));
    QCOMPARE(caption, QStringLiteral("Preview Business Cards|Preview Page 1 of 1"));

    // Stopped: no preview window.
    QString stopped;
    m_script->dialogs.enqueue([&stopped](QDialog &d) {
        auto &status = dynamic_cast<ui::TLabelPrinter &>(d);
        // Stop pressed as page 1 begins.
        status.LabelReportFiler().OnNewPage = [&status](engine::TBaseReport &) {
            status.CancelButtonClick();
        };
        status.FormActivate();
        stopped = status.StatusText();
        return int(QDialog::Accepted);
    });
    const int before = m_script->dialogsRun;
    w.mnuPreviewClick();
    QCOMPARE(m_script->dialogsRun, before + 1);
    QCOMPARE(stopped, QStringLiteral("\nBusiness Card Preview Canceled!"));
}

void TestFineTune::zoomComesBackAfterPrinting()
{
    ui::TMainScreen w;
    w.FormActivate();
    w.ZoomIn();
    w.ZoomIn();
    const float zoom = w.BusinessCardPanel()->Zoom();
    float during = 0;
    m_script->dialogs.enqueue([&](QDialog &) {
        during = w.BusinessCardPanel()->Zoom();
        return int(QDialog::Rejected);
    });
    w.mnuPreviewClick();
    QCOMPARE(during, 1.0f);
    QCOMPARE(w.BusinessCardPanel()->Zoom(), zoom);
    QVERIFY(!w.ChangesMade());
}

void TestFineTune::previewPrintsTheDesignInTheFirstCell()
{
    ui::TMainScreen w;
    w.FormActivate();
    model::PrinterNudges() = {8, 0, 0, 0}; // a quarter inch lower
    auto shape = std::make_unique<model::TBCShapes>();
    shape->SetBounds(96, 48, 96, 48); // 1 x 0.5 inch, 1 inch from the card's left, 0.5 from its top
    model::TGBrush black;
    black.Color = model::clBlack;
    shape->SetBrush(black);
    w.BusinessCardPanel()->AddObject(std::move(shape));
    w.ZoomIn(); // printing is at 100 % whatever the zoom
    QImage page;
    m_script->dialogs.enqueue([&page](QDialog &d) {
        auto &status = dynamic_cast<ui::TLabelPrinter &>(d);
        status.FormActivate();
        engine::TReportReader reader;
        if (reader.Load(*status.LabelReportFiler().Stream()))
            page = reader.RenderPage(1, 100);
        return int(QDialog::Accepted);
    });
    w.mnuPreviewClick();
    QVERIFY(!page.isNull());
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 60) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    // Card cell at (0.75, 0.75) inches: the shape covers 1.75..2.75 x 1.25..1.75.
    QVERIFY2(std::abs(left - 175) <= 1 && std::abs(right - 274) <= 1 && std::abs(top - 125) <= 1 &&
                 std::abs(bottom - 174) <= 1,
             qPrintable(QStringLiteral("%1,%2 - %3,%4").arg(left).arg(top).arg(right).arg(bottom)));
    QCOMPARE(w.BusinessCardPanel()->Zoom(), 1.1f);
}

void TestFineTune::screenshots()
{
    model::PrinterNudges() = {2, -3, 0, 1};
    TPrintFineTune dialog;
    SaveShot(dialog, QStringLiteral("fine-tuning"));
}

QTEST_MAIN(TestFineTune)
#include "tst_finetune.moc"

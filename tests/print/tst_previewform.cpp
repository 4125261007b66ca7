// The preview window: the recorded page shown on first activation, its
// caption, zoom by clicks and buttons within 10 to 200, a second activation
// that restarts nothing, keys, and the placement kept in the settings file.
#include "app/model/TIniFile.h"
#include "print/TFilePreview.h"
#include "print/TPreviewForm.h"
#include "print/engine/TReportFiler.h"
#include "print/model/TLabelPrintJob.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QBuffer>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace cw;

namespace {

// The page a preview job of the default layout records.
QByteArray RecordPreview()
{
    QByteArray data;
    QBuffer stream(&data);
    engine::TReportFiler filer;
    filer.SetStream(&stream);
    model::TLabelPrintJob job;
    filer.OnBeforePrint = [&job](engine::TBaseReport &r) { job.BeforePrintLabels(r); };
    filer.OnPrint = [&job](engine::TBaseReport &r) { job.PrintLabels(r); };
    filer.Execute();
    return data;
}

} // namespace

class TestPreviewForm : public QObject
{
    Q_OBJECT

private slots:
    void firstActivationShowsPageOne();
    void clicksAndButtonsZoomWithinLimits();
    void upAndDownScroll();
    void placementIsKeptPerWindowClass();
    void screenshots();
};

void TestPreviewForm::firstActivationShowsPageOne()
{
    test::TestFolder folder;
    QByteArray data = RecordPreview();
    QBuffer stream(&data);
    {
        ui::TPreviewForm form;
        form.SetStream(&stream);
        QCOMPARE(form.windowTitle(), QStringLiteral("Preview Business Cards"));
        form.FormActivate();
        QCOMPARE(form.windowTitle(), QStringLiteral("Preview Page 1 of 1"));
        QVERIFY(form.FilePreview().Replaying());
        QVERIFY(form.FilePreview().ImageControl());
        QCOMPARE(form.FilePreview().ZoomFactor(), 100.0f);
        form.SBZoomOutClick();
        form.FormActivate(); // switching back to the window restarts nothing
        QCOMPARE(form.FilePreview().ZoomFactor(), 90.0f);
        form.reject(); // Escape: the Ok button is also the cancel button
        QVERIFY(!form.FilePreview().Replaying());
    }
    // The stream is the caller's and stays usable.
    QVERIFY(stream.isOpen() || stream.open(QIODevice::ReadOnly));
    QVERIFY(stream.size() > 0);
}

void TestPreviewForm::clicksAndButtonsZoomWithinLimits()
{
    test::TestFolder folder;
    QByteArray data = RecordPreview();
    QBuffer stream(&data);
    ui::TPreviewForm form;
    form.SetStream(&stream);
    form.FormActivate();
    for (int i = 0; i < 10; ++i)
        form.ScrollBox1MouseDown(Qt::LeftButton);
    QCOMPARE(form.FilePreview().ZoomFactor(), 200.0f);
    form.ScrollBox1MouseDown(Qt::LeftButton);
    QCOMPARE(form.FilePreview().ZoomFactor(), 200.0f);
    form.ScrollBox1MouseDown(Qt::RightButton);
    QCOMPARE(form.FilePreview().ZoomFactor(), 190.0f);
    for (int i = 0; i < 30; ++i)
        form.SBZoomOutClick();
    QCOMPARE(form.FilePreview().ZoomFactor(), 10.0f);

    // A real click on the page image zooms in.
    QLabel *image = form.FilePreview().ImageControl();
    QVERIFY(image);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(form.FilePreview().ZoomFactor(), 20.0f);

    form.resize(608, 424);
    form.SBZoomPageWidthClick();
    QCOMPARE(form.FilePreview().ZoomFactor(),
             std::clamp(form.FilePreview().ZoomPageWidthFactor(), 10.0f, 200.0f));
    form.SBZoomPageClick();
    QVERIFY(form.FilePreview().ZoomFactor() < 100.0f);
}

void TestPreviewForm::upAndDownScroll()
{
    test::TestFolder folder;
    QByteArray data = RecordPreview();
    QBuffer stream(&data);
    ui::TPreviewForm form;
    form.SetStream(&stream);
    form.resize(608, 424);
    form.show();
    form.FormActivate();
    QApplication::processEvents();
    QScrollBar *bar = form.ScrollBox()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    form.FormKeyDown(Qt::Key_Up);
    QCOMPARE(bar->value(), 0);
    form.FormKeyDown(Qt::Key_Down);
    QCOMPARE(bar->value(), bar->singleStep());
    bar->setValue(bar->maximum());
    form.FormKeyDown(Qt::Key_Down);
    QCOMPARE(bar->value(), bar->maximum());
    form.close();
}

void TestPreviewForm::placementIsKeptPerWindowClass()
{
    test::TestFolder folder;
    QByteArray data = RecordPreview();
    QBuffer stream(&data);
    {
        ui::TPreviewForm form;
        form.SetStream(&stream);
        form.show();
        form.FormActivate();
        form.setGeometry(40, 50, 500, 400);
        QApplication::processEvents();
        form.accept();
    }
    model::TIniFile ini(model::TIniFile::SettingsFileName());
    const QString section = QStringLiteral("TPreviewForm_Placement");
    QCOMPARE(ini.ReadInteger(section, QStringLiteral("Left"), -1), 40);
    QCOMPARE(ini.ReadInteger(section, QStringLiteral("Right"), -1), 540);
    {
        ui::TPreviewForm form;
        form.SetStream(&stream);
        form.show();
        form.FormActivate();
        QCOMPARE(form.geometry(), QRect(40, 50, 500, 400));
        form.close();
    }
}

void TestPreviewForm::screenshots()
{
    test::TestFolder folder;
    QByteArray data = RecordPreview();
    QBuffer stream(&data);
    ui::TPreviewForm form;
    form.SetStream(&stream);
    form.resize(608, 424);
    form.show();
    form.FormActivate();
    form.SBZoomPageWidthClick();
    QApplication::processEvents();
    const QString folderName = QString::fromLocal8Bit(qgetenv("CW_PRINT_SHOTS"));
    if (!folderName.isEmpty()) {
        QDir().mkpath(folderName);
        form.grab().save(folderName + QStringLiteral("/preview-window.png"));
    }
    form.close();
}

QTEST_MAIN(TestPreviewForm)
#include "tst_previewform.moc"

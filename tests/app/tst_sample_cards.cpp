// Every sample card shipped with the program opens without a message and
// looks the same on screen, in picture export and on paper: the printed
// card, rasterised at 96 pixels per inch, has its ink where the screen has
// it.  Set CW_OUTPUT_DIR to keep each card's three pictures side by side
// (screen | export | paper) and its PDF for looking at.
#include "app/TMainScreen.h"
#include "design/TGBusinessCardPanel32.h"
#include "support/CardOutputs.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace cw::ui {

class TestSampleCards : public QObject
{
    Q_OBJECT

    static QString samplesFolder()
    {
        return qEnvironmentVariable("CW_SOURCE_DIR") + QStringLiteral("/content/samples");
    }

private slots:
    void everySampleLooksTheSameOnScreenInExportAndOnPaper_data()
    {
        QTest::addColumn<QString>("path");
        const QFileInfoList cards =
            QDir(samplesFolder())
                .entryInfoList({QStringLiteral("*.cwr"), QStringLiteral("*.CWR")}, QDir::Files);
        for (const QFileInfo &card : cards)
            QTest::newRow(qPrintable(card.fileName())) << card.absoluteFilePath();
        if (cards.isEmpty())
            QTest::newRow("no samples") << QString();
    }

    void everySampleLooksTheSameOnScreenInExportAndOnPaper()
    {
        QFETCH(QString, path);
        QVERIFY2(!path.isEmpty(), "the program ships no sample cards");
        test::TestFolder folder;
        test::ScriptedInteraction script;
        TMainScreen::hasPrinters = [] { return true; };
        TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        TMainScreen window;
        window.FormActivate();
        script.log.clear();
        window.OpenBCFile(path);
        QVERIFY2(script.log.isEmpty(), qPrintable(script.log.join(QLatin1Char('\n'))));
        TGBusinessCardPanel32 &surface = *window.BusinessCardPanel();
        QVERIFY(surface.ObjectCount() > 0);

        const QString keep = qEnvironmentVariable("CW_OUTPUT_DIR");
        const QString base = QFileInfo(path).completeBaseName();
        const test::CardOutputs out = test::RenderCardOutputs(
            surface, keep.isEmpty() ? QString() : keep + QLatin1Char('/') + base + QStringLiteral(".pdf"),
            window.BackgroundFile);
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        if (!keep.isEmpty())
            test::SaveSideBySide(keep + QLatin1Char('/') + base + QStringLiteral(".png"), out.screen,
                                 out.exported, out.paper);

        QCOMPARE(out.screen.size(), out.exported.size());
        QCOMPARE(out.paper.size(), out.exported.size());
        // Screen and export draw with the same routine: only the outline's
        // clip at the rounded corners may differ.
        const double screenVsExport = test::MeanDifference(out.screen, out.exported);
        QVERIFY2(screenVsExport < 2.0, qPrintable(QString::number(screenVsExport)));
        // Paper is drawn at printer resolution with the printer's fonts:
        // edges differ, the ink lies in the same place.
        const double exportVsPaper = test::MeanDifference(out.exported, out.paper);
        QVERIFY2(exportVsPaper < 12.0, qPrintable(QString::number(exportVsPaper)));
        const double misplacedInk = test::InkMismatch(out.exported, out.paper, 2);
        QVERIFY2(misplacedInk < 0.04, qPrintable(QString::number(misplacedInk)));
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestSampleCards)
#include "tst_sample_cards.moc"

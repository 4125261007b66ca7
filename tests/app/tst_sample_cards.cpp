// Every sample card shipped with the program opens without a message and
// looks the same on screen, in picture export and on paper: the printed
// card, rasterised at 96 pixels per inch, has ink of the same colours where
// the screen has it, compared in small blocks with the limits of the kinds
// of object in each block — with the card's background and without it.  Set CW_OUTPUT_DIR to keep each card's
// three pictures side by side (screen | export | paper) and its PDF for looking at.
#include "app/TMainScreen.h"
#include "design/TGBusinessCardPanel32.h"
#include "support/CardOutputs.h"
#include "support/KindLimits.h"
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
        test::WorstPerKind worstScreen;
        test::WorstPerKind worstPaper;
        QStringList failures;
        // With the background the card was saved with, then without any.
        for (const bool background : {true, false}) {
            if (!background) {
                if (window.BackgroundFile.isEmpty())
                    break;
                surface.ClearColorPicture();
            }
            const QString name = base + (background ? QString() : QStringLiteral("-plain"));
            const test::CardOutputs out = test::RenderCardOutputs(
                surface, keep.isEmpty() ? QString() : keep + QLatin1Char('/') + name + QStringLiteral(".pdf"),
                background ? window.BackgroundFile : QString());
            QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
            if (!keep.isEmpty())
                test::SaveSideBySide(keep + QLatin1Char('/') + name + QStringLiteral(".png"), out.screen,
                                     out.exported, out.paper);

            QCOMPARE(out.screen.size(), out.exported.size());
            QCOMPARE(out.paper.size(), out.exported.size());
            const std::vector<test::PlacedObject> placed = test::PlacedObjects(surface);
            failures += test::CompareInBlocks(out.screen, out.exported, QStringLiteral("screen"),
                                              QStringLiteral("export"), placed, false, name, worstScreen);
            failures += test::CompareInBlocks(out.exported, out.paper, QStringLiteral("export"),
                                              QStringLiteral("paper"), placed, true, name, worstPaper);
            // Ink where the other has none, within two pixels.
            const double misplacedInk = test::InkMismatch(out.exported, out.paper, 2);
            if (misplacedInk >= 0.04)
                failures << QStringLiteral("%1: %2 of the ink is misplaced").arg(name).arg(misplacedInk);
        }
        for (const QString &line : test::WorstBlockReport(worstScreen, worstPaper))
            qInfo("%s", qPrintable(line));
        QVERIFY2(
            failures.isEmpty(),
            qPrintable(
                QStringLiteral("%1 failing blocks, first: %2").arg(failures.size()).arg(failures.value(0))));
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestSampleCards)
#include "tst_sample_cards.moc"

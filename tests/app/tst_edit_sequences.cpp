// Long random edit sequences over the design surface, given as the user
// gives them (tools, mouse, keys, menus, dialogs), each step checked: the
// design survives saving and reopening, zooming up and down, and undoing to
// the start; no object goes that no command deleted; memory stays bounded.
//
// The seeds are fixed, so CI runs the same sequences every time.  By hand:
//   CW_EDIT_STEPS=2000     steps per sequence (default 160)
//   CW_EDIT_SEED=7         run only this seed
//   CW_EDIT_CHECKS=zoom,undo   only these checks (objects, unchanged, reopen, zoom, undo,
//                              memory)
//   CW_EDIT_UNDO_EVERY=1   undo to the start after every step (default: every 5th step,
//                          before every reopen and after the last step)
//   CW_EDIT_SHRINK_SECONDS=120  time for shortening a failing sequence (default 40 per run)
// A failure names the seed, the step and the shortest step list found that
// still fails the same check.

#include "app/TMainScreen.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TBCShapes.h"
#include "support/DesignDriver.h"
#include "support/EditChecks.h"
#include "support/EditSequenceRunner.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>

namespace cw::ui {

namespace {

int envNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QImage noise(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37 + seed) & 255, (y * 91) & 255, (x * y + seed) & 255));
    return image;
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform remarks on every dialog; nothing else is dropped.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        defaultHandler(type, context, message);
}

} // namespace

class TestEditSequences : public QObject
{
    Q_OBJECT

    test::TestFolder *folder = nullptr;
    QStringList pictures;
    int totalSteps = 0;
    double shrinkSecondsLeft = 0;

private slots:
    void initTestCase()
    {
        TMainScreen::hasPrinters = [] { return false; };
        defaultHandler = qInstallMessageHandler(quietHandler);
        shrinkSecondsLeft = envNumber("CW_EDIT_SHRINK_SECONDS", 40);
    }
    void init()
    {
        folder = new test::TestFolder;
        QDir().mkpath(folder->file("art"));
        // A photograph-sized picture (some 1.4 MB) makes a copy per undo step
        // show in memory; a small one keeps most objects light.
        pictures = {folder->file("art/PHOTO.BMP"), folder->file("art/LOGO.BMP")};
        QVERIFY(noise(800, 600, 1).save(pictures[0], "BMP"));
        QVERIFY(noise(40, 30, 2).save(pictures[1], "BMP"));
    }
    void cleanup()
    {
        delete folder;
        folder = nullptr;
    }
    void cleanupTestCase() { qInfo("%d edit steps checked", totalSteps); }

    // The checks themselves see what they are there to see: an object that
    // vanishes behind the commands' back, and one that moves.
    void checksSeeALostAndAMovedObject()
    {
        test::ScriptedInteraction script;
        TMainScreen w;
        w.FormActivate();
        test::DesignDriver driver(w, script, folder->file("Saved/A.CWR"), pictures);
        test::EditChecks checks(driver, folder->file("Saved/B.CWR"));
        checks.Enabled = {QStringLiteral("objects"), QStringLiteral("zoom")};
        TGBusinessCardPanel32 &surface = *w.BusinessCardPanel();
        surface.PlaceNewObject(std::make_unique<model::TBCShapes>(), QRect(10, 10, 60, 30));
        surface.PlaceNewObject(std::make_unique<model::TBCShapes>(), QRect(90, 40, 60, 30));
        QCoreApplication::processEvents();
        checks.StartHistory(checks.Capture());

        test::EditStep select;
        select.kind = test::EditStep::Select;
        test::DesignState before = checks.Capture();
        surface.DeleteObject(surface.ObjectAt(1));
        auto failure = checks.AfterStep(0, select, true, before, checks.Capture(), false);
        QVERIFY(failure);
        QCOMPARE(failure->invariant, QStringLiteral("objects"));

        test::EditStep zoomIn;
        zoomIn.kind = test::EditStep::ZoomIn;
        before = checks.Capture();
        QVERIFY(!checks.AfterStep(1, zoomIn, true, before, before, false)); // marks 100 %
        surface.ObjectAt(0)->SetLeft(11);
        failure = checks.AfterStep(2, zoomIn, true, before, checks.Capture(), false);
        QVERIFY(failure);
        QCOMPARE(failure->invariant, QStringLiteral("zoom"));
        QVERIFY2(failure->message.contains("object 0"), qPrintable(failure->message));
    }

    void randomEditSequences_data()
    {
        QTest::addColumn<unsigned>("seed");
        const int only = envNumber("CW_EDIT_SEED", -1);
        for (unsigned seed : {1u, 2u, 3u, 4u})
            if (only < 0 || unsigned(only) == seed)
                QTest::addRow("seed %u", seed) << seed;
        if (only > 4)
            QTest::addRow("seed %d", only) << unsigned(only);
    }
    void randomEditSequences()
    {
        QFETCH(unsigned, seed);
        const int steps = envNumber("CW_EDIT_STEPS", 160);
        test::EditSequenceRunner runner(pictures);
        const QString checks = qEnvironmentVariable("CW_EDIT_CHECKS");
        if (!checks.isEmpty()) {
            const QStringList names = checks.split(QLatin1Char(','), Qt::SkipEmptyParts);
            runner.Checks = QSet<QString>(names.begin(), names.end());
        }
        runner.UndoEvery = envNumber("CW_EDIT_UNDO_EVERY", 5);
        const test::EditRunResult result = runner.RunRandom(seed, steps);
        totalSteps += int(result.steps.size());
        qInfo("seed %u: %d steps, resident memory grew by at most %.1f MB", seed, int(result.steps.size()),
              result.memoryGrowthMB);
        if (!result.failure)
            return;
        const test::EditFailure &failure = *result.failure;
        std::vector<test::EditStep> shortest = result.steps;
        if (failure.invariant != QLatin1String("memory") && shrinkSecondsLeft > 0) {
            QElapsedTimer spent;
            spent.start();
            shortest = runner.Shrink(result.steps, failure.invariant, shrinkSecondsLeft);
            shrinkSecondsLeft -= spent.elapsed() / 1000.0;
        }
        const QString message =
            QStringLiteral(
                "seed %1, step %2 (%3): the %4 check failed: %5\nshortest step list found (%6 of %7 "
                "steps):\n%8")
                .arg(seed)
                .arg(result.steps.size())
                .arg(result.steps.back().Describe(), failure.invariant, failure.message)
                .arg(shortest.size())
                .arg(result.steps.size())
                .arg(test::EditSequenceRunner::Listing(shortest));
        QFAIL(qPrintable(message));
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestEditSequences)
#include "tst_edit_sequences.moc"

// Objects keep their 100 % geometry whatever the zoom: zooming in and out
// moves and sizes nothing, and saving, copying, cloning and the undo snapshot
// at any zoom give the bytes they give at 100 %.  A move made at a zoom is
// converted to 100 % once.  Checked on every object kind with generated
// geometry and on the shipped sample cards, at every zoom step of the main
// window (float steps of 0.1 from 100 % to 150 %), painting at each step.
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TObjectRegistry.h"
#include "print/engine/Units.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace cw;
using namespace cw::model;
using ui::TGBusinessCardPanel32;

namespace {

// The zoom factors the main window's zoom-in button steps through, in its
// single-precision arithmetic (the last lands just above 1.5).
std::vector<float> zoomInSteps()
{
    std::vector<float> steps;
    for (float z = 1.0f; !(z > 1.5f);) {
        z = z + 0.1f;
        steps.push_back(z);
    }
    return steps;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<QRect> boundsOf(const TGBusinessCardPanel32 &panel)
{
    std::vector<QRect> bounds;
    for (int i = 0; i < panel.ObjectCount(); ++i)
        bounds.push_back(panel.ObjectAt(i)->BoundsRect());
    return bounds;
}

QStringList sampleCards()
{
    const QDir samples(qEnvironmentVariable("CW_SOURCE_DIR") + "/content/samples");
    QStringList paths;
    for (const QString &name : samples.entryList({"*.cwr"}, QDir::Files, QDir::Name))
        paths << samples.filePath(name);
    return paths;
}

} // namespace

class TestZoomGeometry : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestFolder> folder;
    std::unique_ptr<test::ScriptedInteraction> ui;
    std::unique_ptr<TGBusinessCardPanel32> panel;
    qint64 clock = 10000;

    // Every registered kind, several times, at generated places and sizes.
    void addGeneratedObjects(quint32 seed)
    {
        QRandomGenerator random(seed);
        const QStringList kinds = TObjectRegistry::Global().ClassNames();
        QCOMPARE(kinds.size(), 14);
        for (int round = 0; round < 3; ++round)
            for (const QString &kind : kinds) {
                std::unique_ptr<TGGraphicControl> o = TObjectRegistry::Global().Create(kind);
                o->SetBounds(random.bounded(0, 300), random.bounded(0, 170), random.bounded(1, 120),
                             random.bounded(1, 60));
                o->Loaded();
                panel->AddObject(std::move(o));
            }
    }

    // The card as it stands, through the three ways the design is written.
    struct Written
    {
        QByteArray file, clipboard, snapshot;
    };
    Written written()
    {
        Written w;
        const QString path = folder->file("card.cwr");
        panel->SaveToFile(path);
        w.file = fileBytes(path);
        panel->SelectAll();
        panel->KeyDown(Qt::Key_C, Qt::ControlModifier);
        w.clipboard = fileBytes(panel->ClipboardPath());
        panel->ClearSelection();
        w.snapshot = panel->DesignSnapshot();
        return w;
    }

    // Paints at 100 % so that text has fitted its box, then zooms through
    // every step up and back down, painting and writing at each; every write
    // must give the bytes of 100 %, and back at 100 % every object must be
    // where it was.
    void checkZoomRoundTrip(const QString &what)
    {
        panel->grab();
        const Written at100 = written();
        const std::vector<QRect> bounds100 = boundsOf(*panel);
        QSignalSpy changes(panel.get(), &TGBusinessCardPanel32::LabelChangedEvent);
        std::vector<float> steps = zoomInSteps();
        for (float z = steps.back(); z >= 1.1f;) { // the zoom-out button's steps
            z = z - 0.1f;
            steps.push_back(z);
        }
        QCOMPARE(steps.back(), 1.0f);
        for (float z : steps) {
            panel->SetZoom(z);
            panel->grab();
            const Written w = written();
            const QString where = QString("%1 at zoom %2").arg(what).arg(double(z), 0, 'g', 9);
            QVERIFY2(w.file == at100.file, qPrintable(where + ": card file"));
            QVERIFY2(w.clipboard == at100.clipboard, qPrintable(where + ": clipboard"));
            QVERIFY2(w.snapshot == at100.snapshot, qPrintable(where + ": undo snapshot"));
        }
        QVERIFY2(boundsOf(*panel) == bounds100, qPrintable(what + ": bounds after zooming back"));
        QVERIFY2(changes.isEmpty(), qPrintable(what + ": zooming reported a change"));
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::TestFolder>();
        ui = std::make_unique<test::ScriptedInteraction>();
        panel = std::make_unique<TGBusinessCardPanel32>();
        panel->setCardSize(336, 192);
        panel->Clock = [this] { return clock += 2000; };
        panel->Frame().Clock = [this] { return clock; };
        panel->RunPopup = [](std::vector<TGMenuItem> &, const QPoint &) {};
    }
    void cleanup()
    {
        panel.reset();
        ui.reset();
        folder.reset();
    }

    void everyKindKeepsItsGeometryThroughZoom()
    {
        for (quint32 seed : {1u, 2u, 3u}) {
            panel->ClearObjects();
            addGeneratedObjects(seed);
            checkZoomRoundTrip(QString("seed %1").arg(seed));
        }
    }

    void sampleCardsKeepTheirGeometryThroughZoom()
    {
        const QStringList cards = sampleCards();
        QVERIFY(!cards.isEmpty());
        for (const QString &card : cards) {
            panel->ClearObjects();
            panel->LoadFromFile(card);
            QVERIFY(panel->ObjectCount() > 0);
            checkZoomRoundTrip(QFileInfo(card).fileName());
        }
    }

    void cardSizeComesBackAfterZooming()
    {
        panel->setCardSize(337, 193);
        for (float z : zoomInSteps()) {
            panel->SetZoom(z);
            QCOMPARE(panel->size(), QSize(Round(337 * double(z)), Round(193 * double(z))));
        }
        panel->SetZoom(1.0f);
        QCOMPARE(panel->size(), QSize(337, 193));
    }

    void cloneAtAnyZoomMatchesCloneAt100()
    {
        addGeneratedObjects(7);
        const int n = panel->ObjectCount();
        // The clone of each object made at 100 %, as its record.
        std::vector<QByteArray> expected;
        for (int i = 0; i < n; ++i) {
            panel->CloneObject(panel->ObjectAt(i));
            TGGraphicControl *copy = panel->ObjectAt(panel->ObjectCount() - 1);
            copy->Name = "Copy";
            expected.push_back(TGLabelObjectFiler::ObjectListBytes({copy}));
            panel->DeleteObject(copy);
        }
        for (float z : zoomInSteps()) {
            panel->SetZoom(z);
            for (int i = 0; i < n; ++i) {
                panel->CloneObject(panel->ObjectAt(i));
                TGGraphicControl *copy = panel->ObjectAt(panel->ObjectCount() - 1);
                copy->Name = "Copy";
                QVERIFY2(TGLabelObjectFiler::ObjectListBytes({copy}) == expected[std::size_t(i)],
                         qPrintable(QString("%1 at zoom %2").arg(copy->ClassName()).arg(double(z))));
                panel->DeleteObject(copy);
            }
        }
    }

    void moveAtAZoomIsConvertedOnce()
    {
        // A 40 x 20 rectangle at (21, 31), moved at 150 % with the arrow keys
        // and by the mouse: its 100 % position follows what is shown, its
        // 100 % size stays, and it is shown where that position puts it.
        panel->SetPanelState(ui::psRectangle);
        panel->CreateObject(QRect(QPoint(21, 31), QPoint(61, 51))); // band to the release point
        panel->SetPanelState(ui::psPointing);
        TGGraphicControl *o = panel->ObjectAt(0);
        QCOMPARE(o->BoundsRect(), QRect(21, 31, 40, 20));
        panel->SetZoom(1.5f);
        QCOMPARE(o->BoundsRect(), QRect(32, 46, 60, 30)); // 31.5 -> 32, 46.5 -> 46
        panel->Frame().Add(o);
        for (int i = 0; i < 3; ++i)
            panel->Frame().HandleKeyDown(Qt::Key_Right, {});
        panel->Frame().HandleKeyUp(Qt::Key_Right);
        QCOMPARE(o->BoundsRect(), QRect(34, 46, 60, 30)); // 35 / 1.5 -> 23, 34.5 -> 34
        panel->Frame().HandleMouseDown(Qt::LeftButton, {}, QPoint(30, 17));
        clock += 500;
        panel->Frame().HandleMouseMove(Qt::LeftButton, {}, QPoint(30, 47));
        panel->Frame().HandleMouseUp(Qt::LeftButton, {}, QPoint(30, 47));
        QCOMPARE(o->BoundsRect(), QRect(34, 76, 60, 30)); // 76 / 1.5 -> 51, 76.5 -> 76
        panel->SetZoom(1.0f);
        QCOMPARE(o->BoundsRect(), QRect(23, 51, 40, 20)); // 35 / 1.5 -> 23, 76 / 1.5 -> 51
    }
};

QTEST_MAIN(TestZoomGeometry)
#include "tst_zoomgeometry.moc"

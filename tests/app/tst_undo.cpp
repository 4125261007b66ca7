// Undo and redo of design changes: the history, the surface's snapshots, and
// the main window's change state.

#include "app/TMainScreen.h"
#include "app/model/TUndoHistory.h"
#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGPicture.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <unistd.h>

namespace cw::ui {

class TestUndo : public QObject
{
    Q_OBJECT

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    static model::TDesignState state(const char *bytes, const QString &background = {})
    {
        return {model::TStreamPieces{QByteArray(bytes)}, background};
    }
    static void addShape(TMainScreen &w, QRect r)
    {
        w.BusinessCardPanel()->PlaceNewObject(std::make_unique<model::TBCShapes>(), r);
        QCoreApplication::processEvents(); // the change is recorded after the command
    }

    // A picture object of `side` x `side` noise pixels (a 24-bit bitmap of
    // about 3 x side^2 bytes) at `where`.
    static void addPicture(TMainScreen &w, int side, QRect where)
    {
        QImage noise(side, side, QImage::Format_RGB32);
        quint32 x = 12345;
        for (int y = 0; y < side; ++y) {
            auto *line = reinterpret_cast<QRgb *>(noise.scanLine(y));
            for (int i = 0; i < side; ++i)
                line[i] = 0xFF000000u | ((x = x * 1103515245u + 12345u) >> 8);
        }
        auto image = std::make_unique<model::TGImage>();
        model::TGPicture picture;
        picture.SetBitmap(noise);
        image->SetPicture(picture);
        w.BusinessCardPanel()->PlaceNewObject(std::move(image), where);
        QCoreApplication::processEvents();
    }
    // Arrow-key nudges of the selected objects, each recorded as one step.
    static void nudge(TMainScreen &w, int key, int times)
    {
        TGHandle &frame = w.BusinessCardPanel()->Frame();
        for (int i = 0; i < times; ++i) {
            frame.HandleKeyDown(key, {});
            frame.HandleKeyUp(key);
            QCoreApplication::processEvents();
        }
    }
    static double residentMB()
    {
        QFile statm("/proc/self/statm");
        if (!statm.open(QIODevice::ReadOnly))
            return 0.0;
        const QList<QByteArray> fields = statm.readAll().split(' ');
        return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0)
                                 : 0.0;
    }
    static QByteArray fileBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        TMainScreen::hasPrinters = [] { return false; };
    }
    void cleanup()
    {
        delete script;
        delete folder;
    }

    void historyStepsAndDropsRedoOnANewChange()
    {
        model::TUndoHistory h;
        h.Reset(state("a"));
        QVERIFY(!h.CanUndo());
        QVERIFY(h.Record(state("b")));
        QVERIFY(!h.Record(state("b"))); // no change, no step
        QVERIFY(h.Record(state("c")));
        QCOMPARE(h.Undo()->ObjectList(), QByteArray("b"));
        QVERIFY(!h.AtSavedState());
        QCOMPARE(h.Undo()->ObjectList(), QByteArray("a"));
        QVERIFY(h.AtSavedState());
        QVERIFY(!h.Undo());
        QCOMPARE(h.Redo()->ObjectList(), QByteArray("b"));
        QVERIFY(h.Record(state("d"))); // redo of "c" is gone
        QVERIFY(!h.CanRedo());
        QCOMPARE(h.Count(), 3);
        // Saved state dropped with the redo branch: nothing is the saved state.
        h.Reset(state("a"));
        h.Record(state("b"));
        h.Undo();
        h.Record(state("x"));
        h.Undo();
        QVERIFY(h.AtSavedState());
        h.MarkSaved();
        h.Redo();
        QVERIFY(!h.AtSavedState());
    }

    void historyIsBounded()
    {
        model::TUndoHistory h;
        h.Reset(state("0"));
        for (int i = 1; i <= model::TUndoHistory::MaxStates + 10; ++i)
            h.Record(state(QByteArray::number(i).constData()));
        QCOMPARE(h.Count(), model::TUndoHistory::MaxStates);
        int steps = 0;
        while (h.Undo())
            ++steps;
        QCOMPARE(steps, model::TUndoHistory::MaxStates - 1);
        QVERIFY(!h.AtSavedState()); // the saved state fell off the end
    }

    void undoAndRedoDrawingAndMoving()
    {
        TMainScreen w;
        w.FormActivate();
        auto *undo = w.findChild<QAction *>("mnuUndo");
        auto *redo = w.findChild<QAction *>("mnuRedo");
        QVERIFY(!undo->isEnabled());
        addShape(w, QRect(10, 10, 60, 30));
        QVERIFY(undo->isEnabled());
        w.BusinessCardPanel()->ObjectAt(0)->SetLeft(100);
        QCoreApplication::processEvents();
        w.mnuUndoClick();
        QCOMPARE(w.BusinessCardPanel()->ObjectCount(), 1);
        QCOMPARE(w.BusinessCardPanel()->ObjectAt(0)->Left(), 10);
        QVERIFY(w.ChangesMade());
        w.mnuUndoClick();
        QCOMPARE(w.BusinessCardPanel()->ObjectCount(), 0);
        QVERIFY(!w.ChangesMade()); // back at the state of the start
        QVERIFY(!undo->isEnabled());
        w.mnuRedoClick();
        w.mnuRedoClick();
        QCOMPARE(w.BusinessCardPanel()->ObjectAt(0)->Left(), 100);
        QVERIFY(!redo->isEnabled());
        QVERIFY(w.ChangesMade());
    }

    // The first change an object makes after it is read back by Undo is a
    // step of its own, also for an object that was never painted: one lying
    // below the card's edge, or one changed before the next paint.
    void aChangeBeforeTheFirstPaintAfterUndoIsAStep()
    {
        TMainScreen w;
        w.FormActivate();
        TGBasePanel *panel = w.BusinessCardPanel();
        addShape(w, QRect(10, 10, 60, 30));
        addShape(w, QRect(40, panel->height() + 5, 20, 20)); // below the card
        panel->ObjectAt(0)->SetLeft(30);
        QCoreApplication::processEvents();
        w.mnuUndoClick();
        QCoreApplication::processEvents();
        QCOMPARE(panel->ObjectAt(0)->Left(), 10);
        panel->ObjectAt(1)->SetLeft(70); // the first report of a read-back object
        QCoreApplication::processEvents();
        w.mnuUndoClick(); // the move, not the shape below the card
        QCOMPARE(panel->ObjectCount(), 2);
        QCOMPARE(panel->ObjectAt(1)->Left(), 40);
        w.mnuRedoClick();
        QCOMPARE(panel->ObjectAt(1)->Left(), 70);

        // Read back and changed at once, before any paint.
        w.mnuUndoClick();
        panel->ObjectAt(0)->SetTop(50);
        QCoreApplication::processEvents();
        w.mnuUndoClick();
        QCOMPARE(panel->ObjectAt(0)->Top(), 10);
        w.mnuRedoClick();
        QCOMPARE(panel->ObjectAt(0)->Top(), 50);
    }

    void undoToTheSavedStateClearsTheChangeFlag()
    {
        TMainScreen w;
        w.FormActivate();
        addShape(w, QRect(10, 10, 60, 30));
        QVERIFY(w.SaveBCFile(folder->file("Saved/u.cwr")));
        w.SetChangesMade(false);
        addShape(w, QRect(40, 40, 20, 20));
        QVERIFY(w.ChangesMade());
        w.mnuUndoClick();
        QVERIFY(!w.ChangesMade());
        w.mnuUndoClick();
        QVERIFY(w.ChangesMade());
        QCOMPARE(w.BusinessCardPanel()->ObjectCount(), 0);
    }

    void snapshotsAreAt100PercentWhateverTheZoom()
    {
        TMainScreen w;
        w.FormActivate();
        addShape(w, QRect(10, 20, 100, 50));
        for (int i = 0; i < 5; ++i)
            w.ZoomIn();
        const auto stored =
            model::TGLabelObjectFiler().ReadObjectList(w.BusinessCardPanel()->DesignSnapshot());
        QCOMPARE(stored.size(), size_t(1));
        QCOMPARE(stored[0]->BoundsRect(), QRect(10, 20, 100, 50));
        const QRect zoomed = w.BusinessCardPanel()->ObjectAt(0)->BoundsRect();
        w.BusinessCardPanel()->ObjectAt(0)->SetLeft(zoomed.left() + 30);
        QCoreApplication::processEvents();
        w.mnuUndoClick();
        QCOMPARE(w.BusinessCardPanel()->ObjectAt(0)->BoundsRect(), zoomed);
    }

    void twentyStepsBackAndForthReproduceEveryCard()
    {
        TMainScreen w;
        w.FormActivate();
        TGBasePanel *panel = w.BusinessCardPanel();
        std::vector<QByteArray> cards{panel->DesignSnapshot()};
        for (int i = 0; i < 20; ++i) {
            if (i % 3 == 0 || panel->ObjectCount() == 0)
                addShape(w, QRect(5 + 7 * i, 4 + 3 * i, 30 + i, 20));
            else
                panel->ObjectAt(i % panel->ObjectCount())->SetLeft(2 * i);
            QCoreApplication::processEvents();
            cards.push_back(panel->DesignSnapshot());
        }
        for (int i = 19; i >= 0; --i) {
            w.mnuUndoClick();
            QCOMPARE(panel->DesignSnapshot(), cards[size_t(i)]);
        }
        QVERIFY(!w.ChangesMade());
        for (int i = 1; i <= 20; ++i) {
            w.mnuRedoClick();
            QCOMPARE(panel->DesignSnapshot(), cards[size_t(i)]);
        }
    }

    void nudgesDoNotCopyThePictures()
    {
        // 150 nudges of a card with a 1000 x 1000 picture (3 MB): the steps
        // share the picture instead of keeping a copy each.
#ifdef CW_SANITIZED
        QSKIP("freed memory waits in the sanitizer's quarantine; the plain build measures it");
#endif
        TMainScreen w;
        w.FormActivate();
        addPicture(w, 1000, QRect(10, 10, 100, 100));
        addShape(w, QRect(150, 20, 40, 30));
        TGHandle &frame = w.BusinessCardPanel()->Frame();
        frame.Clear();
        frame.Add(w.BusinessCardPanel()->ObjectAt(0));
        nudge(w, Qt::Key_Right, 2);
        const double before = residentMB();
        nudge(w, Qt::Key_Right, 75);
        nudge(w, Qt::Key_Down, 75);
        const double added = residentMB() - before;
        QVERIFY2(added < 30.0, qPrintable(QString("%1 MB added").arg(added)));
        QCOMPARE(w.BusinessCardPanel()->ObjectAt(0)->Left(), 10 + 77);
        QCOMPARE(w.BusinessCardPanel()->ObjectAt(0)->Top(), 10 + 75);
        w.mnuUndoClick();
        QCOMPARE(w.BusinessCardPanel()->ObjectAt(0)->Top(), 10 + 74);
    }

    void undoBackToTheStartGivesTheFirstFile()
    {
        TMainScreen w;
        w.FormActivate();
        addPicture(w, 300, QRect(10, 10, 100, 100));
        addShape(w, QRect(150, 20, 40, 30));
        addPicture(w, 200, QRect(200, 60, 50, 50));
        const QString first = folder->file("Saved/first.cwr");
        QVERIFY(w.SaveBCFile(first));
        TGBasePanel *panel = w.BusinessCardPanel();
        TGHandle &frame = panel->Frame();
        frame.Clear();
        frame.Add(panel->ObjectAt(0));
        frame.Add(panel->ObjectAt(2));
        nudge(w, Qt::Key_Left, 3);
        w.ZoomIn(); // steps at another zoom are kept at 100 % too
        frame.Clear();
        frame.Add(panel->ObjectAt(2));
        nudge(w, Qt::Key_Up, 4);
        panel->ObjectAt(1)->SetLeft(5);
        QCoreApplication::processEvents();
        for (int steps = 0; !w.UndoHistory.AtSavedState() && steps < 20; ++steps)
            w.mnuUndoClick();
        QVERIFY(!w.ChangesMade());
        const QString again = folder->file("Saved/again.cwr");
        QVERIFY(w.SaveBCFile(again));
        QCOMPARE(fileBytes(again), fileBytes(first));
    }

    void snapshotsSharePiecesThatDidNotChange()
    {
        TMainScreen w;
        w.FormActivate();
        addPicture(w, 100, QRect(10, 10, 50, 50));
        addShape(w, QRect(150, 20, 40, 30));
        TGBasePanel *panel = w.BusinessCardPanel();
        model::TDesignSnapshots snapshots;
        const auto take = [&] { return snapshots.Take({panel->ObjectAt(0), panel->ObjectAt(1)}); };
        const model::TStreamPieces one = take();
        QCOMPARE(model::TDesignSnapshots::Join(one),
                 model::TGLabelObjectFiler::ObjectListBytes({panel->ObjectAt(0), panel->ObjectAt(1)}));

        // The picture moves: its record changes, its bytes are the same piece.
        panel->ObjectAt(0)->SetLeft(20);
        const model::TStreamPieces two = take();
        QCOMPARE(model::TDesignSnapshots::Join(two),
                 model::TGLabelObjectFiler::ObjectListBytes({panel->ObjectAt(0), panel->ObjectAt(1)}));
        const auto large = [](const model::TStreamPieces &pieces) {
            QList<const char *> data;
            for (const QByteArray &piece : pieces)
                if (piece.size() >= 30000)
                    data << piece.constData();
            return data;
        };
        QCOMPARE(large(one).size(), 1);
        QCOMPARE(large(two), large(one));
        QVERIFY(!model::TDesignSnapshots::Same(one, two));
        // The shape did not change: its record is the same piece.
        QCOMPARE(two[two.size() - 2].constData(), one[one.size() - 2].constData());
        QVERIFY(model::TDesignSnapshots::Same(two, take()));

        // At another zoom the pieces are those at 100 %, names included.
        for (int i = 0; i < 3; ++i)
            w.ZoomIn();
        const model::TStreamPieces zoomed = take();
        QVERIFY(model::TDesignSnapshots::Same(zoomed, two));
        QCOMPARE(large(zoomed), large(one));
    }

    void openingANewDesignStartsANewHistory()
    {
        TMainScreen w;
        w.FormActivate();
        addShape(w, QRect(10, 10, 60, 30));
        w.New1Click(); // "Save changes?" answered No
        QVERIFY(!w.findChild<QAction *>("mnuUndo")->isEnabled());
        QCOMPARE(w.BusinessCardPanel()->ObjectCount(), 0);
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestUndo)
#include "tst_undo.moc"

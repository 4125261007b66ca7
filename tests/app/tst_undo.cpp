// Undo and redo of design changes: the history, the surface's snapshots, and
// the main window's change state.

#include "app/TMainScreen.h"
#include "app/model/TUndoHistory.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QTest>

namespace cw::ui {

class TestUndo : public QObject
{
    Q_OBJECT

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    static model::TDesignState state(const char *bytes, const QString &background = {})
    {
        return {QByteArray(bytes), background};
    }
    static void addShape(TMainScreen &w, QRect r)
    {
        w.BusinessCardPanel()->PlaceNewObject(std::make_unique<model::TBCShapes>(), r);
        QCoreApplication::processEvents(); // the change is recorded after the command
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
        QCOMPARE(h.Undo()->Objects, QByteArray("b"));
        QVERIFY(!h.AtSavedState());
        QCOMPARE(h.Undo()->Objects, QByteArray("a"));
        QVERIFY(h.AtSavedState());
        QVERIFY(!h.Undo());
        QCOMPARE(h.Redo()->Objects, QByteArray("b"));
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
        const auto stored = model::TGLabelObjectFiler().ReadObjectList(w.BusinessCardPanel()->DesignSnapshot());
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

// Deleting: a card file is deleted only on an explicit Yes to a question that
// names it, and objects deleted from the design come back with Undo.

#include "app/TMainScreen.h"
#include "app/model/TCardFiles.h"
#include "design/model/TBCShapes.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace cw::ui {

class TestDeleteCommands : public QObject
{
    Q_OBJECT

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    static model::TGGraphicControl *addShape(TMainScreen &w, QRect r)
    {
        auto *placed = w.BusinessCardPanel()->PlaceNewObject(std::make_unique<model::TBCShapes>(), r);
        QCoreApplication::processEvents(); // the change is recorded after the command
        return placed;
    }
    static QList<QRect> bounds(TMainScreen &w)
    {
        QList<QRect> rects;
        for (int i = 0; i < w.BusinessCardPanel()->ObjectCount(); ++i) {
            const auto *o = w.BusinessCardPanel()->ObjectAt(i);
            rects << QRect(o->Left(), o->Top(), o->Width(), o->Height());
        }
        return rects;
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

    void deletingACardFileAsksWithNoAsTheDefault()
    {
        TMainScreen w;
        w.FormActivate();
        const QString path = folder->file("Saved/BC0007.CWR");
        addShape(w, QRect(10, 10, 60, 30));
        QVERIFY(w.SaveBCFile(path));
        // An unanswered question (Enter, Esc, closing the box) keeps the file.
        script->fileNames.enqueue(path);
        w.Delete1Click();
        QVERIFY(QFile::exists(path));
        const QString asked = "Delete " + path + "?";
        QCOMPARE(script->questionsDefaultNo, QStringList{asked});
        QVERIFY(script->log.contains("question[CONFIRM]: " + asked));
        script->fileNames.enqueue(path);
        script->answers.enqueue(true);
        w.Delete1Click();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(script->questionsDefaultNo, (QStringList{asked, asked}));
    }

    void deletedObjectsComeBackWithUndo()
    {
        TMainScreen w;
        w.FormActivate();
        auto *panel = w.BusinessCardPanel();
        auto *first = addShape(w, QRect(10, 10, 60, 30));
        auto *second = addShape(w, QRect(80, 40, 50, 20));
        addShape(w, QRect(20, 90, 40, 40));
        const QList<QRect> before = bounds(w);
        auto *undo = w.findChild<QAction *>("mnuUndo");

        // The Delete key on a selection of two: one step brings both back.
        panel->SelectObjects({first, second});
        panel->KeyDown(Qt::Key_Delete, {});
        QCoreApplication::processEvents();
        QCOMPARE(panel->ObjectCount(), 1);
        QVERIFY(undo->isEnabled());
        w.mnuUndoClick();
        QCOMPARE(bounds(w), before);
        w.mnuRedoClick();
        QCOMPARE(panel->ObjectCount(), 1);
        w.mnuUndoClick();
        QCOMPARE(bounds(w), before);

        // Delete from one object's own menu, not selected: that one alone.
        panel->ClearSelection();
        panel->ClipboardCommand(panel->ObjectAt(2), TClipboardCommand::Delete);
        QCoreApplication::processEvents();
        QCOMPARE(bounds(w), before.mid(0, 2));
        w.mnuUndoClick();
        QCOMPARE(bounds(w), before);
        QVERIFY(script->questions.isEmpty()); // deleting objects asks nothing
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestDeleteCommands)
#include "tst_deletecommands.moc"

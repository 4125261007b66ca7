// The two sides of a card in the designer: switching, the back's companion
// file, and undo across sides.

#include "app/TMRUFileList.h"
#include "app/TMainScreen.h"
#include "app/model/TCardFiles.h"
#include "design/model/TBCShapes.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <QToolButton>

namespace cw::ui {

using model::TCardSide;

class TestCardSides : public QObject
{
    Q_OBJECT

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    static QByteArray bytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeBytes(const QString &path, const QByteArray &data)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    static void addShape(TMainScreen &w, QRect r, model::TShapeType type = model::stRectangle)
    {
        auto shape = std::make_unique<model::TBCShapes>();
        shape->SetShape(type);
        w.BusinessCardPanel()->PlaceNewObject(std::move(shape), r);
        QCoreApplication::processEvents(); // the change is recorded after the command
    }
    static QList<QRect> bounds(TMainScreen &w, TCardSide side)
    {
        QList<QRect> result;
        for (auto *o : w.BusinessCardPanel()->SideObjects(side))
            result << o->BoundsRect();
        return result;
    }
    std::unique_ptr<TMainScreen> window()
    {
        auto w = std::make_unique<TMainScreen>();
        w->FormActivate();
        script->informations.clear();
        script->log.clear();
        return w;
    }

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        TMainScreen::hasPrinters = [] { return true; };
        TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
    }
    void cleanup()
    {
        delete script;
        delete folder;
    }

    void companionNamesFollowTheCardName()
    {
        QCOMPARE(model::TCardFiles::BackPath("/s/Smith.cwr"), QStringLiteral("/s/Smith.back.cwr"));
        QCOMPARE(model::TCardFiles::BackPath("/s/Smith.CWR"), QStringLiteral("/s/Smith.BACK.CWR"));
        QCOMPARE(model::TCardFiles::BackPath("/s/J.Smith"), QStringLiteral("/s/J.Smith.BACK.CWR"));
        QCOMPARE(model::TCardFiles::SidecarPath(model::TCardFiles::BackPath("/s/Smith.cwr")),
                 QStringLiteral("/s/Smith.back.cwe"));
    }

    void eachSideKeepsItsObjectsAndBackground()
    {
        auto w = window();
        addShape(*w, QRect(10, 10, 60, 30));
        QVERIFY(!w->HasBack());
        w->BackgroundFile = QStringLiteral("/nowhere/front.bmp");
        w->ShowCardSide(TCardSide::Back);
        QCOMPARE(w->CardSide(), TCardSide::Back);
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 0);
        QVERIFY(w->BackgroundFile.isEmpty());
        QCOMPARE(w->findChild<QToolButton *>("BackButton")->isChecked(), true);
        addShape(*w, QRect(100, 50, 40, 40), model::stEllipse);
        QVERIFY(w->HasBack());
        w->BackgroundFile = QStringLiteral("/nowhere/back.bmp");
        // Zooming while the back is shown reaches the front's objects too.
        w->ZoomIn();
        w->ShowCardSide(TCardSide::Front);
        QCOMPARE(w->BackgroundFile, QStringLiteral("/nowhere/front.bmp"));
        QCOMPARE(w->SideBackgroundFile(TCardSide::Back), QStringLiteral("/nowhere/back.bmp"));
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 1);
        QCOMPARE(w->BusinessCardPanel()->ObjectAt(0)->BoundsRect(), QRect(11, 11, 66, 33));
        QCOMPARE(w->findChild<QToolButton *>("FrontButton")->isChecked(), true);
        // New gives an empty back.
        w->SetChangesMade(false);
        w->New1Click();
        QVERIFY(!w->HasBack());
        QCOMPARE(w->CardSide(), TCardSide::Front);
    }

    void ctrlPageKeysSwitchSides()
    {
        auto w = window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::keyClick(w.get(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w->CardSide(), TCardSide::Back);
        QTest::keyClick(w.get(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(w->CardSide(), TCardSide::Front);
    }

    void frontFileIsTheOneSidedCardAndTheBackIsItsCompanion()
    {
        auto one = window();
        addShape(*one, QRect(10, 10, 60, 30));
        one->BackgroundFile = QStringLiteral("/nowhere/front.bmp");
        const QString single = folder->file("Saved/single.cwr");
        QVERIFY(one->SaveBCFile(single));
        QVERIFY(!QFile::exists(model::TCardFiles::BackPath(single)));

        auto two = window();
        addShape(*two, QRect(10, 10, 60, 30));
        two->BackgroundFile = QStringLiteral("/nowhere/front.bmp");
        two->ShowCardSide(TCardSide::Back);
        addShape(*two, QRect(100, 50, 40, 40), model::stEllipse);
        two->BackgroundFile = QStringLiteral("/nowhere/back.bmp");
        const QString pair = folder->file("Saved/pair.cwr");
        // Saved while the back is shown: the front file is still the front.
        QVERIFY(two->SaveBCFile(pair));
        QCOMPARE(bytes(pair), bytes(single));
        QCOMPARE(bytes(model::TCardFiles::SidecarPath(pair)), bytes(model::TCardFiles::SidecarPath(single)));
        const QString back = folder->file("Saved/pair.back.cwr");
        QVERIFY(bytes(back).startsWith(QByteArray("\x01TPF0", 5)));
        QCOMPARE(bytes(folder->file("Saved/pair.back.cwe")), QByteArray("/nowhere/back.bmp\r\n"));

        // Reopened: both sides as they were, the front shown.
        auto again = window();
        again->OpenBCFile(pair);
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(again->CardSide(), TCardSide::Front);
        QCOMPARE(bounds(*again, TCardSide::Front), QList<QRect>{QRect(10, 10, 60, 30)});
        QCOMPARE(bounds(*again, TCardSide::Back), QList<QRect>{QRect(100, 50, 40, 40)});
        QCOMPARE(again->SideBackgroundFile(TCardSide::Back), QStringLiteral("/nowhere/back.bmp"));

        // Save As writes the pair under the new name (reading names objects
        // afresh, so the pair is compared with the reopened card saved).
        QVERIFY(again->mnuSaveClick());
        const QString copy = folder->file("Saved/copy.cwr");
        script->fileNames.enqueue(copy);
        QVERIFY(again->mnuSaveAsClick());
        QCOMPARE(bytes(copy), bytes(pair));
        QCOMPARE(bytes(folder->file("Saved/copy.back.cwr")), bytes(back));
        QCOMPARE(bytes(folder->file("Saved/copy.back.cwe")), QByteArray("/nowhere/back.bmp\r\n"));
        QCOMPARE(again->RecentFiles->Items().first(), copy);

        // Objects off the card go on saving, on either side.
        again->ShowCardSide(TCardSide::Front);
        addShape(*again, QRect(400, 10, 20, 20));
        again->ShowCardSide(TCardSide::Back);
        addShape(*again, QRect(10, 300, 20, 20));
        QVERIFY(again->mnuSaveClick());
        QCOMPARE(bounds(*again, TCardSide::Front).size(), 1);
        QCOMPARE(bounds(*again, TCardSide::Back).size(), 1);

        // Emptying the back and saving leaves a one-sided card.
        again->ShowCardSide(TCardSide::Back);
        again->BusinessCardPanel()->DeleteObject(again->BusinessCardPanel()->ObjectAt(0));
        again->BackgroundFile.clear();
        QVERIFY(again->mnuSaveClick());
        QVERIFY(!QFile::exists(folder->file("Saved/copy.back.cwr")));
        QVERIFY(!QFile::exists(folder->file("Saved/copy.back.cwe")));

        // Delete takes the pair.
        script->fileNames.enqueue(pair);
        script->answers.enqueue(true);
        again->Delete1Click();
        QVERIFY(!QFile::exists(pair));
        QVERIFY(!QFile::exists(back));
        QVERIFY(!QFile::exists(folder->file("Saved/pair.back.cwe")));
    }

    void oldCardsOpenWithAnEmptyBackAndDamagedBacksNeverBlockTheFront()
    {
        auto w = window();
        addShape(*w, QRect(10, 10, 60, 30));
        w->ShowCardSide(TCardSide::Back);
        addShape(*w, QRect(20, 20, 50, 50));
        const QString path = folder->file("Saved/card.cwr");
        QVERIFY(w->SaveBCFile(path));
        const QString back = model::TCardFiles::BackPath(path);
        const QByteArray goodBack = bytes(back);

        // A card without a companion is an old one-sided card.
        QFile::remove(back);
        auto old = window();
        old->OpenBCFile(path);
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(bounds(*old, TCardSide::Front).size(), 1);
        QVERIFY(!old->HasBack());

        // A back sidecar without its back file: the back went missing.
        writeBytes(model::TCardFiles::SidecarPath(back), "/nowhere/back.bmp\r\n");
        auto missing = window();
        missing->OpenBCFile(path);
        QCOMPARE(script->informations.size(), 1);
        QVERIFY(script->informations.first().startsWith("The back side " + back + " is missing."));
        QCOMPARE(bounds(*missing, TCardSide::Front).size(), 1);
        QVERIFY(missing->SaveBCFile(path));
        QVERIFY(QFile::exists(model::TCardFiles::SidecarPath(back)));
        QFile::remove(model::TCardFiles::SidecarPath(back));
        script->informations.clear();

        // A damaged back: the front opens, the user is told, the file stays.
        writeBytes(back, goodBack.left(goodBack.size() - 5));
        auto damaged = window();
        damaged->OpenBCFile(path);
        QCOMPARE(script->informations.size(), 1);
        QVERIFY(script->informations.first().contains(back));
        QCOMPARE(damaged->FileName, path);
        QCOMPARE(bounds(*damaged, TCardSide::Front), QList<QRect>{QRect(10, 10, 60, 30)});
        QVERIFY(!damaged->HasBack());
        // Saving the front does not throw the damaged back away...
        QVERIFY(damaged->SaveBCFile(path));
        QCOMPARE(bytes(back), goodBack.left(goodBack.size() - 5));
        // ...until the card gets a back of its own.
        damaged->ShowCardSide(TCardSide::Back);
        addShape(*damaged, QRect(5, 5, 20, 20));
        QVERIFY(damaged->SaveBCFile(path));
        auto fixed = window();
        fixed->OpenBCFile(path);
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(bounds(*fixed, TCardSide::Back), QList<QRect>{QRect(5, 5, 20, 20)});
    }

    void undoAndRedoShowTheSideTheyChange()
    {
        auto w = window();
        addShape(*w, QRect(10, 10, 60, 30));
        w->ShowCardSide(TCardSide::Back);
        addShape(*w, QRect(100, 50, 40, 40));
        w->ShowCardSide(TCardSide::Front);
        // Switching sides is no change of its own.
        QVERIFY(w->UndoHistory.CanUndo());
        const int steps = w->UndoHistory.Count();
        w->ShowCardSide(TCardSide::Back);
        w->ShowCardSide(TCardSide::Front);
        // Nor is a side catching up with a zoom made while it was hidden.
        w->ZoomIn();
        w->ShowCardSide(TCardSide::Back);
        w->ZoomOut();
        w->ShowCardSide(TCardSide::Front);
        QCoreApplication::processEvents();
        QCOMPARE(w->UndoHistory.Count(), steps);
        QCOMPARE(bounds(*w, TCardSide::Front), QList<QRect>{QRect(10, 10, 60, 30)});

        // The last step was on the back: undo shows the back without it.
        w->mnuUndoClick();
        QCOMPARE(w->CardSide(), TCardSide::Back);
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 0);
        QCOMPARE(bounds(*w, TCardSide::Front).size(), 1);
        w->mnuUndoClick();
        QCOMPARE(w->CardSide(), TCardSide::Front);
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 0);
        QVERIFY(!w->ChangesMade());
        w->mnuRedoClick();
        QCOMPARE(w->CardSide(), TCardSide::Front);
        QCOMPARE(bounds(*w, TCardSide::Front), QList<QRect>{QRect(10, 10, 60, 30)});
        w->mnuRedoClick();
        QCOMPARE(w->CardSide(), TCardSide::Back);
        QCOMPARE(bounds(*w, TCardSide::Back), QList<QRect>{QRect(100, 50, 40, 40)});
        QCOMPARE(bounds(*w, TCardSide::Front), QList<QRect>{QRect(10, 10, 60, 30)});
    }

    void pictureExportWritesTheFrontAndTheBackBesideIt()
    {
        auto w = window();
        auto box = [&](QRect r) {
            auto shape = std::make_unique<model::TBCShapes>();
            shape->SetBrush(model::TGBrush{model::clBlack, model::bsSolid});
            w->BusinessCardPanel()->PlaceNewObject(std::move(shape), r);
        };
        box(QRect(10, 40, 100, 100));
        const QString single = folder->file("single.png");
        QVERIFY(w->SaveCardToBitmap(single, model::TExportType::Png, 96));
        QVERIFY(!QFile::exists(folder->file("single.back.png")));

        w->ShowCardSide(TCardSide::Back);
        box(QRect(220, 40, 100, 100));
        const QString path = folder->file("card.png");
        QVERIFY(w->SaveCardToBitmap(path, model::TExportType::Png, 96));
        const QImage front(path);
        const QImage back(folder->file("card.back.png"));
        QCOMPARE(front, QImage(single));
        QCOMPARE(qGray(front.pixel(60, 90)), 0);
        QCOMPARE(qGray(front.pixel(270, 90)), 255);
        QCOMPARE(qGray(back.pixel(60, 90)), 255);
        QCOMPARE(qGray(back.pixel(270, 90)), 0);
        QCOMPARE(w->CardSide(), TCardSide::Back);
    }

    void clipboardCarriesObjectsFromFrontToBack()
    {
        auto w = window();
        addShape(*w, QRect(10, 10, 60, 30), model::stEllipse);
        TGBasePanel *panel = w->BusinessCardPanel();
        panel->ClipboardCommand(panel->ObjectAt(0), TClipboardCommand::Copy);
        w->ShowCardSide(TCardSide::Back);
        panel->KeyDown(Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(panel->ObjectCount(), 1);
        QCOMPARE(bounds(*w, TCardSide::Front).size(), 1);
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestCardSides)
#include "tst_cardsides.moc"

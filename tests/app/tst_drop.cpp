// Drag and drop from other programs onto the main window: picture files
// become clip art at the drop point (at any zoom), a card file is opened
// after "Save changes?", text becomes a text label, unreadable files are
// named and add nothing, and anything else is refused while it is dragged.

#include "app/TMainScreen.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "text/model/TGBusinessCardLabel.h"
#include "text/model/TGMultiLineLabel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace cw::ui {

class TestDrop : public QObject
{
    Q_OBJECT

    static bool noPrinters() { return false; }

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    void showActive(TMainScreen &w)
    {
        w.resize(800, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.FormActivate();
        // Only what the drops say is looked at.
        script->log.clear();
    }

    // A picture file of one colour.
    QString pictureFile(const QString &name, QSize size, QColor colour) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = folder->file(name);
        if (!image.save(path))
            return {};
        return path;
    }

    static QMimeData *files(const QStringList &paths)
    {
        auto *data = new QMimeData;
        QList<QUrl> urls;
        for (const QString &p : paths)
            urls << QUrl::fromLocalFile(p);
        data->setUrls(urls);
        // File managers offer the names as text, too.
        data->setText(paths.join(QLatin1Char('\n')));
        return data;
    }

    // Drags `data` over the window to `onCard` (surface pixels) and drops it
    // there; true when the window accepted the drag.  Deferred drop work is
    // run before returning.
    static bool dragAndDrop(TMainScreen &w, QMimeData *data, QPoint onCard)
    {
        const QPointF at = w.BusinessCardPanel()->mapTo(&w, onCard);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&w, &move);
        const bool accepted = enter.isAccepted() && move.isAccepted() && enter.dropAction() == Qt::CopyAction;
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &drop);
        QTest::qWait(20);
        delete data;
        return accepted && drop.isAccepted();
    }

    // The colour of a 6 x 6 block of the rendered card (100 % pixels) when
    // it is all one colour; an invalid colour otherwise.
    static QColor blockColour(const QImage &card, QPoint topLeft)
    {
        const QRgb first = card.pixel(topLeft);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x)
                if (card.pixel(topLeft + QPoint(x, y)) != first)
                    return {};
        return QColor::fromRgb(first);
    }

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        TMainScreen::hasPrinters = &noPrinters;
    }
    void cleanup()
    {
        delete script;
        delete folder;
    }

    void pictureBecomesClipArtAtTheDropPoint_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::newRow("100%") << 1.0f;
        QTest::newRow("200%") << 2.0f;
        QTest::newRow("67%") << 0.67f;
    }
    void pictureBecomesClipArtAtTheDropPoint()
    {
        QFETCH(float, zoom);
        TMainScreen w;
        showActive(w);
        w.ZoomTo(zoom);
        const QString red = pictureFile(QStringLiteral("logo.png"), QSize(40, 24), Qt::red);
        const QString blue = pictureFile(QStringLiteral("second.BMP"), QSize(30, 20), Qt::blue);
        QVERIFY(!red.isEmpty() && !blue.isEmpty());
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        // The card point (60, 40) at 100 %, wherever the zoom puts it.
        const QPoint onCard(std::lround(60 * zoom), std::lround(40 * zoom));
        QVERIFY(dragAndDrop(w, files({red, blue}), onCard));

        QCOMPARE(panel->ObjectCount(), 2);
        auto *first = dynamic_cast<model::TGImage *>(panel->ObjectAt(0));
        auto *second = dynamic_cast<model::TGImage *>(panel->ObjectAt(1));
        QVERIFY(first && second);
        // At the drop point, in the picture's own size at 100 %; the second
        // picture is moved on so that the two do not stack.
        QVERIFY2(
            std::abs(first->StoredBounds().left() - 60) <= 1 &&
                std::abs(first->StoredBounds().top() - 40) <= 1,
            qPrintable(
                QStringLiteral("%1,%2").arg(first->StoredBounds().left()).arg(first->StoredBounds().top())));
        QVERIFY(std::abs(first->StoredBounds().width() - 40) <= 1 &&
                std::abs(first->StoredBounds().height() - 24) <= 1);
        QVERIFY(std::abs(second->StoredBounds().left() - 70) <= 1 &&
                std::abs(second->StoredBounds().top() - 50) <= 1);
        QVERIFY(std::abs(second->StoredBounds().width() - 30) <= 1);
        // Selected, a change, back to the selection tool, undoable as one step.
        QVERIFY(panel->IsSelected(*first) && panel->IsSelected(*second));
        QVERIFY(w.ChangesMade());
        QCOMPARE(panel->PanelState(), psPointing);
        // The pictures themselves are on the card (rendered at 100 %).
        w.ZoomActualSize();
        const QImage card = panel->RenderToBitmap();
        QCOMPARE(blockColour(card, QPoint(64, 44)), QColor(Qt::red));
        QCOMPARE(blockColour(card, QPoint(90, 60)), QColor(Qt::blue)); // the second lies on the first
        QCOMPARE(blockColour(card, QPoint(20, 20)), QColor(Qt::white));
        w.mnuUndoClick();
        QCOMPARE(panel->ObjectCount(), 0);
    }

    void metafilesAndLargePicturesAreFittedToTheCard()
    {
        TMainScreen w;
        showActive(w);
        const QString big = pictureFile(QStringLiteral("photo.jpg"), QSize(1200, 600), Qt::green);
        const QString star =
            qEnvironmentVariable("CW_SOURCE_DIR") + QStringLiteral("/content/clipart/Star.wmf");
        QVERIFY(QFile::exists(star));
        QVERIFY(dragAndDrop(w, files({big, star}), QPoint(0, 0)));
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        QCOMPARE(panel->ObjectCount(), 2);
        const QRect r = panel->ObjectAt(0)->StoredBounds();
        // The card is 336 x 192: the picture keeps its 2 : 1 proportions.
        QCOMPARE(r.width(), 336);
        QCOMPARE(r.height(), 168);
        auto *metafile = dynamic_cast<model::TGImage *>(panel->ObjectAt(1));
        QVERIFY(metafile && metafile->Picture().IsMetafile());
        QCOMPARE(metafile->StoredBounds().topLeft(), QPoint(10, 10));
        QVERIFY(metafile->StoredBounds().width() <= 336 && metafile->StoredBounds().height() <= 192);
        QVERIFY(script->log.isEmpty());
    }

    void cardFileOpensAfterAskingToSave()
    {
        TMainScreen w;
        showActive(w);
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        // A card file with one shape, named with an upper-case extension.
        panel->PlaceNewObject(std::make_unique<model::TBCShapes>(), QRect(10, 10, 40, 30));
        const QString card = folder->file(QStringLiteral("Dropped.CwR"));
        QVERIFY(w.SaveBCFile(card));
        w.New1Click();
        QCOMPARE(panel->ObjectCount(), 0);
        // An unsaved design on screen: the user cancels "Save changes?".
        panel->PlaceNewObject(std::make_unique<model::TBCShapes>(), QRect(20, 20, 40, 30));
        panel->PlaceNewObject(std::make_unique<model::TBCShapes>(), QRect(80, 20, 40, 30));
        QCoreApplication::processEvents();
        QVERIFY(w.ChangesMade());
        script->choices.enqueue(Interaction::Answer::Cancel);
        QVERIFY(dragAndDrop(w, files({card}), QPoint(30, 30)));
        QVERIFY(script->log.contains(QStringLiteral("question[Save]: Save changes?")));
        QCOMPARE(panel->ObjectCount(), 2);
        QVERIFY(w.FileName.isEmpty());
        // Dropped again, the user answers No: the card is opened.
        script->log.clear();
        script->choices.enqueue(Interaction::Answer::No);
        QVERIFY(dragAndDrop(w, files({card}), QPoint(30, 30)));
        QVERIFY(script->log.contains(QStringLiteral("question[Save]: Save changes?")));
        QCOMPARE(panel->ObjectCount(), 1);
        QCOMPARE(w.FileName, card);
        QVERIFY(!w.ChangesMade());
    }

    void textBecomesALabel()
    {
        TMainScreen w;
        showActive(w);
        w.ZoomTo(2.0f);
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        auto *data = new QMimeData;
        data->setText(QStringLiteral("Jane Doe\n"));
        QVERIFY(dragAndDrop(w, data, QPoint(100, 60)));
        QCOMPARE(panel->ObjectCount(), 1);
        auto *label = dynamic_cast<model::TGBusinessCardLabel *>(panel->ObjectAt(0));
        QVERIFY(label);
        QCOMPARE(label->Caption(), QStringLiteral("Jane Doe"));
        QCOMPARE(label->StoredBounds().topLeft(), QPoint(50, 30));
        // Grown to hold the text.
        QVERIFY(label->StoredBounds().width() >
                QFontMetrics(label->CanvasFont()).horizontalAdvance("Jane Doe") / 2);
        QVERIFY(panel->IsSelected(*label));
        QVERIFY(w.ChangesMade());

        // Several lines make a multi-line label, one line height per line.
        data = new QMimeData;
        data->setText(QStringLiteral("Jane Doe\r\nDesigner\r\n"));
        QVERIFY(dragAndDrop(w, data, QPoint(20, 200)));
        QCOMPARE(panel->ObjectCount(), 2);
        auto *lines = dynamic_cast<model::TGMultiLineLabel *>(panel->ObjectAt(1));
        QVERIFY(lines);
        QCOMPARE(lines->Items(), QStringList({QStringLiteral("Jane Doe"), QStringLiteral("Designer")}));
        QCOMPARE(lines->StoredBounds().topLeft(), QPoint(10, 100));
        QVERIFY(panel->IsSelected(*lines) && !panel->IsSelected(*label));
    }

    void unreadableFileIsNamedAndAddsNothing()
    {
        TMainScreen w;
        showActive(w);
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        const QString broken = folder->file(QStringLiteral("broken.png"));
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is not a picture");
        f.close();
        QVERIFY(dragAndDrop(w, files({broken}), QPoint(40, 40)));
        QCOMPARE(panel->ObjectCount(), 0);
        QVERIFY(!w.ChangesMade());
        QCOMPARE(script->log.size(), 1);
        QVERIFY2(script->log.constFirst().startsWith(QStringLiteral("error[")) &&
                     script->log.constFirst().contains(QStringLiteral("broken.png")),
                 qPrintable(script->log.constFirst()));

        // Dropped with a good picture: the good one is added, only the bad
        // one is named.
        script->log.clear();
        const QString good = pictureFile(QStringLiteral("good.png"), QSize(20, 20), Qt::red);
        QVERIFY(dragAndDrop(w, files({broken, good}), QPoint(40, 40)));
        QCOMPARE(panel->ObjectCount(), 1);
        QCOMPARE(panel->ObjectAt(0)->StoredBounds().topLeft(), QPoint(40, 40));
        QCOMPARE(script->log.size(), 1);
        QVERIFY(script->log.constFirst().contains(QStringLiteral("broken.png")));
        QVERIFY(!script->log.constFirst().contains(QStringLiteral("good.png")));
    }

    void unusableDataIsRefused()
    {
        TMainScreen w;
        showActive(w);
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        auto *other = new QMimeData;
        other->setData(QStringLiteral("application/x-something"), "bytes");
        QVERIFY(!dragAndDrop(w, other, QPoint(40, 40)));
        // A file that is neither a picture nor a card is refused, and its
        // name offered as text does not become a label.
        const QString notes = folder->file(QStringLiteral("notes.txt"));
        QFile f(notes);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("hello");
        f.close();
        QVERIFY(!dragAndDrop(w, files({notes}), QPoint(40, 40)));
        auto *blank = new QMimeData;
        blank->setText(QStringLiteral(" \n"));
        QVERIFY(!dragAndDrop(w, blank, QPoint(40, 40)));
        QCOMPARE(panel->ObjectCount(), 0);
        QVERIFY(!w.ChangesMade());
        QVERIFY(script->log.isEmpty());
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestDrop)
#include "tst_drop.moc"

// File menu commands through the interaction double: names proposed, files
// and sidecars written, messages, recent files, export.

#include "app/TMRUFileList.h"
#include "app/TMainScreen.h"
#include "app/model/TCardFiles.h"
#include "design/model/TBCShapes.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QTest>

namespace cw::ui {

class TestDocumentCommands : public QObject
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
    static void addEllipse(TMainScreen &w, QRect r)
    {
        auto shape = std::make_unique<model::TBCShapes>();
        shape->SetShape(model::stEllipse);
        w.BusinessCardPanel()->PlaceNewObject(std::move(shape), r);
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

    void saveAsProposesAutomaticNamesAndTracksTheFile()
    {
        auto w = window();
        addEllipse(*w, QRect(10, 20, 100, 50));
        QVERIFY(w->ChangesMade());
        const QString first = folder->file("Saved/BC0001.CWR");
        script->fileNames.enqueue(first);
        w->mnuSaveAsClick();
        QVERIFY(script->log.contains("save[Save As]: " + folder->file("Saved/BC0001.CWR")));
        QVERIFY(QFile::exists(first));
        QVERIFY(!QFile::exists(model::TCardFiles::SidecarPath(first)));
        QCOMPARE(w->windowTitle(), QStringLiteral("BC0001.CWR[*] \u2014 Cardwright"));
        QVERIFY(!w->ChangesMade());
        QCOMPARE(w->RecentFiles->Items().first(), first);
        // An existing BC0001 makes an unnamed design propose BC0002.
        w->New1Click();
        script->log.clear();
        w->mnuSaveAsClick(); // cancelled
        QVERIFY(script->log.contains("save[Save As]: " + folder->file("Saved/BC0002.CWR")));
    }

    void savedDesignReopensIdenticallyAlsoAt130Percent()
    {
        auto w = window();
        addEllipse(*w, QRect(10, 20, 100, 50));
        addEllipse(*w, QRect(40, 60, 33, 21));
        for (int i = 0; i < 3; ++i)
            w->ZoomIn();
        const QString path = folder->file("Saved/zoomed.cwr");
        script->fileNames.enqueue(path);
        w->mnuSaveAsClick();
        QCOMPARE(w->BusinessCardPanel()->Zoom(), 1.0f + 0.1f + 0.1f + 0.1f);
        const QByteArray saved = bytes(path);
        QVERIFY(saved.startsWith(QByteArray("\x01TPF0", 5)));

        auto again = window();
        again->OpenBCFile(path);
        QCOMPARE(again->BusinessCardPanel()->ObjectCount(), 2);
        QCOMPARE(again->BusinessCardPanel()->ObjectAt(0)->BoundsRect(), QRect(10, 20, 100, 50));
        const QString copy = folder->file("Saved/copy.cwr");
        QVERIFY(again->SaveBCFile(copy));
        // Reading renames objects "Component" + N; a second round keeps them.
        auto third = window();
        third->OpenBCFile(copy);
        const QString copy2 = folder->file("Saved/copy2.cwr");
        QVERIFY(third->SaveBCFile(copy2));
        QCOMPARE(bytes(copy2), bytes(copy));
    }

    void sidecarWrittenDeletedAndKeptForAMissingPicture()
    {
        auto w = window();
        const QString path = folder->file("Saved/BC0007.CWR");
        w->BackgroundFile = QStringLiteral("/nowhere/Marble.bmp");
        QVERIFY(w->SaveBCFile(path));
        QCOMPARE(bytes(model::TCardFiles::SidecarPath(path)), QByteArray("/nowhere/Marble.bmp\r\n"));
        // Opening keeps the missing picture's name and writes it back.
        auto again = window();
        again->OpenBCFile(path);
        QCOMPARE(again->BackgroundFile, QStringLiteral("/nowhere/Marble.bmp"));
        QVERIFY(again->BusinessCardPanel()->ColorPicture().isNull());
        again->mnuSaveClick();
        QCOMPARE(bytes(model::TCardFiles::SidecarPath(path)), QByteArray("/nowhere/Marble.bmp\r\n"));
        // Without a background the old sidecar goes.
        again->BackgroundFile.clear();
        again->mnuSaveClick();
        QVERIFY(!QFile::exists(model::TCardFiles::SidecarPath(path)));
    }

    void openChecksTheExtensionAndReportsDamagedFiles()
    {
        auto w = window();
        script->fileNames.enqueue(folder->file("Saved/picture.png"));
        w->Open1Click();
        QCOMPARE(script->informations, QStringList{"Must be a CWR (Cardwright) file"});
        QVERIFY(script->log.contains("open[Open Business Card]: " + folder->file("Saved")));

        addEllipse(*w, QRect(1, 1, 40, 40));
        const QString good = folder->file("Saved/good.cwr");
        QVERIFY(w->SaveBCFile(good));
        const QByteArray valid = bytes(good);
        const QString bad = folder->file("Saved/bad.cwr");
        writeBytes(bad, valid.left(valid.size() - 7));
        script->informations.clear();
        w->OpenBCFile(bad);
        QCOMPARE(script->informations,
                 QStringList{"Unable to open " + bad + ". Possibly corrupted, possibly not a CWR file"});
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 0);
        QVERIFY(!w->ChangesMade());
        QVERIFY(!w->Busy);
    }

    void damagedFilesNeverCrashTheDesigner()
    {
        auto w = window();
        addEllipse(*w, QRect(1, 1, 40, 40));
        addEllipse(*w, QRect(5, 9, 60, 20));
        const QString good = folder->file("Saved/good.cwr");
        QVERIFY(w->SaveBCFile(good));
        const QByteArray valid = bytes(good);
        const QString bad = folder->file("Saved/cut.cwr");
        for (int cut = 0; cut < valid.size(); ++cut) {
            writeBytes(bad, valid.left(cut));
            w->OpenBCFile(bad);
            QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 0);
        }
    }

    void recentFileThatVanishedIsReported()
    {
        auto w = window();
        const QString path = folder->file("Saved/gone.cwr");
        QVERIFY(w->SaveBCFile(path));
        w->OpenBCFile(path);
        QFile::remove(path);
        QCOMPARE(w->RecentFiles->MenuActions().size(), 1);
        w->RecentFiles->MenuActions().first()->trigger();
        QCOMPARE(script->informations, QStringList{path + " no longer exists"});
        QVERIFY(w->RecentFiles->Items().isEmpty());
    }

    void deleteAsksAndLeavesTheOpenDesign()
    {
        auto w = window();
        const QString path = folder->file("Saved/BC0003.CWR");
        w->BackgroundFile = QStringLiteral("/x.bmp");
        QVERIFY(w->SaveBCFile(path));
        w->OpenBCFile(path);
        script->fileNames.enqueue(path);
        script->answers.enqueue(false);
        w->Delete1Click();
        QVERIFY(QFile::exists(path));
        script->fileNames.enqueue(path);
        script->answers.enqueue(true);
        w->Delete1Click();
        QVERIFY(script->questions.contains("Delete " + path + "?"));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(model::TCardFiles::SidecarPath(path)));
        QCOMPARE(w->FileName, path);
    }

    void exportProposesNamesAndWritesThePicture()
    {
        auto w = window();
        addEllipse(*w, QRect(10, 20, 100, 50));
        w->ZoomIn();
        const QString bmp = folder->file("card.bmp");
        script->fileNames.enqueue(bmp);
        script->dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); }); // resolution: screen
        script->answers.enqueue(true);                                             // border
        w->mnuSaveAsBitmapClick();
        QVERIFY(script->log.contains("save[Save Card As Bitmap]: " + folder->file("BusinessCard.Bmp")));
        QVERIFY(script->informations.contains("Saved as " + bmp));
        QImage image(bmp);
        QCOMPARE(image.size(), QSize(336, 192));
        QCOMPARE(image.pixelColor(0, 100), QColor(Qt::black)); // the border
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(w->BusinessCardPanel()->Zoom(), 1.1f); // the zoom in force comes back
        QVERIFY(w->ChangesMade());                      // exporting saves nothing

        w->FileName = folder->file("Saved/BC0003.CWR");
        const QString jpg = folder->file("card.jpg");
        script->fileNames.enqueue(jpg);
        script->dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); }); // resolution: screen
        w->mnuSaveAsJPGClick();
        QVERIFY(script->log.contains("save[Save Card As JPG]: " + folder->file("BC0003.JPG")));
        QCOMPARE(QImageReader(jpg).format(), QByteArray("jpeg"));

        // A failed export says so instead of "Saved as".
        script->informations.clear();
        script->fileNames.enqueue(folder->file("no/such/folder/card.bmp"));
        script->dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); }); // resolution: screen
        w->mnuSaveAsBitmapClick();
        QVERIFY(script->informations.isEmpty());
        QVERIFY(script->log.last().startsWith("error[Save]: Unable to save the card as"));
    }

    void cardFileNamedAtStartOpensInsteadOfTheRecentOne()
    {
        const QString recent = folder->file("Saved/recent.cwr");
        const QString named = folder->file("Saved/named.cwr");
        {
            auto w = window();
            QVERIFY(w->SaveBCFile(named));
            addEllipse(*w, QRect(1, 2, 30, 30));
            QVERIFY(w->SaveBCFile(recent));
            w->OpenBCFile(recent);
        }
        TMainScreen w;
        w.StartupFile = named;
        w.FormActivate();
        QCOMPARE(w.FileName, named);
        QCOMPARE(w.BusinessCardPanel()->ObjectCount(), 0);
        w.OpenFromDesktop(recent);
        QCOMPARE(w.FileName, recent);
        QCOMPARE(w.BusinessCardPanel()->ObjectCount(), 1);
    }

    void cancelReopensTheSavedDesign()
    {
        auto w = window();
        addEllipse(*w, QRect(10, 20, 100, 50));
        const QString path = folder->file("Saved/c.cwr");
        script->fileNames.enqueue(path);
        w->mnuSaveAsClick();
        addEllipse(*w, QRect(30, 30, 20, 20));
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 2);
        script->answers.enqueue(true);
        w->CancelbuttonClick();
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 1);
        QVERIFY(!w->ChangesMade());
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestDocumentCommands)
#include "tst_documentcommands.moc"

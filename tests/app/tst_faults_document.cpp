// Nothing the user made is lost or silently changed by the document
// commands: a failed open leaves an unnamed card and the old file alone,
// "Save changes?" can be called off at every step, a failed save keeps the
// program open and the document's name, Save As always writes a card that
// Open takes, and menus show names and values as they are.

#include "app/TMRUFileList.h"
#include "app/TMainScreen.h"
#include "app/model/TCardFiles.h"
#include "design/TPopupMenuBuilder.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGPicture.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"
#include "text/model/TGBusinessCardLabel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTest>

namespace cw::ui {

namespace {

using Answer = Interaction::Answer;

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QImage noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37) & 255, (y * 91) & 255, (x * y) & 255));
    return image;
}

} // namespace

class TestFaultsDocument : public QObject
{
    Q_OBJECT

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    std::unique_ptr<TMainScreen> window()
    {
        auto w = std::make_unique<TMainScreen>();
        w->FormActivate();
        script->informations.clear();
        script->log.clear();
        return w;
    }
    static void addEllipse(TMainScreen &w, QRect r)
    {
        auto shape = std::make_unique<model::TBCShapes>();
        shape->SetShape(model::stEllipse);
        w.BusinessCardPanel()->PlaceNewObject(std::move(shape), r);
    }
    // A design whose card file is some 40 KB, too big for a nearly full disk.
    static void addPicture(TMainScreen &w)
    {
        auto image = std::make_unique<model::TGImage>();
        model::TGPicture picture;
        picture.SetBitmap(noise(120, 110));
        image->SetPicture(picture);
        w.BusinessCardPanel()->PlaceNewObject(std::move(image), QRect(80, 10, 120, 110));
    }
    QAction *saveMenuItem(TMainScreen &w) { return w.findChild<QAction *>(QStringLiteral("mnuSave")); }

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        TMainScreen::hasPrinters = [] { return true; };
        TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        QDir().mkpath(folder->file("Saved"));
        QDir().mkpath(folder->file("BG"));
    }
    void cleanup()
    {
        delete script;
        delete folder;
    }

    void failedOpenLeavesAnUnnamedCardAndTheOldFileAlone()
    {
        // BC0001.CWR with an object and a background is open.
        const QString card = folder->file("Saved/BC0001.CWR");
        const QString background = folder->file("BG/Paper.bmp");
        QVERIFY(noise(30, 20).save(background, "BMP"));
        {
            auto w = window();
            addEllipse(*w, QRect(10, 20, 100, 50));
            w->BackgroundFile = background;
            QVERIFY(w->SaveBCFile(card));
        }
        const QByteArray cardBytes = bytesOf(card);
        const QByteArray sidecarBytes = bytesOf(model::TCardFiles::SidecarPath(card));
        QVERIFY(!sidecarBytes.isEmpty());
        const QString damaged = folder->file("Saved/DAMAGED.CWR");
        QVERIFY(writeBytes(damaged, cardBytes.left(cardBytes.size() / 2)));

        auto w = window();
        script->fileNames << card << damaged;
        w->Open1Click();
        QCOMPARE(w->windowTitle(), QStringLiteral("BC0001.CWR[*] \u2014 Cardwright"));
        w->Open1Click();
        QCOMPARE(script->informations,
                 QStringList{"Unable to open " + damaged + ". Possibly corrupted, possibly not a CWR file"});
        // An empty, unnamed card, unchanged since new.
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 0);
        QVERIFY(w->FileName.isEmpty());
        QVERIFY(w->BackgroundFile.isEmpty());
        QVERIFY(!w->ChangesMade());
        QCOMPARE(w->windowTitle(), QStringLiteral("Cardwright[*]"));
        QVERIFY(!saveMenuItem(*w)->isEnabled());
        // Ctrl+S and the Save button cannot reach the old file.
        w->mnuSaveClick();
        w->SavebuttonClick(); // Save As, cancelled
        QCOMPARE(bytesOf(card), cardBytes);
        QCOMPARE(bytesOf(model::TCardFiles::SidecarPath(card)), sidecarBytes);

        // The same for a file handed over on the command line or by the
        // desktop: a damaged card …
        script->fileNames << card;
        w->Open1Click();
        QCOMPARE(w->FileName, card);
        w->OpenFromDesktop(damaged);
        QVERIFY(w->FileName.isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Cardwright[*]"));
        // … and a file that is no card at all: refused like one picked in
        // the Open dialog, with the open design left as it is.
        const QString notes = folder->file("notes.txt");
        QVERIFY(writeBytes(notes, "call Ada\n"));
        script->fileNames << card;
        w->Open1Click();
        script->informations.clear();
        w->OpenFromDesktop(notes);
        QCOMPARE(script->informations, QStringList{"Must be a CWR (Cardwright) file"});
        QCOMPARE(w->FileName, card);
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 1);
        QCOMPARE(bytesOf(card), cardBytes);
    }

    // The command that asks "Save changes?" before it gives the design up.
    void saveChangesCanBeCancelled_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("New") << 0;
        QTest::newRow("Open") << 1;
        QTest::newRow("Exit") << 2;
        QTest::newRow("recent file") << 3;
        QTest::newRow("file from the desktop") << 4;
    }
    void saveChangesCanBeCancelled()
    {
        QFETCH(int, command);
        const QString other = folder->file("Saved/OTHER.CWR");
        {
            auto w = window();
            addEllipse(*w, QRect(5, 5, 40, 40));
            addEllipse(*w, QRect(50, 5, 40, 40));
            QVERIFY(w->SaveBCFile(other));
        }
        auto w = window();
        w->RecentFiles->Add(other);
        addEllipse(*w, QRect(10, 20, 100, 50));
        QVERIFY(w->ChangesMade());
        // Runs the command; true when the design was given up.
        auto run = [&]() -> bool {
            switch (command) {
            case 0:
                w->New1Click();
                break;
            case 1:
                script->fileNames << other;
                w->Open1Click();
                break;
            case 2:
                return w->close();
            case 3:
                w->RecentFiles->MenuActions().at(0)->trigger();
                break;
            default:
                w->OpenFromDesktop(other);
                break;
            }
            return w->BusinessCardPanel()->ObjectCount() != 1;
        };
        auto designKept = [&] {
            QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 1);
            QVERIFY(w->ChangesMade());
            QVERIFY(w->FileName.isEmpty());
        };

        // Cancel: nothing happens at all.
        script->choices << Answer::Cancel;
        QVERIFY(!run());
        QCOMPARE(script->questions, QStringList{"Save changes?"});
        QVERIFY(!script->log.join('\n').contains("open["));
        designKept();

        // Yes, then the Save As dialog is cancelled: the design stays, still
        // marked as changed, and the next command asks again.
        w->RecentFiles->Add(other);
        script->fileNames.clear();
        script->fileNames << QString(); // the Save As dialog, cancelled
        script->choices << Answer::Yes;
        QVERIFY(!run());
        QVERIFY(script->log.contains("save[Save As]: " + folder->file("Saved/BC0001.CWR")));
        designKept();

        // Yes and a name: saved, then the command goes on.
        w->RecentFiles->Add(other);
        const QString mine = folder->file("Saved/MINE.CWR");
        script->fileNames.clear();
        script->fileNames << mine;
        script->choices << Answer::Yes;
        QVERIFY(run());
        QVERIFY(QFile::exists(mine));
        auto check = window();
        check->OpenBCFile(mine);
        QCOMPARE(check->BusinessCardPanel()->ObjectCount(), 1);
    }

    void noDiscardsAndLaterCommandsAskAgain()
    {
        auto w = window();
        addEllipse(*w, QRect(10, 20, 100, 50));
        // Open, answered No, then the Open dialog cancelled: the design
        // stays marked as changed, so Exit still asks.
        script->choices << Answer::No;
        w->Open1Click();
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 1);
        QVERIFY(w->ChangesMade());
        script->choices << Answer::Cancel;
        QVERIFY(!w->close());
        QCOMPARE(script->questions, (QStringList{"Save changes?", "Save changes?"}));
        // No on New discards.
        script->choices << Answer::No;
        w->New1Click();
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 0);
        QVERIFY(!w->ChangesMade());
    }

    void failedSaveKeepsTheProgramOpenAndTheDesignUnsaved()
    {
        auto w = window();
        const QString card = folder->file("Saved/BC0001.CWR");
        script->fileNames << card;
        QVERIFY(w->mnuSaveAsClick());
        const QByteArray saved = bytesOf(card);
        const QByteArray settings = bytesOf(folder->file("CWR.INI"));
        addPicture(*w);
        addEllipse(*w, QRect(5, 5, 60, 40));
        {
            // The disk is full: Exit, answered Yes, shows the error and
            // stays open.
            test::FileSizeLimit limit(4 * 1024);
            QVERIFY(limit.active());
            script->choices << Answer::Yes;
            QVERIFY(!w->close());
            QCOMPARE(script->log.last(), QStringLiteral("error[Save]: Stream write error"));
            QVERIFY(w->ChangesMade());
            QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 2);
            // New and Open stop too.
            script->choices << Answer::Yes << Answer::Yes;
            w->New1Click();
            w->Open1Click();
            QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 2);
            QVERIFY(!script->log.join('\n').contains("open["));

            // A failed Save As neither renames the document nor adds the
            // file to the recent files.
            script->log.clear();
            script->fileNames << folder->file("Saved/COPY.CWR");
            QVERIFY(!w->mnuSaveAsClick());
            QCOMPARE(script->log.last(), QStringLiteral("error[Save]: Stream write error"));
            QCOMPARE(w->FileName, card);
            QCOMPARE(w->windowTitle(), QStringLiteral("BC0001.CWR[*] \u2014 Cardwright"));
            QVERIFY(w->ChangesMade());
            QCOMPARE(w->RecentFiles->Items(), QStringList{card});
            QVERIFY(!QFile::exists(folder->file("Saved/COPY.CWR")));
        }
        QCOMPARE(bytesOf(card), saved);
        QCOMPARE(bytesOf(folder->file("CWR.INI")), settings);
        // With room again, Exit saves and closes.
        script->choices << Answer::Yes;
        QVERIFY(w->close());
        auto again = window();
        again->OpenBCFile(card);
        QCOMPARE(again->BusinessCardPanel()->ObjectCount(), 2);
    }

    void saveAsAlwaysWritesACardThatOpens()
    {
        const QString background = folder->file("BG/Paper.bmp");
        QVERIFY(noise(30, 20).save(background, "BMP"));
        auto w = window();
        addEllipse(*w, QRect(10, 20, 100, 50));
        w->BackgroundFile = background;
        script->fileNames << folder->file("Saved/J.Smith");
        QVERIFY(w->mnuSaveAsClick());
        const QString smith = folder->file("Saved/J.Smith.CWR");
        QCOMPARE(w->FileName, smith);
        QCOMPARE(w->RecentFiles->Items().first(), smith);
        QVERIFY(QFile::exists(smith));
        QVERIFY(!QFile::exists(folder->file("Saved/J.Smith")));
        // J.Doe gets a sidecar of its own.
        w->BackgroundFile.clear();
        script->fileNames << folder->file("Saved/J.Doe");
        QVERIFY(w->mnuSaveAsClick());
        QCOMPARE(bytesOf(folder->file("Saved/J.Smith.CWE")), QByteArray("BG/Paper.bmp\r\n"));
        QVERIFY(!QFile::exists(folder->file("Saved/J.Doe.CWE")));

        // Open takes the file, with its background.
        auto again = window();
        script->fileNames << smith;
        again->Open1Click();
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(again->BusinessCardPanel()->ObjectCount(), 1);
        QCOMPARE(again->BusinessCardPanel()->ColorPicture().size(), QSize(30, 20));

        // A card of the completed name (in any case) is replaced only when
        // the user says so.
        const QByteArray smithBytes = bytesOf(smith);
        again->BusinessCardPanel()->ClearObjects();
        script->fileNames << folder->file("Saved/j.smith");
        script->answers << false;
        QVERIFY(!again->mnuSaveAsClick());
        QCOMPARE(script->questions, QStringList{smith + " already exists.\nDo you want to replace it?"});
        QCOMPARE(bytesOf(smith), smithBytes);
        QCOMPARE(again->FileName, smith);
        script->fileNames << folder->file("Saved/j.smith");
        script->answers << true;
        QVERIFY(again->mnuSaveAsClick());
        QVERIFY(bytesOf(smith) != smithBytes);
        QCOMPARE(QDir(folder->file("Saved")).entryList({"j.smith*"}, QDir::Files),
                 (QStringList{"J.Smith.CWE", "J.Smith.CWR"}));
    }

    void lowerCaseSidecarBringsTheBackground()
    {
        const QString background = folder->file("BG/Paper.bmp");
        QVERIFY(noise(30, 20).save(background, "BMP"));
        const QString card = folder->file("Saved/USB.CWR");
        {
            auto w = window();
            addEllipse(*w, QRect(10, 20, 100, 50));
            QVERIFY(w->SaveBCFile(card));
        }
        QVERIFY(writeBytes(folder->file("Saved/usb.cwe"), (background + "\r\n").toUtf8()));
        auto w = window();
        w->OpenBCFile(card);
        QCOMPARE(w->BackgroundFile, background);
        QCOMPARE(w->BusinessCardPanel()->ColorPicture().size(), QSize(30, 20));
        // Deleting the card takes that sidecar with it.
        script->fileNames << card;
        script->answers << true;
        w->Delete1Click();
        QCOMPARE(QDir(folder->file("Saved")).entryList(QDir::Files), QStringList{});
    }

    void personalInformationShowsAmpersands()
    {
        auto w = window();
        w->Preferences.PersonalInfo[model::TPreferences::Company] = QStringLiteral("Smith & Co");
        w->SetPanelPersonalInfo();
        auto label = std::make_unique<model::TGBusinessCardLabel>();
        label->Loaded();
        auto *placed = w->BusinessCardPanel()->PlaceNewObject(std::move(label), QRect(10, 10, 80, 20));
        auto menu = TPopupMenuBuilder::Build(placed->PopupMenu());
        QMenu *personal = menu->actions().at(0)->menu();
        QVERIFY(personal);
        QCOMPARE(personal->actions().at(1)->iconText(), QStringLiteral("Company\tSmith & Co"));
        // Choosing the entry gives the label the value itself.
        placed->PopupMenu()[0].Items[1].Action();
        QCOMPARE(static_cast<model::TGBusinessCardLabel *>(placed)->Caption(), QStringLiteral("Smith & Co"));
    }

    void stretchToFitMarksTheDesignChanged()
    {
        const QString card = folder->file("Saved/PICTURE.CWR");
        {
            auto w = window();
            addPicture(*w);
            QVERIFY(w->SaveBCFile(card));
        }
        auto w = window();
        w->OpenBCFile(card);
        QVERIFY(!w->ChangesMade());
        auto *image = dynamic_cast<model::TGImage *>(w->BusinessCardPanel()->ObjectAt(0));
        QVERIFY(image);
        const QByteArray before = w->BusinessCardPanel()->DesignSnapshot();
        model::TGMenuItem *stretch =
            model::TGMenuItem::Find(image->PopupMenu(), QStringLiteral("Stretch to Fit"));
        QVERIFY(stretch);
        stretch->Action();
        QVERIFY(w->BusinessCardPanel()->DesignSnapshot() != before);
        QVERIFY(w->ChangesMade());
        // So Exit asks before the change is lost.
        script->choices << Answer::Cancel;
        QVERIFY(!w->close());
        QCOMPARE(script->questions, QStringList{"Save changes?"});
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestFaultsDocument)
#include "tst_faults_document.moc"

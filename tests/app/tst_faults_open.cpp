// Damaged card files opened through the designer's Open command, and the
// writers of exported pictures and the configuration report on a full disk.
//
// A card file cut short at any byte must open as an empty card with the
// program's message: no object read before the damage may stay behind, no
// background from the sidecar may show, and the design is unnamed (so Save
// cannot write the empty card over the file that was open before).

#include "app/TMainScreen.h"
#include "app/model/TCardFiles.h"
#include "design/TSmartImage.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGPicture.h"
#include "design/model/TObjectRegistry.h"
#include "help/TConfigurationInfo.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

namespace cw::ui {

namespace {

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

QString openFailure(const QString &path)
{
    return QStringLiteral("Unable to open ") + path +
           QStringLiteral(". Possibly corrupted, possibly not a CWR file");
}

} // namespace

class TestFaultsOpen : public QObject
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

    // Opens `path` through File > Open, as the user picking it.
    void openThroughMenu(TMainScreen &w, const QString &path)
    {
        script->fileNames.enqueue(path);
        w.Open1Click();
    }

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

    void cardCutAtEveryByteOpensEmptyWithTheMessage()
    {
        const QString whole = folder->file("Saved/WHOLE.CWR");
        const QString background = folder->file("BG/Paper.bmp");
        QVERIFY(noise(30, 20).save(background, "BMP"));
        int kinds = 0;
        {
            // Every kind of object the designer knows, and a picture.
            auto w = window();
            int y = 2;
            for (const QString &name : model::TObjectRegistry::Global().ClassNames()) {
                w->BusinessCardPanel()->PlaceNewObject(model::TObjectRegistry::Global().Create(name),
                                                       QRect(4, y, 90, 20));
                y += 12;
                ++kinds;
            }
            auto image = std::make_unique<model::TGImage>();
            model::TGPicture picture;
            picture.SetBitmap(noise(6, 5));
            image->SetPicture(picture);
            w->BusinessCardPanel()->PlaceNewObject(std::move(image), QRect(200, 10, 6, 5));
            ++kinds;
            QVERIFY(w->SaveBCFile(whole));
        }
        QVERIFY(kinds > 10);
        const QByteArray card = bytesOf(whole);
        QVERIFY(card.size() > 200);

        auto w = window();
        openThroughMenu(*w, whole);
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), kinds);
        QCOMPARE(w->FileName, whole);

        // The damaged card has a sidecar naming a picture that exists: a
        // card that cannot be read must not show it either.
        const QString cut = folder->file("Saved/CUT.CWR");
        QVERIFY(writeBytes(model::TCardFiles::SidecarPath(cut), (background + "\r\n").toUtf8()));
        for (qsizetype n = 0; n < card.size(); ++n) {
            if (n % 101 == 0) {
                // Now and then a full design is on the card before the damaged open.
                openThroughMenu(*w, whole);
                QCOMPARE(w->BusinessCardPanel()->ObjectCount(), kinds);
            }
            QVERIFY(writeBytes(cut, card.left(n)));
            script->informations.clear();
            script->log.clear();
            openThroughMenu(*w, cut);
            const QString at = QStringLiteral("card cut to %1 of %2 bytes").arg(n).arg(card.size());
            QVERIFY2(script->informations == QStringList{openFailure(cut)}, qPrintable(at));
            QVERIFY2(w->BusinessCardPanel()->ObjectCount() == 0, qPrintable(at));
            QVERIFY2(w->BusinessCardPanel()->ColorPicture().isNull(), qPrintable(at));
            QVERIFY2(w->BackgroundFile.isEmpty(), qPrintable(at));
            QVERIFY2(w->FileName.isEmpty(), qPrintable(at));
            QVERIFY2(!w->ChangesMade(), qPrintable(at));
            QVERIFY2(!w->BusinessCardPanel()->isHidden(), qPrintable(at));
        }
        // Whole again, the card opens with its background.
        QVERIFY(writeBytes(cut, card));
        script->informations.clear();
        openThroughMenu(*w, cut);
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), kinds);
        QCOMPARE(w->BusinessCardPanel()->ColorPicture().size(), QSize(30, 20));
        QCOMPARE(w->FileName, cut);
    }

    void otherFilesNamedCwrOpenEmpty_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << QByteArray("[Options]\r\nUnits=1\r\n");
        QTest::newRow("a picture") << QByteArray::fromHex("424d3a000000000000003600000028000000");
        QTest::newRow("zeros") << QByteArray(4096, '\0');
        QTest::newRow("list of nothing") << QByteArray::fromHex("01");
    }
    void otherFilesNamedCwrOpenEmpty()
    {
        QFETCH(QByteArray, bytes);
        auto w = window();
        const QString path = folder->file("Saved/OTHER.CWR");
        QVERIFY(writeBytes(path, bytes));
        openThroughMenu(*w, path);
        QCOMPARE(script->informations, QStringList{openFailure(path)});
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 0);
        QVERIFY(w->FileName.isEmpty());
    }

    void openWhileTheSettingsCannotBeWritten()
    {
        const QString card = folder->file("Saved/BC0001.CWR");
        {
            auto w = window();
            w->BusinessCardPanel()->PlaceNewObject(std::make_unique<model::TBCShapes>(), QRect(5, 5, 60, 40));
            QVERIFY(w->SaveBCFile(card));
        }
        const QString ini = folder->file("CWR.INI");
        const QByteArray settings = bytesOf(ini);
        QVERIFY(!settings.contains("BC0001"));
        auto w = window();
        {
            // Opening stores the recent-files list; the disk is full.
            test::FileSizeLimit limit(16);
            QVERIFY(limit.active());
            w->OpenBCFile(card);
        }
        // The card is open all the same, and the message says what failed.
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(script->log,
                 QStringList{"error[Cardwright]: Unable to write to " + QDir::toNativeSeparators(ini)});
        QCOMPARE(w->BusinessCardPanel()->ObjectCount(), 1);
        QCOMPARE(w->FileName, card);
        QCOMPARE(bytesOf(ini), settings);
    }

    void jpegExportOnAFullDiskKeepsTheOldPicture()
    {
        auto w = window();
        auto shape = std::make_unique<model::TBCShapes>();
        w->BusinessCardPanel()->PlaceNewObject(std::move(shape), QRect(5, 5, 60, 40));
        const QString jpg = folder->file("card.jpg");
        QVERIFY(writeBytes(jpg, "an older export"));
        script->fileNames.enqueue(jpg);
        script->dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); }); // resolution: screen
        script->answers.enqueue(true);                                             // with a border
        {
            test::FileSizeLimit limit(256);
            QVERIFY(limit.active());
            w->mnuSaveAsJPGClick();
        }
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(script->log.last(), "error[Save]: Unable to save the card as " + jpg);
        QCOMPARE(bytesOf(jpg), QByteArray("an older export"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"card.jpg"});
        // With room again it is written and announced.
        script->fileNames.enqueue(jpg);
        script->dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); }); // resolution: screen
        w->mnuSaveAsJPGClick();
        QCOMPARE(script->informations, QStringList{"Saved as " + jpg});
        QVERIFY(bytesOf(jpg).startsWith("\xFF\xD8"));
    }

    void pictureControlJpegOnAFullDisk()
    {
        TSmartImage image;
        model::TGPicture picture;
        picture.SetBitmap(noise(64, 64));
        image.SetPicture(picture);
        const QString jpg = folder->file("texture.jpg");
        QVERIFY(writeBytes(jpg, "old"));
        {
            test::FileSizeLimit limit(128);
            QVERIFY(limit.active());
            QVERIFY(!image.SaveAsJPG(90, jpg));
        }
        QCOMPARE(bytesOf(jpg), QByteArray("old"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"texture.jpg"});
        QVERIFY(image.SaveAsJPG(90, jpg));
        QVERIFY(bytesOf(jpg).size() > 128);
    }

    void configurationReportOnAFullDisk()
    {
        TConfigurationInfo dialog;
        dialog.SetReport({QString(4000, QLatin1Char('r'))});
        const QString path = folder->file("ConfigInfo.txt");
        QVERIFY(writeBytes(path, "the last report\n"));
        script->fileNames.enqueue(path);
        {
            test::FileSizeLimit limit(512);
            QVERIFY(limit.active());
            dialog.Button3Click();
        }
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(script->log.size(), 2);
        QVERIFY2(script->log.at(1).startsWith("error[Configuration Information]: Unable to save " +
                                              QDir::toNativeSeparators(path) + ": "),
                 qPrintable(script->log.at(1)));
        QCOMPARE(bytesOf(path), QByteArray("the last report\n"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ConfigInfo.txt"});
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestFaultsOpen)
#include "tst_faults_open.moc"

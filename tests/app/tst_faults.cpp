// Failures from outside the program: a folder that cannot be written, a disk
// that fills up part way through a save, pictures deleted while a design
// that uses them is open.  In every case the file that was there stays as it
// was, no temporary file is left behind, and the program's message is shown.
//
// A full disk is simulated with a file-size limit (RLIMIT_FSIZE, SIGXFSZ
// ignored): a write past the limit comes back short with EFBIG, just as one
// on a full disk does, and it works whether or not the tests run as root.

#include "app/TMainScreen.h"
#include "app/model/Exception.h"
#include "app/model/TAtomicFile.h"
#include "app/model/TCardFiles.h"
#include "app/model/TIniFile.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGPicture.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include <unistd.h>

namespace cw::ui {

namespace {

using test::FileSizeLimit;

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}

// The files of a folder, to prove no temporary file is left behind.
QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A folder made read-only for as long as this lives.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString path) : m_path(std::move(path))
    {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Root writes into read-only folders; then only the size limit tests apply.
    bool effective() const { return ::geteuid() != 0; }

private:
    QString m_path;
};

QImage noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37) & 255, (y * 91) & 255, (x * y) & 255));
    return image;
}

} // namespace

class TestFaults : public QObject
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
    // A design whose card file is some 40 KB: a picture object and an ellipse.
    static void fillDesign(TMainScreen &w)
    {
        auto shape = std::make_unique<model::TBCShapes>();
        shape->SetShape(model::stEllipse);
        w.BusinessCardPanel()->PlaceNewObject(std::move(shape), QRect(5, 5, 60, 40));
        auto image = std::make_unique<model::TGImage>();
        model::TGPicture picture;
        picture.SetBitmap(noise(120, 110));
        image->SetPicture(picture);
        w.BusinessCardPanel()->PlaceNewObject(std::move(image), QRect(80, 10, 120, 110));
    }

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        TMainScreen::hasPrinters = [] { return true; };
        TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        QDir().mkpath(folder->file("Saved"));
    }
    void cleanup()
    {
        delete script;
        delete folder;
    }

    void atomicWriteFailsWholeAndKeepsTheOldFile()
    {
        const QString path = folder->file("target.dat");
        writeBytes(path, "old contents");
        const QByteArray big(256 * 1024, 'x');
        {
            FileSizeLimit limit(64 * 1024);
            QVERIFY(limit.active());
            try {
                model::WriteFileAtomically(path, big);
                QFAIL("a write cut short by a full disk was reported as done");
            } catch (const EInOutError &e) {
                QCOMPARE(e.message(), "Unable to write to " + QDir::toNativeSeparators(path));
            }
            // The caller's message, told which stage failed.
            try {
                model::WriteFileAtomically(path, big,
                                           [](model::TAtomicWriteStage stage, const QString &reason) {
                                               return QStringLiteral("stage %1 %2")
                                                   .arg(int(stage))
                                                   .arg(reason.isEmpty() ? "without reason" : "with reason");
                                           });
                QFAIL("no failure");
            } catch (const EInOutError &e) {
                QCOMPARE(e.message(), QStringLiteral("stage 1 with reason"));
            }
        }
        QCOMPARE(bytesOf(path), QByteArray("old contents"));
        QCOMPARE(filesIn(folder->path()), QStringList{"target.dat"});
        // A folder that does not exist fails at creation.
        try {
            model::WriteFileAtomically(
                folder->file("no/such/target.dat"), "x",
                [](model::TAtomicWriteStage stage, const QString &) { return QString::number(int(stage)); });
            QFAIL("no failure");
        } catch (const EInOutError &e) {
            QCOMPARE(e.message(), QStringLiteral("0"));
        }
        // And once there is room again, all of it arrives.
        model::WriteFileAtomically(path, big);
        QCOMPARE(bytesOf(path), big);
    }

    void cardSaveOnAFullDiskKeepsTheSavedCard()
    {
        auto w = window();
        const QString path = folder->file("Saved/BC0001.CWR");
        QVERIFY(w->SaveBCFile(path));
        const QByteArray before = bytesOf(path); // an empty card
        fillDesign(*w);
        w->BackgroundFile = QStringLiteral("/pictures/marble.bmp");
        {
            FileSizeLimit limit(4 * 1024);
            QVERIFY(limit.active());
            QVERIFY(!w->SaveBCFile(path));
        }
        QCOMPARE(script->log, QStringList{"error[Save]: Stream write error"});
        QCOMPARE(bytesOf(path), before);
        QVERIFY(!QFile::exists(model::TCardFiles::SidecarPath(path)));
        QCOMPARE(filesIn(folder->file("Saved")), QStringList{"BC0001.CWR"});
        // The command leaves the design marked as changed.
        w->FileName = path;
        w->SetChangesMade(true);
        {
            FileSizeLimit limit(4 * 1024);
            w->mnuSaveClick();
        }
        QVERIFY(w->ChangesMade());
        QCOMPARE(bytesOf(path), before);
        // With room again the save goes through and reads back whole.
        QVERIFY(w->SaveBCFile(path));
        auto again = window();
        again->OpenBCFile(path);
        QCOMPARE(again->BusinessCardPanel()->ObjectCount(), 2);
        QVERIFY(script->informations.isEmpty());
    }

    void saveIntoAFolderThatCannotBeWritten()
    {
        auto w = window();
        fillDesign(*w);
        // A folder that is not there at all fails for root too.
        const QString missing = folder->file("gone/BC0002.CWR");
        QVERIFY(!w->SaveBCFile(missing));
        QCOMPARE(script->log,
                 QStringList{"error[Save]: Cannot create file " + QDir::toNativeSeparators(missing)});

        const QString path = folder->file("Saved/BC0002.CWR");
        QVERIFY(w->SaveBCFile(path));
        const QByteArray before = bytesOf(path);
        ReadOnlyFolder readOnly(folder->file("Saved"));
        if (!readOnly.effective())
            QSKIP("running as root: read-only folders are writable (the full-disk tests cover this)");
        w->BusinessCardPanel()->ClearObjects();
        script->log.clear();
        QVERIFY(!w->SaveBCFile(path));
        QCOMPARE(script->log,
                 QStringList{"error[Save]: Cannot create file " + QDir::toNativeSeparators(path)});
        QCOMPARE(bytesOf(path), before);
    }

    void sidecarOnAFullDiskKeepsTheOldOne()
    {
        const QString card = folder->file("Saved/BC0003.CWR");
        const QString sidecar = model::TCardFiles::SidecarPath(card);
        model::TCardFiles::WriteSidecar(card, QStringLiteral("/old.bmp"));
        const QString longName = QLatin1Char('/') + QString(8000, QLatin1Char('b')) + QStringLiteral(".bmp");
        {
            FileSizeLimit limit(1024);
            try {
                model::TCardFiles::WriteSidecar(card, longName);
                QFAIL("no failure");
            } catch (const EInOutError &e) {
                QVERIFY2(e.message().startsWith("Unable to write " + sidecar + ": "),
                         qPrintable(e.message()));
            }
        }
        QCOMPARE(bytesOf(sidecar), QByteArray("/old.bmp\r\n"));
    }

    void settingsWriteFailureKeepsTheSettingsFile()
    {
        const QString path = folder->file("CWR.INI");
        writeBytes(path, "[Options]\r\nUnits=1\r\n");
        model::TIniFile ini(path);
        {
            FileSizeLimit limit(16);
            try {
                ini.WriteString(QStringLiteral("Personal"), QStringLiteral("Name"),
                                QString(100, QLatin1Char('n')));
                QFAIL("no failure");
            } catch (const EInOutError &e) {
                QCOMPARE(e.message(), "Unable to write to " + QDir::toNativeSeparators(path));
            }
        }
        QCOMPARE(bytesOf(path), QByteArray("[Options]\r\nUnits=1\r\n"));
        QCOMPARE(filesIn(folder->path()), QStringList{"CWR.INI"});

        ReadOnlyFolder readOnly(folder->path());
        if (!readOnly.effective())
            return;
        try {
            ini.WriteString(QStringLiteral("Options"), QStringLiteral("Units"), QStringLiteral("2"));
            QFAIL("no failure");
        } catch (const EInOutError &e) {
            QCOMPARE(e.message(), "Unable to write to " + QDir::toNativeSeparators(path));
        }
        QCOMPARE(bytesOf(path), QByteArray("[Options]\r\nUnits=1\r\n"));
    }

    void exportOnAFullDiskKeepsTheOldPicture()
    {
        auto w = window();
        fillDesign(*w);
        const QString bmp = folder->file("card.bmp");
        writeBytes(bmp, "an older export");
        script->fileNames.enqueue(bmp);
        script->dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); }); // resolution: screen
        script->answers.enqueue(false);                                            // no border
        {
            FileSizeLimit limit(8 * 1024); // the card as BMP is some 190 KB
            w->mnuSaveAsBitmapClick();
        }
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(script->log.last(), "error[Save]: Unable to save the card as " + bmp);
        QCOMPARE(bytesOf(bmp), QByteArray("an older export"));
        QCOMPARE(filesIn(folder->path()), QStringList{"card.bmp"});
    }

    void backgroundDeletedWhileTheCardIsOpen()
    {
        // The user's own picture: no shipped background has its name.
        const QString background = folder->file("BG/MyMarble.bmp");
        QDir().mkpath(folder->file("BG"));
        QVERIFY(noise(40, 30).save(background, "BMP"));
        const QString card = folder->file("Saved/BC0004.CWR");
        {
            auto w = window();
            fillDesign(*w);
            w->BackgroundFile = background;
            QVERIFY(w->SaveBCFile(card));
        }
        auto w = window();
        w->OpenBCFile(card);
        QCOMPARE(w->BusinessCardPanel()->ColorPicture().size(), QSize(40, 30));
        QVERIFY(QFile::remove(background));
        // The picture in memory still paints and prints; saving keeps its
        // name (in the BG folder: relative to the program folder).
        QVERIFY(!w->BusinessCardPanel()->RenderToBitmap().isNull());
        w->mnuSaveClick();
        QVERIFY(script->log.isEmpty());
        QCOMPARE(bytesOf(model::TCardFiles::SidecarPath(card)), QByteArray("BG/MyMarble.bmp\r\n"));
        // A file that vanishes between the check and the read is refused
        // with a message naming it, not a crash or an empty picture …
        try {
            w->BusinessCardPanel()->LoadColorPicture(background);
            QFAIL("a missing background was loaded");
        } catch (const Exception &e) {
            QVERIFY2(e.message().contains(background), qPrintable(e.message()));
        }
        // … and the background on show stays.
        QCOMPARE(w->BusinessCardPanel()->ColorPicture().size(), QSize(40, 30));
        // Opened again, the card comes without a background and without a word.
        auto again = window();
        again->OpenBCFile(card);
        QCOMPARE(again->BusinessCardPanel()->ObjectCount(), 2);
        QVERIFY(again->BusinessCardPanel()->ColorPicture().isNull());
        QCOMPARE(again->BackgroundFile, QString("BG/MyMarble.bmp")); // as the sidecar names it
        QVERIFY(script->informations.isEmpty());
    }

    void pictureFileDeletedAfterLoadingStaysInTheCard()
    {
        // A picture object or a texture keeps the bytes it was loaded from,
        // so the card does not depend on the file any more.
        const QString source = folder->file("texture.bmp");
        QVERIFY(noise(16, 16).save(source, "BMP"));
        const model::TGPicture picture = model::TGPicture::FromFile(source);
        QVERIFY(QFile::remove(source));
        auto w = window();
        auto image = std::make_unique<model::TGImage>();
        image->SetPicture(picture);
        w->BusinessCardPanel()->PlaceNewObject(std::move(image), QRect(10, 10, 16, 16));
        const QString card = folder->file("Saved/BC0005.CWR");
        QVERIFY(w->SaveBCFile(card));
        auto again = window();
        again->OpenBCFile(card);
        QCOMPARE(again->BusinessCardPanel()->ObjectCount(), 1);
        auto *read = dynamic_cast<model::TGImage *>(again->BusinessCardPanel()->ObjectAt(0));
        QVERIFY(read);
        QCOMPARE(read->Picture().Image().pixel(3, 5), noise(16, 16).pixel(3, 5));
        try {
            model::TGPicture::FromFile(source);
            QFAIL("a deleted picture file was read");
        } catch (const Exception &) {
        }
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestFaults)
#include "tst_faults.moc"

// The per-user program folder: where it is, and how the folder of earlier
// versions one level deeper is moved up without losing a file.

#include "app/model/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cw;

class TestUserFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir *home = nullptr;

    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        home = new QTemporaryDir;
        qputenv("XDG_DATA_HOME", home->filePath("data").toUtf8());
    }
    void cleanup()
    {
        qunsetenv("XDG_DATA_HOME");
        delete home;
    }

    void isCardwrightInTheDataFolder()
    {
        const QString expected = home->filePath("data") + "/Cardwright/";
        QCOMPARE(model::ProgramFolder::userFolder(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QVERIFY(!QFileInfo::exists(expected + "Cardwright"));
    }

    void oldFolderIsMovedUpOnce()
    {
        const QString data = home->filePath("data");
        write(data + "/Cardwright/Cardwright/CWR.INI", "[Settings]\n");
        write(data + "/Cardwright/Cardwright/Saved/BC0001.CWR", "card 1");
        write(data + "/Cardwright/Cardwright/BG/.hidden", "h");
        const QString folder = model::ProgramFolder::userFolder();
        QCOMPARE(read(folder + "CWR.INI"), QByteArray("[Settings]\n"));
        QCOMPARE(read(folder + "Saved/BC0001.CWR"), QByteArray("card 1"));
        QCOMPARE(read(folder + "BG/.hidden"), QByteArray("h"));
        QVERIFY(!QFileInfo::exists(folder + "Cardwright"));
        // A second start finds nothing to move and changes nothing.
        write(folder + "Saved/BC0002.CWR", "card 2");
        QCOMPARE(model::ProgramFolder::userFolder(), folder);
        QCOMPARE(read(folder + "Saved/BC0002.CWR"), QByteArray("card 2"));
    }

    void namesAlreadyTakenStayInTheOldFolder()
    {
        QTemporaryDir oldDir, newDir;
        write(oldDir.filePath("CWR.INI"), "old ini");
        write(oldDir.filePath("Saved/A.CWR"), "old A");
        write(oldDir.filePath("bmbrush/brush.bmp"), "brush");
        write(newDir.filePath("CWR.INI"), "new ini");
        write(newDir.filePath("Saved/B.CWR"), "new B");
        const QStringList left = model::ProgramFolder::moveOldFolder(oldDir.path(), newDir.path());
        QCOMPARE(left, QStringList({"CWR.INI", "Saved"}));
        // Nothing is overwritten and nothing is lost.
        QCOMPARE(read(newDir.filePath("CWR.INI")), QByteArray("new ini"));
        QCOMPARE(read(oldDir.filePath("CWR.INI")), QByteArray("old ini"));
        QCOMPARE(read(oldDir.filePath("Saved/A.CWR")), QByteArray("old A"));
        QCOMPARE(read(newDir.filePath("Saved/B.CWR")), QByteArray("new B"));
        QCOMPARE(read(newDir.filePath("bmbrush/brush.bmp")), QByteArray("brush"));
        QVERIFY(QFileInfo(oldDir.path()).isDir());
    }
};

QTEST_MAIN(TestUserFolder)
#include "tst_userfolder.moc"

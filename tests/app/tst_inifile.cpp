#include "app/model/Exception.h"
#include "app/model/TIniFile.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace cw;
using model::TIniFile;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Limits the size of files this process may write, so that a write fails even
// for a user whom permissions do not stop.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT
private slots:
    void namesCompareWithoutLetterCase()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        writeBytes(path, "[PRINTER]\n  topMarginNudge = 5\n");
        TIniFile ini(path);
        QCOMPARE(ini.ReadInteger("Printer", "TopMarginNudge", 0), 5);
        QVERIFY(ini.SectionExists("printer"));
        QVERIFY(ini.ValueExists("Printer", "TOPMARGINNUDGE"));

        // Writing with other letter case changes the existing line.
        ini.WriteInteger("printer", "TOPMARGINNUDGE", 7);
        QCOMPARE(readBytes(path), QByteArray("[PRINTER]\ntopMarginNudge=7\n"));
    }

    void integers_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << "42" << 42;
        QTest::newRow("blanks around") << "  42  " << 42;
        QTest::newRow("negative") << "-7" << -7;
        QTest::newRow("plus sign") << "+3" << 3;
        QTest::newRow("hex lower") << "0x1f" << 31;
        QTest::newRow("hex upper prefix") << "0XFF" << 255;
        QTest::newRow("hex is a 32-bit pattern") << "0xFFFFFFFF" << -1;
        QTest::newRow("int minimum") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("word") << "abc" << -99;
        QTest::newRow("trailing garbage") << "12abc" << -99;
        QTest::newRow("empty") << "" << -99;
        QTest::newRow("prefix only") << "0x" << -99;
        QTest::newRow("hex digits without prefix") << "1F" << -99;
        QTest::newRow("decimal beyond int") << "2147483648" << -99;
        QTest::newRow("hex beyond 32 bits") << "0x100000000" << -99;
        QTest::newRow("decimal point") << "2.5" << -99;
        QTest::newRow("quoted number") << "\"12\"" << 12;
    }
    void integers()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        writeBytes(path, ("[Layout]\nAcross=" + stored + "\n").toUtf8());
        TIniFile ini(path);
        QCOMPARE(ini.ReadInteger("Layout", "Across", -99), expected);
    }

    void booleans()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        writeBytes(path, "[S]\nOne=1\nZero=0\nFive=5\nMinus=-1\nYes=yes\n");
        TIniFile ini(path);
        QCOMPARE(ini.ReadBool("S", "One", false), true);
        QCOMPARE(ini.ReadBool("S", "Zero", true), false);
        QCOMPARE(ini.ReadBool("S", "Five", false), true);
        QCOMPARE(ini.ReadBool("S", "Minus", false), true);
        QCOMPARE(ini.ReadBool("S", "Yes", false), false); // not a number: the default
        QCOMPARE(ini.ReadBool("S", "Yes", true), true);
        QCOMPARE(ini.ReadBool("S", "Missing", true), true);

        ini.WriteBool("T", "On", true);
        ini.WriteBool("T", "Off", false);
        QVERIFY(readBytes(path).endsWith("[T]\nOn=1\nOff=0\n"));
    }

    void valuesAsTheProfileReaderReturnsThem()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        writeBytes(path, "[Personal]\n"
                         "Name =  Bob Smith  \n"
                         "Company=a=b=c\n"
                         "Title=\"quoted\"\n"
                         "Address1='single'\n"
                         "Address2=\"mixed'\n"
                         "Address3=\n"
                         "Phone1=\"  padded  \"\n");
        TIniFile ini(path);
        QCOMPARE(ini.ReadString("Personal", "Name", "x"), QString("Bob Smith"));
        QCOMPARE(ini.ReadString("Personal", "Company", "x"), QString("a=b=c"));
        QCOMPARE(ini.ReadString("Personal", "Title", "x"), QString("quoted"));
        QCOMPARE(ini.ReadString("Personal", "Address1", "x"), QString("single"));
        QCOMPARE(ini.ReadString("Personal", "Address2", "x"), QString("\"mixed'"));
        QCOMPARE(ini.ReadString("Personal", "Address3", "x"), QString()); // present but empty
        QCOMPARE(ini.ReadString("Personal", "Phone1", "x"), QString("  padded  "));
        QCOMPARE(ini.ReadString("Personal", "Phone2", "x"), QString("x"));
        QCOMPARE(ini.ReadString("Nowhere", "Name", "x"), QString("x"));
    }

    void writtenTextsComeBackUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << "Jane Doe" << QByteArray("Name=Jane Doe");
        QTest::newRow("equals signs") << "a=b" << QByteArray("Name=a=b");
        QTest::newRow("leading blanks") << "  Jane" << QByteArray("Name=\"  Jane\"");
        QTest::newRow("trailing blank") << "Jane " << QByteArray("Name=\"Jane \"");
        QTest::newRow("quoted") << "\"Jane\"" << QByteArray("Name=\"\"Jane\"\"");
        QTest::newRow("one quote") << "\"Jane" << QByteArray("Name=\"Jane");
        QTest::newRow("semicolon") << ";not a comment" << QByteArray("Name=;not a comment");
        QTest::newRow("non-Latin") << QString::fromUtf8("Zoë € 東京")
                                   << QString::fromUtf8("Name=Zoë € 東京").toUtf8();
        QTest::newRow("empty") << "" << QByteArray("Name=");
    }
    void writtenTextsComeBackUnchanged()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, line);
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        TIniFile ini(path);
        ini.WriteString("Personal", "Name", text);
        QCOMPARE(readBytes(path), "[Personal]\n" + line + "\n");
        QCOMPARE(TIniFile(path).ReadString("Personal", "Name", "default"), text);
    }

    void lineBreaksCannotStartNewKeys()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        TIniFile ini(path);
        ini.WriteString("Personal", "Name", "Bob\r\n[Layout]\nAcross=9");
        QCOMPARE(ini.ReadString("Personal", "Name", ""), QString("Bob [Layout] Across=9"));
        QVERIFY(!ini.SectionExists("Layout"));
    }

    void longValuesAreCutTo1023Characters()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        TIniFile ini(path);
        const QString text(2000, QChar('w'));
        ini.WriteString("Personal", "Name", text);
        QVERIFY(readBytes(path).contains(text.toLatin1())); // written whole
        QCOMPARE(ini.ReadString("Personal", "Name", ""), QString(1023, QChar('w')));
        // A character outside the basic plane is never cut in half.
        const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");
        ini.WriteString("Personal", "Name", QString(1022, QChar('a')) + clef);
        QCOMPARE(ini.ReadString("Personal", "Name", ""), QString(1022, QChar('a')));
    }

    void writesKeepTheRestOfTheFile()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        writeBytes(path, "; settings\n"
                         "[MRU]\n"
                         "F0=/home/u/a.CWR\n"
                         "\n"
                         "[Personal]\n"
                         "Name=Old\n"
                         "; a note\n"
                         "Company=Acme\n"
                         "\n"
                         "[TMainScreen_Placement]\n"
                         "Left=10\n");
        TIniFile ini(path);
        ini.WriteString("Personal", "Name", "New");
        ini.WriteString("Personal", "Fax", "555");
        ini.WriteInteger("Layout", "Across", 2);
        QCOMPARE(readBytes(path), QByteArray("; settings\n"
                                             "[MRU]\n"
                                             "F0=/home/u/a.CWR\n"
                                             "\n"
                                             "[Personal]\n"
                                             "Name=New\n"
                                             "; a note\n"
                                             "Company=Acme\n"
                                             "Fax=555\n"
                                             "\n"
                                             "[TMainScreen_Placement]\n"
                                             "Left=10\n"
                                             "[Layout]\n"
                                             "Across=2\n"));
        QCOMPARE(ini.ReadSection("personal"), QStringList({"Name", "Company", "Fax"}));
        QCOMPARE(ini.ReadSections(), QStringList({"MRU", "Personal", "TMainScreen_Placement", "Layout"}));
    }

    void eraseSectionAndDeleteKey()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        writeBytes(path, "[MRU]\nF0=a\nF1=b\n[Personal]\nName=x\n[mru]\nF0=stale\n");
        TIniFile ini(path);
        ini.EraseSection("Mru");
        QVERIFY(!ini.SectionExists("MRU"));
        QCOMPARE(readBytes(path), QByteArray("[Personal]\nName=x\n"));
        ini.DeleteKey("Personal", "NAME");
        QCOMPARE(readBytes(path), QByteArray("[Personal]\n"));
        QVERIFY(ini.SectionExists("Personal"));
        QVERIFY(ini.ReadSection("Personal").isEmpty());
        ini.EraseSection("Absent"); // nothing to do, nothing thrown
    }

    void firstSectionAndKeyWin()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        writeBytes(path, "Orphan=1\n[A]\nK=first\nK=second\n[A]\nK=third\n");
        TIniFile ini(path);
        QCOMPARE(ini.ReadString("A", "K", ""), QString("first"));
        QCOMPARE(ini.ReadString("", "Orphan", "none"), QString("none"));
    }

    void encodings()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        // Not valid UTF-8: Windows-1252, where 0x80 is the euro sign.
        writeBytes(path, "[Personal]\r\nName=Caf\xE9 \x80\x81\r\n");
        TIniFile ini(path);
        QCOMPARE(ini.ReadString("Personal", "Name", ""), QString::fromUtf8("Café €\xC2\x81"));
        // Rewritten as UTF-8, keeping its line endings.
        ini.WriteString("Personal", "Fax", "1");
        QCOMPARE(readBytes(path),
                 QByteArray("[Personal]\r\nName=Caf\xC3\xA9 \xE2\x82\xAC\xC2\x81\r\nFax=1\r\n"));
        QCOMPARE(ini.ReadString("Personal", "Name", ""), QString::fromUtf8("Café €\xC2\x81"));

        // A UTF-8 byte order mark is skipped and kept.
        writeBytes(path, "\xEF\xBB\xBF[Personal]\nName=\xC3\xA9\n");
        QCOMPARE(ini.ReadString("Personal", "Name", ""), QString::fromUtf8("é"));
        ini.WriteString("Personal", "Name", "x");
        QCOMPARE(readBytes(path), QByteArray("\xEF\xBB\xBF[Personal]\nName=x\n"));
    }

    void missingFileReadsAsDefaultsAndIsNotCreated()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        TIniFile ini(path);
        QCOMPARE(ini.ReadString("Personal", "Name", "d"), QString("d"));
        QCOMPARE(ini.ReadInteger("Layout", "Across", 2), 2);
        QVERIFY(!ini.SectionExists("Layout"));
        QVERIFY(ini.ReadSections().isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void updateBlockWritesOnce()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        writeBytes(path, "[A]\nK=1\n");
        TIniFile ini(path);
        ini.BeginUpdate();
        ini.WriteInteger("A", "K", 2);
        ini.BeginUpdate();
        ini.WriteInteger("B", "L", 3);
        ini.EndUpdate();
        QCOMPARE(readBytes(path), QByteArray("[A]\nK=1\n")); // still the old file
        QCOMPARE(ini.ReadInteger("A", "K", 0), 2);           // the block sees its own writes
        ini.EndUpdate();
        QCOMPARE(readBytes(path), QByteArray("[A]\nK=2\n[B]\nL=3\n"));

        ini.BeginUpdate();
        ini.WriteInteger("A", "K", 9);
        ini.CancelUpdate();
        QCOMPARE(ini.ReadInteger("A", "K", 0), 2);
        QCOMPARE(readBytes(path), QByteArray("[A]\nK=2\n[B]\nL=3\n"));
    }

    void twoReadersOfOneFileSeeEachOthersWrites()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        TIniFile first(path);
        TIniFile second(path);
        QCOMPARE(first.ReadString("MRU", "F0", ""), QString());
        second.WriteString("MRU", "F0", "a.CWR");
        first.WriteString("Personal", "Name", "Ann");
        QCOMPARE(first.ReadString("MRU", "F0", ""), QString("a.CWR"));
        QCOMPARE(second.ReadString("Personal", "Name", ""), QString("Ann"));
    }

    void failedWriteLeavesTheOldFile()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        const QByteArray old("[Personal]\nName=Old\n");
        writeBytes(path, old);
        TIniFile ini(path);
        {
            FileSizeLimit limit(64);
            try {
                ini.WriteString("Personal", "Name", QString(500, QChar('n')));
                QFAIL("the write should have failed");
            } catch (const EInOutError &e) {
                QVERIFY2(e.message().contains(path), qPrintable(e.message()));
            }
        }
        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"CWR.INI"})); // no leftovers
        QCOMPARE(ini.ReadString("Personal", "Name", ""), QString("Old"));

        // An update block that cannot be written reports it at its end, once.
        ini.BeginUpdate();
        ini.WriteString("Personal", "Company", QString(500, QChar('c')));
        {
            FileSizeLimit limit(64);
            QVERIFY_THROWS_EXCEPTION(EInOutError, ini.EndUpdate());
        }
        QCOMPARE(readBytes(path), old);
        ini.WriteString("Personal", "Fax", "1"); // the file is usable afterwards
        QCOMPARE(readBytes(path), old + "Fax=1\n");
    }

    void writeIntoMissingFolderNamesTheFile()
    {
        test::TestFolder folder;
        const QString path = folder.file("no such folder/CWR.INI");
        TIniFile ini(path);
        try {
            ini.WriteInteger("Layout", "Across", 2);
            QFAIL("the write should have failed");
        } catch (const EInOutError &e) {
            QCOMPARE(e.message(), "Unable to write to " + path);
        }
    }

    void settingsFileIsFoundWithoutRegardToCase()
    {
        test::TestFolder folder;
        QCOMPARE(TIniFile::SettingsFileName(), folder.file("CWR.INI"));
        writeBytes(folder.file("cwr.ini"), "[Layout]\nAcross=1\n");
        QCOMPARE(TIniFile::SettingsFileName(), folder.file("cwr.ini"));
        writeBytes(folder.file("CWR.INI"), "");
        QCOMPARE(TIniFile::SettingsFileName(), folder.file("CWR.INI"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"

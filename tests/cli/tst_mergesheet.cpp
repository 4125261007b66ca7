// cardwright-cli sheet --merge as a user runs it: 25 people from a CSV file
// (Czech, German and French names) on three sheets with the right person in
// every card cell, a phone's vCard export with several cards per record and
// a hand-made mapping, and a faulty CSV whose bad records are named while
// the others print.  The text of every cell is read back from the PDF.
#include "app/model/TCardFiles.h"
#include "app/model/TCardLayout.h"
#include "app/model/TIniFile.h"
#include "app/model/TPreferences.h"
#include "design/model/TGLabelObjectFiler.h"
#include "merge/model/TCsvReader.h"
#include "text/model/TGBusinessCardLabel.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

QString dataFile(const QString &name)
{
    return qEnvironmentVariable("CW_TEST_DATA") + QStringLiteral("/merge/") + name;
}

// Letter, 2 x 5 cards of 3.5 x 2 inches from (0.75, 0.5) inches.
TCardLayout tenCardLayout()
{
    TCardLayout layout;
    layout.Height = 2.0f;
    layout.Width = 3.5f;
    layout.Across = 2;
    layout.Down = 5;
    layout.TopMargin = 0.5f;
    layout.LeftMargin = 0.75f;
    layout.HPitch = 3.5f;
    layout.VPitch = 2.0f;
    layout.Papersize = TCardLayout::PaperLetter;
    return layout;
}

std::unique_ptr<TGBusinessCardLabel> label(int top, int field, const QString &caption)
{
    auto l = std::make_unique<TGBusinessCardLabel>();
    l->SetBounds(12, top, 40, 20);
    l->SetCaption(caption);
    l->SetPersonalField(field);
    return l;
}

// Name, Company and Phone 1 linked, and a fixed text that is no field.
void writeCard(const QString &path)
{
    TGLabelObjectFiler::ObjectList objects;
    objects.push_back(label(10, 0, QStringLiteral("Name")));
    objects.push_back(label(50, 1, QStringLiteral("Company")));
    objects.push_back(label(90, 6, QStringLiteral("Phone")));
    objects.push_back(label(130, TGBusinessCardLabel::Unlinked, QStringLiteral("Fixed")));
    TGLabelObjectFiler::WriteObjects(TGLabelObjectFiler::Refs(objects), path);
}

} // namespace

class TestMergeSheet : public QObject
{
    Q_OBJECT

    QString m_program;
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    struct Result
    {
        int code = -1;
        QString out, err;
    };
    Result run(const QStringList &args)
    {
        QProcess process;
        process.start(m_program, QStringList{"--folder", m_dir.path()} + args);
        Result r;
        if (!process.waitForFinished(120000))
            return r;
        r.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        r.out = QString::fromUtf8(process.readAllStandardOutput());
        r.err = QString::fromUtf8(process.readAllStandardError());
        return r;
    }

    int pageCount(const QString &pdf)
    {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished(30000);
        for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
            if (line.startsWith(QLatin1String("Pages:")))
                return line.mid(6).trimmed().toInt();
        return -1;
    }

    // The text inside card cell `position` (1 = top left) of a page, read
    // from the PDF in that rectangle only, blanks and line ends as one blank.
    QString cellText(const QString &pdf, int page, int position)
    {
        const TCardLayout l = tenCardLayout();
        const int column = (position - 1) % l.Across, row = (position - 1) / l.Across;
        const double x = (l.LeftMargin + column * l.HPitch) * 72, y = (l.TopMargin + row * l.VPitch) * 72;
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {"-f", QString::number(page), "-l", QString::number(page), "-x",
                    QString::number(int(x) + 1), "-y", QString::number(int(y) + 1), "-W",
                    QString::number(int(l.Width * 72) - 2), "-H", QString::number(int(l.Height * 72) - 2),
                    pdf, "-"});
        text.waitForFinished(30000);
        return QString::fromUtf8(text.readAllStandardOutput()).simplified();
    }

private slots:
    void initTestCase()
    {
        m_program = QCoreApplication::applicationDirPath() + "/../cardwright-cli";
        QVERIFY2(QFile::exists(m_program), "build the cardwright-cli target first");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is missing");
        TPreferences preferences;
        preferences.Layout = tenCardLayout();
        preferences.PersonalInfo[0] = QStringLiteral("Settings Person");
        TIniFile ini(path("CWR.INI"));
        preferences.Save(ini);
        writeCard(path("team.cwr"));
    }

    void twentyFivePeopleFillThreeSheetsInOrder()
    {
        const Result r =
            run({"sheet", path("team.cwr"), path("team.pdf"), "--merge", dataFile("people.csv")});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(pageCount(path("team.pdf")), 3);

        QFile csv(dataFile("people.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const TMergeTable people = TCsvReader::Read(csv.readAll());
        QCOMPARE(people.RecordCount(), 25);
        for (int record = 0; record < 30; ++record) {
            const int page = record / 10 + 1, position = record % 10 + 1;
            const QString text = cellText(path("team.pdf"), page, position);
            if (record >= 25) {
                QVERIFY2(text.isEmpty(),
                         qPrintable(QString("cell %1 of sheet 3: %2").arg(position).arg(text)));
                continue;
            }
            const QStringList &person = people.Rows[std::size_t(record)];
            const QString expected = person[0] + ' ' + person[1] + ' ' + person[5] + " Fixed";
            QVERIFY2(text == expected, qPrintable(QString("sheet %1 cell %2: \"%3\", expected \"%4\"")
                                                      .arg(page)
                                                      .arg(position)
                                                      .arg(text, expected)));
        }
    }

    // Both sides of a merged job: each sheet's back page follows its front
    // page and carries the same records, every back card behind its front
    // card once the page is turned about the long edge (the columns swap).
    void bothSidesCarryTheSameRecordsSheetBySheet()
    {
        TGLabelObjectFiler::ObjectList back;
        back.push_back(label(30, 0, QStringLiteral("Name")));
        back.push_back(label(90, TGBusinessCardLabel::Unlinked, QStringLiteral("Back")));
        const QString card = path("duplex.cwr");
        QVERIFY(QFile::copy(path("team.cwr"), card));
        TGLabelObjectFiler::WriteObjects(TGLabelObjectFiler::Refs(back), TCardFiles::BackPath(card));

        const Result r = run({"sheet", card, path("duplex.pdf"), "--merge", dataFile("people.csv"),
                              "--both-sides", "--binding", "long"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(pageCount(path("duplex.pdf")), 6);

        QFile csv(dataFile("people.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const TMergeTable people = TCsvReader::Read(csv.readAll());
        const TCardLayout l = tenCardLayout();
        for (int record = 0; record < 30; ++record) {
            const int sheet = record / 10, position = record % 10 + 1;
            const int column = (position - 1) % l.Across, row = (position - 1) / l.Across;
            const int behind = row * l.Across + (l.Across - 1 - column) + 1;
            const QString front = cellText(path("duplex.pdf"), 2 * sheet + 1, position);
            const QString reverse = cellText(path("duplex.pdf"), 2 * sheet + 2, behind);
            if (record >= 25) {
                QVERIFY2(front.isEmpty() && reverse.isEmpty(),
                         qPrintable(QString("cell %1 of sheet 3: %2 / %3").arg(position).arg(front, reverse)));
                continue;
            }
            const QStringList &person = people.Rows[std::size_t(record)];
            const QString expectedFront = person[0] + ' ' + person[1] + ' ' + person[5] + " Fixed";
            const QString expectedBack = person[0] + " Back";
            QVERIFY2(front == expectedFront && reverse == expectedBack,
                     qPrintable(QString("sheet %1 cell %2: \"%3\" / \"%4\", expected \"%5\" / \"%6\"")
                                    .arg(sheet + 1)
                                    .arg(position)
                                    .arg(front, reverse, expectedFront, expectedBack)));
        }
    }

    void withoutMergeLinkedLabelsShowTheSettingsPersonalInformation()
    {
        const Result r = run({"sheet", path("team.cwr"), path("one.pdf")});
        QCOMPARE(r.code, 0);
        QCOMPARE(pageCount(path("one.pdf")), 1);
        // An empty field prints as nothing, never as the label's caption.
        QCOMPARE(cellText(path("one.pdf"), 1, 1), QString("Settings Person Fixed"));
    }

    void phoneContactsWithHandMadeMappingAndTwoCardsEach()
    {
        const Result r =
            run({"sheet", path("team.cwr"), path("phone.pdf"), "--merge", dataFile("contacts.vcf"), "--map",
                 "Company=Title", "--map", "Phone 1=Fax", "--per-record", "2"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(pageCount(path("phone.pdf")), 1);
        const QStringList expected{
            QString::fromUtf8("Ondřej Šťastný Obchodní zástupce +420 221 111 112 Fixed"),
            QString::fromUtf8("Anneliese Fröhlich Einkäuferin Fixed"),
            QString::fromUtf8("Gaëlle Rousseau Libraire +33 3 88 00 00 01 Fixed")};
        for (int position = 1; position <= 10; ++position)
            QCOMPARE(cellText(path("phone.pdf"), 1, position), expected.value((position - 1) / 2));
    }

    void faultyRecordsAreNamedAndTheOthersPrint()
    {
        QFile csv(path("broken.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Name;Company\r\nAnna;A\r\nBert;B;extra\r\n\"Carl;C\r\nDora;D\r\n");
        csv.close();
        const Result r = run({"sheet", path("team.cwr"), path("broken.pdf"), "--merge", path("broken.csv")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.contains("Line 3 (record 2)") && r.err.contains("Line 4 (record 3)"),
                 qPrintable(r.err));
        QCOMPARE(cellText(path("broken.pdf"), 1, 1), QString("Anna A Fixed"));
        QCOMPARE(cellText(path("broken.pdf"), 1, 2), QString("Bert B Fixed"));
        QCOMPARE(cellText(path("broken.pdf"), 1, 3), QString("Dora D Fixed"));
        QCOMPARE(cellText(path("broken.pdf"), 1, 4), QString());
    }

    void badMergeArgumentsAreRefused()
    {
        Result r = run({"sheet", path("team.cwr"), path("x.pdf"), "--merge", dataFile("people.csv"), "--map",
                        "Name=Nobody"});
        QVERIFY(r.code != 0);
        QVERIFY2(r.err.contains("no column \"Nobody\""), qPrintable(r.err));
        r = run({"sheet", path("team.cwr"), path("x.pdf"), "--map", "Name=Name"});
        QVERIFY(r.code != 0);
        r = run({"sheet", path("team.cwr"), path("x.pdf"), "--merge", path("missing.csv")});
        QVERIFY(r.code != 0);
        QVERIFY(!QFile::exists(path("x.pdf")));
    }
};

QTEST_MAIN(TestMergeSheet)
#include "tst_mergesheet.moc"

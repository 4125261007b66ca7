// Merge sources: the CSV reader (quotes, line breaks in fields, separators,
// byte-order mark, Windows-1252 bytes, faulty records named by line and
// record), the vCard reader (as phones export: quoted-printable with soft
// line breaks, folded lines, charsets, versions 2.1 to 4.0, broken
// contacts), the automatic and hand-made mapping to the ten fields, and the
// merge file kept beside the card.
#include "app/model/Exception.h"
#include "app/model/TCardFiles.h"
#include "merge/model/TCsvReader.h"
#include "merge/model/TMergeSidecar.h"
#include "merge/model/TMergeSource.h"
#include "merge/model/TVCardReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::model;

namespace {

QByteArray dataBytes(const QString &name)
{
    QFile file(qEnvironmentVariable("CW_TEST_DATA") + "/merge/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList messages(const TMergeTable &table)
{
    QStringList list;
    for (const TMergeProblem &p : table.Problems)
        list << p.Message();
    return list;
}

QStringList row(const TMergeTable &table, int index)
{
    return table.Rows.at(std::size_t(index));
}

} // namespace

class TestMergeSources : public QObject
{
    Q_OBJECT
private slots:
    void csvQuotesAndLineBreaksInsideFields()
    {
        const TMergeTable t =
            TCsvReader::Read(QByteArray("Name,Note,Phone\r\n"
                                        "\"Smith, John\",\"He said \"\"hi\"\"\r\nthen left\",1\r\n"
                                        "\"\",,\"3\"\n"
                                        "Last,x,9"));
        QCOMPARE(t.Columns, (QStringList{"Name", "Note", "Phone"}));
        QCOMPARE(t.RecordCount(), 3);
        QCOMPARE(row(t, 0), (QStringList{"Smith, John", "He said \"hi\"\nthen left", "1"}));
        QCOMPARE(row(t, 1), (QStringList{"", "", "3"}));
        QCOMPARE(row(t, 2), (QStringList{"Last", "x", "9"}));
        QVERIFY(t.Problems.empty());
    }

    void csvSeparatorIsTakenFromTheHeaderOutsideQuotes()
    {
        QCOMPARE(TCsvReader::DetectSeparator("Name;Firma;Telefon\r\na,b;c"), QChar(';'));
        QCOMPARE(TCsvReader::DetectSeparator("Name\tCompany\n"), QChar('\t'));
        QCOMPARE(TCsvReader::DetectSeparator("\"Name;Vorname\",Firma\n"), QChar(','));
        QCOMPARE(TCsvReader::DetectSeparator("Name\n"), QChar(','));
        const TMergeTable t = TCsvReader::Read(QByteArray("Name;Firma\r\nMüller, Hans;\"A;B\"\r\n"));
        QCOMPARE(row(t, 0), (QStringList{"Müller, Hans", "A;B"}));
    }

    void csvEncodingIsUtf8OrWindows1252()
    {
        // UTF-8 with a byte-order mark: the mark is no part of the first column.
        TMergeTable t = TCsvReader::Read(QByteArray("\xEF\xBB\xBFName\r\nJi\xC5\x99\xC3\xAD\r\n"));
        QCOMPARE(t.Columns, QStringList{"Name"});
        QCOMPARE(row(t, 0), QStringList{QString::fromUtf8("Jiří")});
        // A spreadsheet's "CSV" in Windows-1252: ü, é, the euro sign and ’.
        t = TCsvReader::Read(QByteArray("Name\r\nM\xFCller \xE9t\xE9 \x80 d\x92"
                                        "Arc\r\n"));
        QCOMPARE(row(t, 0), QStringList{QString::fromUtf8("Müller été € d’Arc")});
    }

    void csvFaultyRecordsAreNamedAndTheRestIsRead()
    {
        const TMergeTable t = TCsvReader::Read(QByteArray("Name,Company\n"  // line 1
                                                          "Anna,\"A\nA\"\n" // 2-3, record 1
                                                          "Bert,B,extra\n"  // 4, record 2
                                                          "\n"              // 5, blank
                                                          "Carl,\"C\"x\n"   // 6, record 3
                                                          "\"Dora,D\n"      // 7, record 4: never closed
                                                          "Emil,E\n"));     // 8, record 5
        QCOMPARE(t.RecordCount(), 4);
        QCOMPARE(row(t, 0), (QStringList{"Anna", "A\nA"}));
        QCOMPARE(row(t, 1), (QStringList{"Bert", "B"}));
        QCOMPARE(row(t, 2), (QStringList{"Carl", "Cx"}));
        QCOMPARE(row(t, 3), (QStringList{"Emil", "E"}));
        const QStringList m = messages(t);
        QCOMPARE(m.size(), 3);
        QVERIFY2(m[0].startsWith("Line 4 (record 2): 3 fields"), qPrintable(m[0]));
        QVERIFY2(m[1].startsWith("Line 6 (record 3): text follows a closing quote"), qPrintable(m[1]));
        QVERIFY2(m[2].startsWith("Line 7 (record 4): a quoted field is not closed"), qPrintable(m[2]));
        // Fewer fields than columns are empty texts, without a message.
        const TMergeTable shortRow = TCsvReader::Read(QByteArray("A,B,C\r1\r"));
        QCOMPARE(row(shortRow, 0), (QStringList{"1", "", ""}));
        QVERIFY(shortRow.Problems.empty());
    }

    void vcardAsAPhoneExportsIt()
    {
        const TMergeTable t = TVCardReader::Read(dataBytes("contacts.vcf"));
        QCOMPARE(t.Columns, TMergeMapping::FieldNames());
        QVERIFY2(t.Problems.empty(), qPrintable(messages(t).join('\n')));
        QCOMPARE(t.RecordCount(), 3);
        QCOMPARE(
            row(t, 0),
            (QStringList{QString::fromUtf8("Ondřej Šťastný"), QString::fromUtf8("České dráhy a.s., Obchod"),
                         QString::fromUtf8("Obchodní zástupce"),
                         QString::fromUtf8("Nábřeží Ludvíka Svobody 1222/12"), "110 15 Praha 1",
                         QString::fromUtf8("Česká republika"), "+420 602 123 456", "+420 221 111 111",
                         "ondrej.stastny@example.cz", "+420 221 111 112"}));
        QCOMPARE(row(t, 1)[0], QString::fromUtf8("Anneliese Fröhlich"));
        QCOMPARE(row(t, 1)[8], QString("anneliese.froehlich@example.de")); // folded
        QCOMPARE(row(t, 1)[4], QString("60313 Frankfurt am Main"));
        QCOMPARE(row(t, 1)[9], QString());
        QCOMPARE(row(t, 2)[9], QString("+33 3 88 00 00 01"));
    }

    void vcardVersionsAndCharsets()
    {
        const TMergeTable t = TVCardReader::Read(QByteArray(
            "BEGIN:VCARD\r\nVERSION:2.1\r\n"
            "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen\r\n"
            "TEL;WORK;FAX:111\r\nTEL;CELL:222\r\nitem1.TEL;HOME:333\r\n"
            "ADR;WORK:;;Main St 1;Springfield;IL;62701;USA\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\nVERSION:4.0\nFN:Smith\\, Jane\nTEL;VALUE=uri;TYPE=\"voice,work\":tel:+1-555-0100\n"
            "ORG:Acme;Research\\; Labs\nEND:VCARD\n"));
        QCOMPARE(t.RecordCount(), 2);
        QCOMPARE(row(t, 0)[0], QString::fromUtf8("Jürgen Müller"));
        QCOMPARE(row(t, 0)[6], QString("222"));
        QCOMPARE(row(t, 0)[7], QString("333"));
        QCOMPARE(row(t, 0)[9], QString("111"));
        QCOMPARE(row(t, 0)[3], QString("Main St 1"));
        QCOMPARE(row(t, 0)[4], QString("Springfield, IL 62701"));
        QCOMPARE(row(t, 1)[0], QString("Smith, Jane"));
        QCOMPARE(row(t, 1)[1], QString("Acme, Research; Labs"));
        QCOMPARE(row(t, 1)[6], QString("+1-555-0100"));
        QCOMPARE(TVCardReader::DecodeQuotedPrintable("a=3Db=ZZ=4"), QByteArray("a=b=ZZ=4"));
    }

    void vcardBrokenContactsAreNamedAndTheRestIsRead()
    {
        const TMergeTable t = TVCardReader::Read(QByteArray("stray text\r\n"    // 1
                                                            "BEGIN:VCARD\r\n"   // 2, contact 1
                                                            "FN:One\r\n"        // 3
                                                            "no colon here\r\n" // 4
                                                            "BEGIN:VCARD\r\n"   // 5, contact 2
                                                            "FN:Two\r\n"        // 6
                                                            "END:VCARD\r\n"     // 7
                                                            "BEGIN:VCARD\r\n"   // 8, contact 3
                                                            "FN:Three\r\n"));   // 9
        QCOMPARE(t.RecordCount(), 3);
        QCOMPARE(row(t, 0)[0], QString("One"));
        QCOMPARE(row(t, 1)[0], QString("Two"));
        QCOMPARE(row(t, 2)[0], QString("Three"));
        QCOMPARE(
            messages(t),
            (QStringList{"Line 1: text outside BEGIN:VCARD ... END:VCARD is left out",
                         "Line 4 (record 1): a line without ':' is left out",
                         "Line 2 (record 1): the contact has no END:VCARD; it ends where the next begins",
                         "Line 8 (record 3): the contact has no END:VCARD at the end of the file"}));
    }

    void automaticMappingKnowsSeveralLanguages()
    {
        TMergeMapping m = TMergeMapping::Automatic(
            {"E-Mail", "Name", "Firma", "Telefon", "Mobil", "Straße", "PLZ Ort", "Land", "Fax", "Notiz"});
        QCOMPARE(m.ToLines(), (QStringList{"Name=Name", "Company=Firma", "Address 1=Straße",
                                           "Address 2=PLZ Ort", "Address 3=Land", "Phone 1=Telefon",
                                           "Phone 2=Mobil", "EMail=E-Mail", "Fax=Fax"}));
        m = TMergeMapping::Automatic({"Prénom", "Nom", "Société", "Fonction", "Téléphone", "Courriel"});
        QCOMPARE(m.ToLines(), (QStringList{"Name=Prénom+Nom", "Company=Société", "Title=Fonction",
                                           "Phone 1=Téléphone", "EMail=Courriel"}));
        m = TMergeMapping::Automatic({"Jméno", "Příjmení", "Společnost", "Funkce", "Ulice", "Město", "Tel"});
        QCOMPARE(m.ToLines(), (QStringList{"Name=Jméno+Příjmení", "Company=Společnost", "Title=Funkce",
                                           "Address 1=Ulice", "Address 2=Město", "Phone 1=Tel"}));
        m = TMergeMapping::Automatic({"Full Name", "Job Title", "Unknown"});
        QCOMPARE(m.ToLines(), (QStringList{"Name=Full Name", "Title=Job Title"}));
    }

    void handMadeMappingAndValues()
    {
        TMergeTable t;
        t.Columns = QStringList{"First", "Last", "Org"};
        t.AddRow({"Jan", "Novák", "  Acme "});
        t.AddRow({"", "Solo", ""});
        TMergeMapping m;
        QString message;
        QVERIFY(m.Assign("name=First+Last", &message, &t));
        QVERIFY(m.Assign("E-Mail=Org", &message, &t));
        QVERIFY(!m.Assign("Nickname=First", &message, &t));
        QVERIFY(message.contains("Unknown field"));
        QVERIFY(!m.Assign("Fax=Nobody", &message, &t));
        QVERIFY(message.contains("no column \"Nobody\""));
        QCOMPARE(m.Values(t, 0)[0], QString::fromUtf8("Jan Novák"));
        QCOMPARE(m.Values(t, 0)[8], QString("Acme"));
        QCOMPARE(m.Values(t, 1)[0], QString("Solo"));
        QCOMPARE(m.Values(t, 1)[1], QString());
        QCOMPARE(m.Values(t, 5)[0], QString());
        QCOMPARE(TMergeMapping::FromLines(m.ToLines()), m);
        QVERIFY(m.Assign("Name=", &message, &t));
        QVERIFY(m.Columns[0].isEmpty());
    }

    void mergeFileBesideTheCard()
    {
        QTemporaryDir dir;
        const QString card = dir.filePath("Team.cwr");
        QVERIFY(!TMergeSidecar::Read(card));
        TCardFiles::WriteSidecar(card, dir.filePath("back.bmp"));
        const QString background = TCardFiles::ReadSidecar(card);
        QVERIFY(!background.isEmpty());
        QFile people(dir.filePath("people.csv"));
        QVERIFY(people.open(QIODevice::WriteOnly));
        people.write(dataBytes("people.csv"));
        people.close();

        TMergeSource source = TMergeSource::Load(people.fileName());
        QCOMPARE(source.RecordCount(), 25);
        QCOMPARE(source.Record(0)[0], QString::fromUtf8("Jan Novák"));
        QCOMPARE(source.Record(0)[6], QString("+420 415 710 111"));
        source.Mapping.Assign("Fax=Telefon", nullptr);
        TMergeSidecar::Write(card, {source.FileName(), source.Mapping});
        QCOMPARE(TMergeSidecar::PathFor(card), dir.filePath("Team.cwm"));
        QFile written(TMergeSidecar::PathFor(card));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("Source=people.csv\r\nName=Name\r\n"));
        const auto read = TMergeSidecar::Read(card);
        QVERIFY(read);
        QCOMPARE(read->SourceFile, source.FileName());
        QCOMPARE(read->Mapping, source.Mapping);
        // The background sidecar keeps its one line.
        QCOMPARE(TCardFiles::ReadSidecar(card), background);
        TMergeSidecar::Remove(card);
        QVERIFY(!TMergeSidecar::Read(card));
        QVERIFY_THROWS_EXCEPTION(cw::EInOutError, TMergeSource::Load(dir.filePath("missing.csv")));
    }
};

QTEST_MAIN(TestMergeSources)
#include "tst_mergesources.moc"

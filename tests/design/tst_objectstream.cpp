#include "design/model/EFilerError.h"
#include "design/model/TStreamReader.h"
#include "design/model/TStreamValue.h"
#include "design/model/TStreamWriter.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>

using namespace cw::model;

namespace {

// Hand-written byte sequences: hex digits (spaces ignored) ...
QByteArray h(const char *hexDigits)
{
    return QByteArray::fromHex(hexDigits);
}
// ... and a short string: length byte, then the ASCII bytes.
QByteArray s(const char *text)
{
    const QByteArray bytes(text);
    return char(bytes.size()) + bytes;
}

QByteArray written(const std::function<void(TStreamWriter &)> &write)
{
    TStreamWriter w;
    write(w);
    return w.data();
}

// Reads a whole object list the way the object filer will, keeping every
// property value; throws EReadError on any damage.
struct ParsedRecord
{
    TStreamRecordHeader header;
    std::vector<std::pair<QString, TStreamValue>> properties;
};

std::vector<ParsedRecord> parseObjectList(const QByteArray &data, bool skip = false)
{
    TStreamReader r(data);
    std::vector<ParsedRecord> records;
    r.readListBegin();
    while (!r.endOfList()) {
        ParsedRecord record;
        record.header = r.readRecordHeader();
        while (!r.endOfList()) {
            if (skip) {
                r.skipProperty();
                continue;
            }
            QString name = r.readPropertyName();
            record.properties.emplace_back(std::move(name), TStreamValue::readFrom(r));
        }
        r.readRecordEnd();
        records.push_back(std::move(record));
    }
    r.readListEnd();
    if (!r.atEnd())
        throw EReadError::invalidFormat();
    return records;
}

QByteArray writeObjectList(const std::vector<ParsedRecord> &records)
{
    TStreamWriter w;
    w.writeListBegin();
    for (const ParsedRecord &record : records) {
        w.writeRecordBegin(record.header.className, record.header.objectName);
        for (const auto &[name, value] : record.properties) {
            w.writePropertyName(name);
            value.writeTo(w);
        }
        w.writeRecordEnd();
    }
    w.writeListEnd();
    return w.data();
}

// Two records holding every kind of value the writer produces.
QByteArray richObjectList()
{
    TStreamWriter w;
    w.writeListBegin();
    w.writeRecordBegin("TGPLabel", "Special1");
    w.writePropertyName("Left");
    w.writeInteger(-5);
    w.writePropertyName("Width");
    w.writeInteger(200);
    w.writePropertyName("Tag");
    w.writeInteger(-100000);
    w.writePropertyName("Locked");
    w.writeBoolean(true);
    w.writePropertyName("Font.Color");
    w.writeIdent("clRed");
    w.writePropertyName("Font.Style");
    w.writeSet({"fsBold", "fsUnderline"});
    w.writePropertyName("Caption");
    w.writeString(QStringLiteral("Café €"));
    w.writePropertyName("Hint");
    w.writeString(QString(300, QChar('x')));
    w.writePropertyName("Wide");
    w.writeString(QStringLiteral("Łódź 😀"));
    w.writePropertyName("Angle");
    w.writeFloat(-12.75);
    w.writePropertyName("Items.Strings");
    w.writeListBegin();
    w.writeString("one");
    w.writeString(QString());
    w.writeListEnd();
    w.writeRecordEnd();
    w.writeRecordBegin("TGImage", "Component2");
    w.writePropertyName("Picture.Data");
    w.writeBinary(h("07 54 42 69 74 6d 61 70 04 00 00 00 42 4d 00 01"));
    w.writePropertyName("PopupMenu");
    w.writeNil();
    w.writePropertyName("Columns");
    w.writeCollectionBegin();
    w.writeCollectionItemBegin(std::nullopt);
    w.writePropertyName("Width");
    w.writeInteger(3);
    w.writeListEnd();
    w.writeCollectionItemBegin(7);
    w.writeListEnd();
    w.writeListEnd();
    w.writeRecordEnd();
    w.writeListEnd();
    return w.data();
}

template <typename F> QString failureOf(F &&f)
{
    try {
        f();
    } catch (const EFilerError &e) {
        return e.message();
    }
    return QStringLiteral("(no failure)");
}

} // namespace

class TestObjectStream : public QObject
{
    Q_OBJECT
private slots:
    void emptyCardIsListStartAndEnd()
    {
        QCOMPARE(written([](TStreamWriter &w) {
                     w.writeListBegin();
                     w.writeListEnd();
                 }),
                 h("01 00"));
        QVERIFY(parseObjectList(h("01 00")).empty());
    }

    void ellipseRecordMatchesTheDocumentedBytes()
    {
        // The unlocked, selectable ellipse at (10, 20), 100 x 50, named "Special1".
        const QByteArray expected = QByteArray("TPF0") + s("TBCShapes") + s("Special1")                  //
                                    + s("Left") + h("02 0A") + s("Top") + h("02 14")                     //
                                    + s("Width") + h("02 64") + s("Height") + h("02 32")                 //
                                    + s("Locked") + h("08") + s("Unselectable") + h("08")                //
                                    + s("Transparent") + h("08") + s("Shape") + h("07") + s("stEllipse") //
                                    + h("00 00");
        const QByteArray bytes = written([](TStreamWriter &w) {
            w.writeRecordBegin("TBCShapes", "Special1");
            for (auto [name, value] : std::initializer_list<std::pair<const char *, int>>{
                     {"Left", 10}, {"Top", 20}, {"Width", 100}, {"Height", 50}}) {
                w.writePropertyName(name);
                w.writeInteger(value);
            }
            for (const char *name : {"Locked", "Unselectable", "Transparent"}) {
                w.writePropertyName(name);
                w.writeBoolean(false);
            }
            w.writePropertyName("Shape");
            w.writeIdent("stEllipse");
            w.writeRecordEnd();
        });
        QCOMPARE(bytes.toHex(' '), expected.toHex(' '));

        const auto records = parseObjectList(h("01") + bytes + h("00"));
        QCOMPARE(records.size(), size_t(1));
        QCOMPARE(records[0].header.className, QStringLiteral("TBCShapes"));
        QCOMPARE(records[0].header.objectName, QStringLiteral("Special1"));
        QCOMPARE(records[0].properties.size(), size_t(8));
        QCOMPARE(records[0].properties[2].first, QStringLiteral("Width"));
        QCOMPARE(records[0].properties[2].second.asInteger(), 100);
        QCOMPARE(records[0].properties[7].second.asIdent(), QStringLiteral("stEllipse"));
    }

    void integersUseTheSmallestTag_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0") << qint64(0) << h("02 00");
        QTest::newRow("-128") << qint64(-128) << h("02 80");
        QTest::newRow("127") << qint64(127) << h("02 7f");
        QTest::newRow("128") << qint64(128) << h("03 80 00");
        QTest::newRow("200") << qint64(200) << h("03 c8 00");
        QTest::newRow("-129") << qint64(-129) << h("03 7f ff");
        QTest::newRow("32767") << qint64(32767) << h("03 ff 7f");
        QTest::newRow("-32768") << qint64(-32768) << h("03 00 80");
        QTest::newRow("32768") << qint64(32768) << h("04 00 80 00 00");
        QTest::newRow("-32769") << qint64(-32769) << h("04 ff 7f ff ff");
        // clRed as a plain number and a system colour 0x80000000 + 5 as a signed 32-bit value.
        QTest::newRow("0x0000FE") << qint64(0xFE) << h("03 fe 00");
        QTest::newRow("clWindow") << qint64(qint32(0x80000005)) << h("04 05 00 00 80");
    }
    void integersUseTheSmallestTag()
    {
        QFETCH(qint64, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(written([&](TStreamWriter &w) { w.writeInteger(value); }).toHex(' '), bytes.toHex(' '));
        TStreamReader r(bytes);
        QCOMPARE(qint64(r.readInteger()), value);
        QVERIFY(r.atEnd());
    }

    void textPicksStringLStringOrWideString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QString() << h("06 00");
        // Windows-1252: e acute = E9, euro = 80.
        QTest::newRow("cafe") << QStringLiteral("Café €") << (h("06 06") + "Caf\xE9 \x80");
        // An undefined byte keeps its place as U+0081.
        QTest::newRow("undefined byte") << QString(QChar(0x81)) << h("06 01 81");
        QTest::newRow("255") << QString(255, QChar('a')) << (h("06 ff") + QByteArray(255, 'a'));
        QTest::newRow("256") << QString(256, QChar('a')) << (h("0c 00 01 00 00") + QByteArray(256, 'a'));
        // Not in Windows-1252: tag 18, count of UTF-16 units, UTF-16LE (U+65E5 U+672C).
        QTest::newRow("wide") << QStringLiteral("日本") << h("12 02 00 00 00 e5 65 2c 67");
        // U+0085 is not byte 85 (that is the ellipsis), so it forces a wide string.
        QTest::newRow("C1 control") << QString(QChar(0x85)) << h("12 01 00 00 00 85 00");
        // A surrogate pair counts two units: U+1F600 = D83D DE00.
        QTest::newRow("emoji") << QStringLiteral("a😀") << h("12 03 00 00 00 61 00 3d d8 00 de");
    }
    void textPicksStringLStringOrWideString()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(written([&](TStreamWriter &w) { w.writeString(text); }).toHex(' '), bytes.toHex(' '));
        TStreamReader r(bytes);
        QCOMPARE(r.readString(), text);
        QVERIFY(r.atEnd());
    }

    void otherValuesHaveTheirTags()
    {
        QCOMPARE(written([](TStreamWriter &w) {
                     w.writeBoolean(false);
                     w.writeBoolean(true);
                     w.writeNil();
                 }),
                 h("08 09 0d"));
        QCOMPARE(written([](TStreamWriter &w) { w.writeIdent("clRed"); }), h("07") + s("clRed"));
        // Members in the order given, ended by an empty short string.
        QCOMPARE(written([](TStreamWriter &w) {
                     w.writeSet({"fsBold", "fsItalic"});
                 }),
                 h("0b") + s("fsBold") + s("fsItalic") + h("00"));
        QCOMPARE(written([](TStreamWriter &w) { w.writeSet({}); }), h("0b 00"));
        QCOMPARE(written([](TStreamWriter &w) { w.writeBinary(h("01 02 03")); }),
                 h("0a 03 00 00 00 01 02 03"));
        QCOMPARE(written([](TStreamWriter &w) { w.writeFloat(1.0); }), h("05 00 00 00 00 00 00 00 80 ff 3f"));
        // A string list: TagList, the lines (short, long or wide), TagNull.
        const QStringList lines = {"a", QString(256, QChar('b')), QStringLiteral("Ω")};
        const QByteArray listBytes = written([&](TStreamWriter &w) { w.writeStringList(lines); });
        QCOMPARE(listBytes,
                 h("01 06 01 61 0c 00 01 00 00") + QByteArray(256, 'b') + h("12 01 00 00 00 a9 03 00"));
        QCOMPARE(TStreamReader(listBytes).readStringList(), lines);
        QCOMPARE(failureOf([] { TStreamReader(h("01 06 00 02 01 00")).readStringList(); }),
                 QStringLiteral("Invalid property value"));
        // A collection of two items, the second with order number 7.
        QCOMPARE(written([](TStreamWriter &w) {
                     w.writeCollectionBegin();
                     w.writeCollectionItemBegin(std::nullopt);
                     w.writePropertyName("W");
                     w.writeInteger(3);
                     w.writeListEnd();
                     w.writeCollectionItemBegin(7);
                     w.writeListEnd();
                     w.writeListEnd();
                 }),
                 h("0e 01") + s("W") + h("02 03 00 02 07 01 00 00"));
    }

    void valuesTheFormatCannotHoldAreRefusedWithoutWritingAnything()
    {
        TStreamWriter w;
        w.writeListBegin();
        const QByteArray before = w.data();
        const QString longName(256, QChar('n'));
        QVERIFY_THROWS_EXCEPTION(EWriteError, w.writeInteger(qint64(1) << 31));
        QVERIFY_THROWS_EXCEPTION(EWriteError, w.writeInteger(-(qint64(1) << 31) - 1));
        QVERIFY_THROWS_EXCEPTION(EWriteError, w.writeIdent(longName));
        QVERIFY_THROWS_EXCEPTION(EWriteError, w.writeIdent(QStringLiteral("日")));
        QVERIFY_THROWS_EXCEPTION(EWriteError, w.writePropertyName(longName));
        // An empty member would end the set early.
        QVERIFY_THROWS_EXCEPTION(EWriteError, w.writeSet({"fsBold", ""}));
        // A class name of 240 bytes or more would be read as the prefix byte.
        QVERIFY_THROWS_EXCEPTION(EWriteError, w.writeRecordBegin(QString(240, QChar('T')), "x"));
        QCOMPARE(w.data(), before);
        w.writeRecordBegin(QString(239, QChar('T')), "x");
    }

    void prefixByteIsReadAndSkipped()
    {
        // F2: child position follows as a tagged integer (Int16 300).
        const QByteArray withChildPos = QByteArray("TPF0") + h("f2 03 2c 01") + s("TGImage") + s("A");
        TStreamReader r(withChildPos);
        const TStreamRecordHeader header = r.readRecordHeader();
        QCOMPARE(header.prefix.flags, quint8(2));
        QCOMPARE(header.prefix.childPos, std::optional<qint32>(300));
        QCOMPARE(header.className, QStringLiteral("TGImage"));
        QCOMPARE(header.objectName, QStringLiteral("A"));

        TStreamReader inherited(QByteArray("TPF0") + h("f1") + s("TGImage") + s(""));
        const TStreamRecordHeader h2 = inherited.readRecordHeader();
        QVERIFY(h2.prefix.inherited());
        QVERIFY(!h2.prefix.childPos);
        QVERIFY(h2.objectName.isEmpty());
    }

    void typedReadsCheckTheTag()
    {
        const QString invalidValue = QStringLiteral("Invalid property value");
        QCOMPARE(failureOf([] { TStreamReader(h("06 01 31")).readInteger(); }), invalidValue);
        QCOMPARE(failureOf([] { TStreamReader(h("02 01")).readString(); }), invalidValue);
        QCOMPARE(failureOf([] { TStreamReader(h("06 01 31")).readIdent(); }), invalidValue);
        QCOMPARE(failureOf([] { TStreamReader(h("02 01")).readBoolean(); }), invalidValue);
        QCOMPARE(failureOf([] { TStreamReader(h("06 00")).readBinary(); }), invalidValue);
        QCOMPARE(failureOf([] { TStreamReader(h("06 00")).readListBegin(); }), invalidValue);
        QCOMPARE(failureOf([] { TStreamValue::integer(1).asString(); }), invalidValue);
        QCOMPARE(failureOf([] { TStreamValue::string("1").asInteger(); }), invalidValue);
        // A float property takes an integer as well.
        QCOMPARE(TStreamReader(h("03 2c 01")).readFloat(), 300.0);
        QCOMPARE(TStreamValue::integer(-3).asFloat(), -3.0);
        // Strings also come as a short LString and as UTF-8 (tag 20): "é" is C3 A9.
        QCOMPARE(TStreamReader(h("0c 02 00 00 00 61 62")).readString(), QStringLiteral("ab"));
        QCOMPARE(TStreamReader(h("14 03 00 00 00 c3 a9 78")).readString(), QStringLiteral("éx"));
    }

    void structuralFaultsAreInvalidStreamFormat()
    {
        const QString invalidFormat = QStringLiteral("Invalid stream format");
        QCOMPARE(failureOf([] { parseObjectList(h("01") + "TPF1" + s("TGImage") + s("A") + h("00 00 00")); }),
                 invalidFormat);
        // A child record where the empty child list should be.
        QCOMPARE(failureOf([] {
                     parseObjectList(h("01") + "TPF0" + s("TGImage") + s("A") + h("00") + "TPF0" +
                                     s("TGImage") + s("B") + h("00 00 00 00"));
                 }),
                 invalidFormat);
        // Unknown tags (15: not a value of this format) and TagNull in place of a value.
        QCOMPARE(failureOf([] { TStreamReader(h("0f 00")).skipValue(); }), invalidFormat);
        QCOMPARE(failureOf([] {
                     TStreamReader r(h("0f 00"));
                     TStreamValue::readFrom(r);
                 }),
                 invalidFormat);
        QCOMPARE(failureOf([] { TStreamReader(h("00")).skipValue(); }), invalidFormat);
    }

    void lengthsBeyondTheDataAreReadErrors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary 4 GB") << h("0a ff ff ff ff 00 00");
        QTest::newRow("binary one short") << h("0a 03 00 00 00 01 02");
        QTest::newRow("lstring 2 GB") << h("0c 00 00 00 80 41");
        QTest::newRow("utf8") << h("14 10 00 00 00 41");
        // 0x80000000 units would be 4 GB of UTF-16; the doubled count must not wrap.
        QTest::newRow("wide count wraps") << h("12 00 00 00 80 41 00");
        QTest::newRow("wide odd byte") << h("12 01 00 00 00 41");
        QTest::newRow("short string") << h("06 05 41 42");
        QTest::newRow("set member") << h("0b 06 66 73");
        QTest::newRow("set unterminated") << (h("0b") + s("fsBold"));
        QTest::newRow("int32") << h("04 01 02 03");
        QTest::newRow("extended") << h("05 00 00 00 00 00 00 00 80 ff");
        QTest::newRow("list unterminated") << h("01 02 01");
        QTest::newRow("nothing") << QByteArray();
    }
    void lengthsBeyondTheDataAreReadErrors()
    {
        QFETCH(QByteArray, bytes);
        const QString readError = QStringLiteral("Stream read error");
        QCOMPARE(failureOf([&] { TStreamReader(bytes).skipValue(); }), readError);
        QCOMPARE(failureOf([&] {
                     TStreamReader r(bytes);
                     TStreamValue::readFrom(r);
                 }),
                 readError);
    }

    void nestingIsLimited()
    {
        const auto nested = [](int depth) {
            return QByteArray(depth, char(TagList)) + QByteArray(depth, char(TagNull));
        };
        for (bool skip : {false, true}) {
            const auto read = [skip](const QByteArray &bytes) {
                TStreamReader r(bytes);
                if (skip)
                    r.skipValue();
                else
                    TStreamValue::readFrom(r);
                return r.atEnd();
            };
            QVERIFY(read(nested(TStreamReader::MaxNesting)));
            QCOMPARE(failureOf([&] { read(nested(TStreamReader::MaxNesting + 1)); }),
                     QStringLiteral("Invalid stream format"));
            // A hostile depth fails at the limit rather than exhausting the stack.
            QCOMPARE(failureOf([&] { read(nested(1000000)); }), QStringLiteral("Invalid stream format"));
            // Collections and their items count as levels too.
            QByteArray collections;
            for (int i = 0; i < TStreamReader::MaxNesting; ++i)
                collections += h("0e 01") + s("P");
            QCOMPARE(failureOf([&] { read(collections); }), QStringLiteral("Invalid stream format"));
        }
    }

    void writeReadWriteIsIdentity()
    {
        const QByteArray original = richObjectList();
        const auto records = parseObjectList(original);
        QCOMPARE(records.size(), size_t(2));
        QCOMPARE(writeObjectList(records).toHex(' '), original.toHex(' '));
        // Values come back as written.
        QCOMPARE(records[0].properties[6].second.asString(), QStringLiteral("Café €"));
        QCOMPARE(records[0].properties[8].second.asString(), QStringLiteral("Łódź 😀"));
        QCOMPARE(records[0].properties[9].second.asFloat(), -12.75);
        QCOMPARE(records[0].properties[5].second.asSet(), QStringList({"fsBold", "fsUnderline"}));
        QCOMPARE(records[0].properties[10].second.asList().size(), size_t(2));
        QVERIFY(records[1].properties[1].second.isNil());
        const auto &items = records[1].properties[2].second.asCollection();
        QCOMPARE(items.size(), size_t(2));
        QCOMPARE(items[1].order, std::optional<qint32>(7));
        // The skipper walks the same stream to its end.
        QVERIFY(parseObjectList(original, true).size() == 2);
    }

    void foreignEncodingsAreNormalisedOnRewrite()
    {
        // A short LString, a UTF-8 string and a wide string that fits Windows-1252.
        TStreamReader r(h("0c 02 00 00 00 61 62 14 01 00 00 00 63 12 01 00 00 00 e9 00"));
        TStreamWriter w;
        for (int i = 0; i < 3; ++i)
            TStreamValue::readFrom(r).writeTo(w);
        QCOMPARE(w.data(), h("06 02 61 62 06 01 63 06 01 e9"));
    }

    void everyTruncationFails()
    {
        const QByteArray full = richObjectList();
        for (qsizetype n = 0; n < full.size(); ++n) {
            for (bool skip : {false, true}) {
                try {
                    parseObjectList(full.left(n), skip);
                    QFAIL(qPrintable(QStringLiteral("truncation to %1 bytes was accepted").arg(n)));
                } catch (const EReadError &) {
                }
            }
        }
    }

    void damagedStreamsFailCleanly()
    {
        // Every single-byte change of a valid stream, and random garbage, either
        // parses or fails with EReadError; anything else (or a crash) fails the test.
        const QByteArray full = richObjectList();
        QRandomGenerator random(1252);
        int failures = 0;
        for (qsizetype i = 0; i < full.size(); ++i) {
            for (int value : {0x00, 0x01, 0x0e, 0x12, 0x7f, 0xf2, 0xff, int(random.bounded(256))}) {
                QByteArray damaged = full;
                damaged[i] = char(value);
                try {
                    parseObjectList(damaged, value & 1);
                } catch (const EReadError &) {
                    ++failures;
                }
            }
        }
        for (int round = 0; round < 2000; ++round) {
            QByteArray garbage(random.bounded(1, 64), Qt::Uninitialized);
            for (char &c : garbage)
                c = char(random.bounded(16) < 12 ? random.bounded(21) : random.bounded(256));
            try {
                TStreamReader r(garbage);
                while (!r.atEnd())
                    TStreamValue::readFrom(r);
            } catch (const EReadError &) {
                ++failures;
            }
        }
        QVERIFY(failures > 0);
    }
};

QTEST_MAIN(TestObjectStream)
#include "tst_objectstream.moc"

// How the object filer fails: every reader message, objects read before a
// failure handed to the caller, and truncated or corrupted card files at
// every byte failing cleanly with an EFilerError.
#include "design/model/EFilerError.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGLineShape.h"
#include "design/model/TObjectRegistry.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::model;

namespace {

QByteArray h(const char *hexDigits)
{
    return QByteArray::fromHex(hexDigits);
}
QByteArray s(const char *text)
{
    const QByteArray bytes(text);
    return char(bytes.size()) + bytes;
}

QByteArray lineRecord(const QByteArray &extra = {})
{
    return "TPF0" + s("TGLineShape") + s("Special1") + s("Left") + h("020A") + s("Top") + h("0214") +
           s("Width") + h("0264") + s("Height") + h("0232") + s("Locked") + h("08") + s("Unselectable") +
           h("08") + extra + h("0000");
}

// The message of the failure reading `data`, or "" when it reads.
QString readFailure(const QByteArray &data)
{
    try {
        TGLabelObjectFiler().ReadObjectList(data);
    } catch (const EFilerError &e) {
        return e.message();
    }
    return QString();
}

// A card with every value kind the shape and line kinds write.
QByteArray richCard()
{
    TGLabelObjectFiler::ObjectList objects;
    auto shape = std::make_unique<TBCShapes>();
    shape->SetBounds(-300, 20, 70000, 50);
    shape->SetShape(stRoundRect);
    shape->SetRoundPerc(40);
    shape->SetTransparent(true);
    shape->SetPen(TGPen{0x123456, pmXor, psDash, 300});
    objects.push_back(std::move(shape));
    auto line = std::make_unique<TGLineShape>();
    line->SetBounds(1, 2, 3, 4);
    line->SetLocked(true);
    line->SetLineStyle(stAngleSlopingUp);
    line->SetPen(TGPen{clSystemBase + 15, pmCopy, psSolid, 2});
    objects.push_back(std::move(line));
    // Every further kind as created: text, fonts, sets, strings.
    for (const QString &name : TObjectRegistry::Global().ClassNames().mid(3)) {
        auto object = TObjectRegistry::Global().Create(name);
        object->Loaded();
        object->SetBounds(5, 6, 120, 40);
        objects.push_back(std::move(object));
    }
    return TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(objects));
}

} // namespace

class TestFilerErrors : public QObject
{
    Q_OBJECT

private slots:
    void everyReaderMessage_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message");
        const QByteArray good = lineRecord();
        QTest::newRow("no signature") << h("01") + "TPF1" + good.mid(4) + h("00") << "Invalid stream format";
        QTest::newRow("unknown tag") << h("01") + lineRecord(s("Tag") + h("10")) + h("00")
                                     << "Invalid stream format";
        QTest::newRow("child record")
            << h("01") + good.chopped(1) + good + h("0000") << "Invalid stream format";
        QTest::newRow("unknown class")
            << h("01") + "TPF0" + s("TGWidget") + good.mid(4 + 12) + h("00") << "Class TGWidget not found";
        QTest::newRow("unknown property")
            << h("01") + lineRecord(s("Colour") + h("0201")) + h("00") << "Property does not exist";
        QTest::newRow("font on a line")
            << h("01") + lineRecord(s("Font.Name") + h("06") + s("Arial")) + h("00")
            << "Property does not exist";
        QTest::newRow("string for integer")
            << h("01") + lineRecord(s("Pen.Width") + h("06") + s("1")) + h("00") << "Invalid property value";
        QTest::newRow("integer for enumeration")
            << h("01") + lineRecord(s("LineStyle") + h("0201")) + h("00") << "Invalid property value";
        QTest::newRow("unknown enumeration name")
            << h("01") + lineRecord(s("LineStyle") + h("07") + s("stCurved")) + h("00")
            << "Invalid property value";
        QTest::newRow("unknown colour name")
            << h("01") + lineRecord(s("Pen.Color") + h("07") + s("clPink")) + h("00")
            << "Invalid property value";
        QTest::newRow("boolean as integer")
            << h("01") + lineRecord(s("Locked") + h("0201")) + h("00") << "Invalid property value";
        QTest::newRow("set for enumeration")
            << h("01") + lineRecord(s("Pen.Style") + h("0B") + s("psSolid") + h("00")) + h("00")
            << "Invalid property value";
        QTest::newRow("list is not a list") << h("05") + good + h("00") << "Invalid property value";
        QTest::newRow("truncated") << h("01") + good.left(30) << "Stream read error";
        QTest::newRow("empty file") << QByteArray() << "Stream read error";
        QTest::newRow("binary beyond the end")
            << h("01") + lineRecord(s("Tag") + h("0AFFFFFF7F00")) + h("00") << "Stream read error";
    }
    void everyReaderMessage()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        QCOMPARE(readFailure(data), message);
    }

    void objectsBeforeAFailureGoToTheCaller()
    {
        const QByteArray data = h("01") + lineRecord() + lineRecord() + "TPF0" + s("TGLineShape") + s("X") +
                                s("Left") + h("06") + s("oops") + h("000000");
        TGLabelObjectFiler::ObjectList objects;
        QVERIFY_THROWS_EXCEPTION(EReadError, TGLabelObjectFiler().ReadObjectList(data, objects));
        QCOMPARE(objects.size(), std::size_t(2));
        for (const auto &o : objects) {
            QVERIFY(!o->Loading());
            QCOMPARE(o->BoundsRect(), QRect(10, 20, 100, 50));
        }
        QCOMPARE(objects[1]->Name, QStringLiteral("Component1"));
    }

    void damagedFileOnDiskFailsTheSameWay()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.cwr");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is not a card file");
        f.close();
        TGLabelObjectFiler::ObjectList objects;
        try {
            TGLabelObjectFiler().ReadObjects(path, objects);
            QFAIL("a text file read as a card");
        } catch (const EReadError &e) {
            QCOMPARE(e.message(), QStringLiteral("Invalid property value"));
        }
        QVERIFY(objects.empty());
    }

    void everyTruncationFailsCleanly()
    {
        const QByteArray card = richCard();
        const std::size_t count = TGLabelObjectFiler().ReadObjectList(card).size();
        QCOMPARE(count, std::size_t(TObjectRegistry::Global().ClassNames().size() - 1));
        for (qsizetype n = 0; n < card.size(); ++n) {
            TGLabelObjectFiler::ObjectList objects;
            bool failed = false;
            try {
                TGLabelObjectFiler().ReadObjectList(card.left(n), objects);
            } catch (const EFilerError &) {
                failed = true;
            }
            QVERIFY2(failed, qPrintable(QStringLiteral("a card cut to %1 bytes was read").arg(n)));
            QVERIFY(objects.size() <= count);
        }
    }

    void everyCorruptionFailsCleanlyOrReads()
    {
        const QByteArray card = richCard();
        auto *rng = QRandomGenerator::global();
        int failures = 0;
        for (qsizetype i = 0; i < card.size(); ++i) {
            for (int flip : {0x01, 0x80, 0xFF, int(rng->bounded(1, 256))}) {
                QByteArray damaged = card;
                damaged[i] = char(damaged[i] ^ flip);
                TGLabelObjectFiler::ObjectList objects;
                bool read = false;
                try {
                    TGLabelObjectFiler().ReadObjectList(damaged, objects);
                    read = true;
                } catch (const EFilerError &) {
                    ++failures;
                }
                if (!read)
                    continue;
                // What reads must write and read again to the same bytes.
                const QByteArray again =
                    TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(objects));
                QCOMPARE(TGLabelObjectFiler::ObjectListBytes(
                             TGLabelObjectFiler::Refs(TGLabelObjectFiler().ReadObjectList(again))),
                         again);
            }
        }
        QVERIFY(failures > 0);
    }

    void randomBytesFailCleanly()
    {
        QRandomGenerator rng(20261208);
        for (int round = 0; round < 3000; ++round) {
            QByteArray data(rng.bounded(0, 64), '\0');
            for (auto &b : data)
                b = char(rng.bounded(0, 256));
            if (round % 2)
                data.prepend(h("01") + "TPF0" + s("TBCShapes"));
            try {
                TGLabelObjectFiler().ReadObjectList(data);
            } catch (const EFilerError &) {
            }
        }
    }

    void deepNestingIsRefused()
    {
        QByteArray deep = h("01") + lineRecord().chopped(2) + s("Tag") + QByteArray(100000, '\x01');
        QCOMPARE(readFailure(deep), QStringLiteral("Invalid stream format"));
    }
};

QTEST_MAIN(TestFilerErrors)
#include "tst_filer_errors.moc"

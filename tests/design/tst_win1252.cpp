#include "design/model/Win1252.h"

#include <QTest>

using namespace cw::model;

class TestWin1252 : public QObject
{
    Q_OBJECT
private slots:
    void everyByteRoundTrips()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString text = Win1252::decode(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(Win1252::canEncode(text));
        const std::optional<QByteArray> back = Win1252::encode(text);
        QVERIFY(back.has_value());
        QCOMPARE(*back, all);
    }

    void mappingIsABijectionOn256Units()
    {
        // Exactly 256 UTF-16 units are encodable, each to the byte that decodes to it;
        // a duplicate or wrong entry in the 0x80..0x9F table breaks one of the two.
        int encodable = 0;
        for (int u = 0; u <= 0xFFFF; ++u) {
            const int b = Win1252::fromUnicode(char16_t(u));
            if (b < 0)
                continue;
            ++encodable;
            QVERIFY(b < 256);
            QCOMPARE(int(Win1252::toUnicode(uchar(b))), u);
        }
        QCOMPARE(encodable, 256);
    }

    void knownCharacters_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unit");
        QTest::newRow("A") << 0x41 << 0x41;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("low quote") << 0x82 << 0x201A;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("left quote") << 0x91 << 0x2018;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("nbsp") << 0xA0 << 0xA0;
        QTest::newRow("e acute") << 0xE9 << 0xE9;
        QTest::newRow("y diaeresis") << 0xFF << 0xFF;
        // The five bytes the code page leaves undefined.
        QTest::newRow("81") << 0x81 << 0x81;
        QTest::newRow("8D") << 0x8D << 0x8D;
        QTest::newRow("8F") << 0x8F << 0x8F;
        QTest::newRow("90") << 0x90 << 0x90;
        QTest::newRow("9D") << 0x9D << 0x9D;
    }
    void knownCharacters()
    {
        QFETCH(int, byte);
        QFETCH(int, unit);
        QCOMPARE(int(Win1252::toUnicode(uchar(byte))), unit);
        QCOMPARE(Win1252::fromUnicode(char16_t(unit)), byte);
    }

    void textOutsideTheCodePageIsRefusedNotReplaced()
    {
        // U+0080 and U+0085 are C1 controls whose bytes hold the euro sign and the ellipsis.
        for (const QString &text : {QString(QChar(0x80)), QStringLiteral("ab") + QChar(0x85),
                                    QStringLiteral("Ł"), QStringLiteral("日本"), QStringLiteral("x😀")}) {
            QVERIFY2(!Win1252::canEncode(text), qPrintable(text));
            QVERIFY(!Win1252::encode(text).has_value());
        }
        QVERIFY(Win1252::canEncode(QString()));
        QCOMPARE(*Win1252::encode(QStringLiteral("Café €")), QByteArray("Caf\xE9 \x80"));
    }
};

QTEST_MAIN(TestWin1252)
#include "tst_win1252.moc"

// The contact card text and the encoding of text into QR and barcode
// symbols: escaping, what each symbology refuses, and the UTF-8 designator
// read back from the modules of a QR symbol.

#include "objects/model/TCodeEncoder.h"
#include "objects/model/TVCardText.h"

#include <QTest>

using namespace cw::model;

namespace {

// The first `count` codewords of a one-block QR symbol, read back from the
// modules: the format information gives the mask, and the data starts in
// the bottom-right corner, two columns wide, upwards.  Also the level the
// format information names (0 L, 1 M, 2 Q, 3 H).
std::vector<int> leadingCodewords(const TCodeMatrix &m, int count, int *level)
{
    const int n = m.Columns();
    // Row 8, columns 0-5 and 7, then column 8 upwards: bits 14 … 0.
    const QList<QPoint> cells{{0, 8}, {1, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {7, 8}, {8, 8},
                              {8, 7}, {8, 5}, {8, 4}, {8, 3}, {8, 2}, {8, 1}, {8, 0}};
    int format = 0;
    for (const QPoint &cell : cells)
        format = (format << 1) | (m.IsDark(cell.y(), cell.x()) ? 1 : 0);
    format ^= 0x5412;
    const int levelBits = format >> 13;
    *level = levelBits == 1 ? 0 : levelBits == 0 ? 1 : levelBits == 3 ? 2 : 3;
    const int mask = (format >> 10) & 7;
    auto masked = [mask](int i, int j) {
        switch (mask) {
        case 0:
            return (i + j) % 2 == 0;
        case 1:
            return i % 2 == 0;
        case 2:
            return j % 3 == 0;
        case 3:
            return (i + j) % 3 == 0;
        case 4:
            return (i / 2 + j / 3) % 2 == 0;
        case 5:
            return (i * j) % 2 + (i * j) % 3 == 0;
        case 6:
            return ((i * j) % 2 + (i * j) % 3) % 2 == 0;
        default:
            return ((i + j) % 2 + (i * j) % 3) % 2 == 0;
        }
    };
    std::vector<int> words;
    int row = n - 1;
    for (int w = 0; w < count; ++w) {
        int word = 0;
        for (int k = 0; k < 4; ++k, --row)
            for (int col : {n - 1, n - 2})
                word = (word << 1) | ((m.IsDark(row, col) != masked(row, col)) ? 1 : 0);
        words.push_back(word);
    }
    return words;
}

} // namespace

class TestCodeEncoder : public QObject
{
    Q_OBJECT

private slots:
    void vCardHoldsTheFieldsEscaped()
    {
        const QStringList values{"Jan Novák", "Smith, Sons; Co", "Chief \\ Engineer", "Main St 1",
                                 "",          "Praha",           "+420 123",          "",
                                 "jan@x.cz",  "+420 999"};
        const QString expected = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\n"
                                                "N:Novák;Jan;;;\r\nFN:Jan Novák\r\n"
                                                "ORG:Smith\\, Sons\\; Co\r\nTITLE:Chief \\\\ Engineer\r\n"
                                                "ADR;TYPE=WORK:;;Main St 1;;Praha;;\r\n"
                                                "TEL;TYPE=WORK,VOICE:+420 123\r\n"
                                                "EMAIL;TYPE=INTERNET:jan@x.cz\r\n"
                                                "TEL;TYPE=WORK,FAX:+420 999\r\nEND:VCARD\r\n");
        QCOMPARE(TVCardText::Build(values), expected);
        // Line breaks of any kind become "\n"; nothing else is touched.
        QCOMPARE(TVCardText::Escape("a\r\nb\nc\rd"), QString("a\\nb\\nc\\nd"));
        QCOMPARE(TVCardText::Escape(QString::fromUtf8("Žluťoučký kůň")), QString::fromUtf8("Žluťoučký kůň"));
        // A one-word name is the family name; empty values leave only N and FN.
        QCOMPARE(TVCardText::Build({"Cher"}),
                 QString("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Cher;;;;\r\nFN:Cher\r\nEND:VCARD\r\n"));
        QCOMPARE(TVCardText::Build({}),
                 QString("BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:\r\nEND:VCARD\r\n"));
    }

    void encodingRefusesWhatASymbologyCannotHold()
    {
        QVERIFY(TCodeEncoder::EncodeQR(QString(), TQRLevel::Medium).IsNull());
        QVERIFY(!TCodeEncoder::EncodeQR(QString(), TQRLevel::Medium).Error().isEmpty());
        const TCodeMatrix low = TCodeEncoder::EncodeQR("https://example.com/a", TQRLevel::Low);
        const TCodeMatrix high = TCodeEncoder::EncodeQR("https://example.com/a", TQRLevel::High);
        QVERIFY(!low.IsNull() && !high.IsNull());
        QVERIFY(high.Columns() > low.Columns()); // more correction, bigger symbol
        QCOMPARE(low.Columns(), low.Rows());
        QCOMPARE((low.Columns() - 17) % 4, 0); // a QR size: 21, 25, 29 …
        // Far too long for any QR symbol.
        QVERIFY(TCodeEncoder::EncodeQR(QString(8000, u'x'), TQRLevel::High).IsNull());

        QVERIFY(TCodeEncoder::EncodeBarcode("ABC", TBarcodeSymbology::Ean13).IsNull());
        const TCodeMatrix ean = TCodeEncoder::EncodeBarcode("590123412345", TBarcodeSymbology::Ean13);
        QVERIFY(!ean.IsNull());
        QVERIFY(ean.Linear());
        QCOMPARE(ean.Columns(), 95); // 3 + 6×7 + 5 + 6×7 + 3 modules
        QVERIFY(
            TCodeEncoder::EncodeBarcode(QString::fromUtf8("Příliš"), TBarcodeSymbology::Code128).IsNull());
        for (auto s : {TBarcodeSymbology::DataMatrix, TBarcodeSymbology::Pdf417, TBarcodeSymbology::Aztec}) {
            const TCodeMatrix m = TCodeEncoder::EncodeBarcode(QString::fromUtf8("Příliš žluťoučký kůň"), s);
            QVERIFY2(!m.IsNull(), qPrintable(m.Error()));
            QVERIFY(!m.Linear());
        }
    }

    void nonAsciiQrTextStartsWithTheUtf8Designator()
    {
        // A short text fits one block, so the first codewords are the first
        // bytes of the bit stream: mode ECI (0111), designator 26
        // (00011010), then byte mode (0100).
        int level = -1;
        const TCodeMatrix czech = TCodeEncoder::EncodeQR(QString::fromUtf8("Kůň"), TQRLevel::Low);
        QCOMPARE(czech.Columns(), 21);
        QCOMPARE(leadingCodewords(czech, 2, &level), (std::vector<int>{0x71, 0xA4}));
        QCOMPARE(level, 0);
        // Plain ASCII carries no designator (the stream starts with a mode
        // other than ECI).
        const TCodeMatrix ascii = TCodeEncoder::EncodeQR("Kun", TQRLevel::Quartile);
        QVERIFY((leadingCodewords(ascii, 1, &level)[0] >> 4) != 0x7);
        QCOMPARE(level, 2);
    }
};

QTEST_MAIN(TestCodeEncoder)
#include "tst_codeencoder.moc"

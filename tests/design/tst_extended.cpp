#include "design/model/TStreamExtended.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace cw::model;

namespace {

using Bytes = TStreamExtended::Bytes;

// Ten bytes in file order: mantissa (least significant byte first), then
// sign and exponent.
Bytes ext(std::uint64_t mantissa, unsigned signExponent)
{
    Bytes b{};
    for (int i = 0; i < 8; ++i)
        b[i] = uchar(mantissa >> (8 * i));
    b[8] = uchar(signExponent);
    b[9] = uchar(signExponent >> 8);
    return b;
}

QByteArray hex(const Bytes &b)
{
    return QByteArray(reinterpret_cast<const char *>(b.data()), 10).toHex(' ');
}

// QCOMPARE on doubles is fuzzy; the conversion must be exact, so compare bits.
std::uint64_t bitsOf(double d)
{
    return std::bit_cast<std::uint64_t>(d);
}

constexpr std::uint64_t Top = std::uint64_t(1) << 63;

} // namespace

class TestExtended : public QObject
{
    Q_OBJECT
private slots:
    void knownEncodings_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("bytes");
        // 1.0: integer bit alone, exponent = bias 16383 = 0x3FFF.
        QTest::newRow("1") << 1.0 << QByteArray("00 00 00 00 00 00 00 80 ff 3f");
        // 0.5: exponent one lower.
        QTest::newRow("0.5") << 0.5 << QByteArray("00 00 00 00 00 00 00 80 fe 3f");
        // -2.0: sign bit set, exponent 0x4000.
        QTest::newRow("-2") << -2.0 << QByteArray("00 00 00 00 00 00 00 80 00 c0");
        QTest::newRow("0") << 0.0 << QByteArray("00 00 00 00 00 00 00 00 00 00");
        QTest::newRow("-0") << -0.0 << QByteArray("00 00 00 00 00 00 00 00 00 80");
        // double 0.1 = 0x3FB999999999999A: fraction 0x999999999999A shifted left by 11
        // under the integer bit = 0xCCCCCCCCCCCCD000; exponent -4 + 16383 = 0x3FFB.
        QTest::newRow("0.1") << 0.1 << QByteArray("00 d0 cc cc cc cc cc cc fb 3f");
        // Smallest double denormal 2^-1074: normalised, exponent 16383 - 1074 = 0x3BCD.
        QTest::newRow("denorm min") << std::numeric_limits<double>::denorm_min()
                                    << QByteArray("00 00 00 00 00 00 00 80 cd 3b");
        // 100: 1.5625 * 2^6 -> mantissa 0xC8 << 56, exponent 0x4005.
        QTest::newRow("100") << 100.0 << QByteArray("00 00 00 00 00 00 00 c8 05 40");
        QTest::newRow("inf") << std::numeric_limits<double>::infinity()
                             << QByteArray("00 00 00 00 00 00 00 80 ff 7f");
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity()
                              << QByteArray("00 00 00 00 00 00 00 80 ff ff");
    }
    void knownEncodings()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(hex(TStreamExtended::fromDouble(value)), bytes);
        QCOMPARE(bitsOf(TStreamExtended::toDouble(TStreamExtended::fromDouble(value))), bitsOf(value));
    }

    void everyFiniteDoubleRoundTripsExactly()
    {
        QList<double> values = {0.0,
                                -0.0,
                                1.0,
                                double(0.1f),
                                1e-310,
                                -1e-310,
                                std::numeric_limits<double>::max(),
                                -std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                std::nextafter(std::numeric_limits<double>::min(), 0.0),
                                3.141592653589793};
        for (int k = -1074; k <= 1023; ++k)
            values << std::ldexp(1.0, k) << -std::ldexp(1.0, k);
        QRandomGenerator random(20261208);
        for (int i = 0; i < 200000; ++i) {
            const double d = std::bit_cast<double>(random.generate64());
            if (std::isfinite(d))
                values << d;
        }
        for (double d : values) {
            const double back = TStreamExtended::toDouble(TStreamExtended::fromDouble(d));
            if (bitsOf(back) != bitsOf(d))
                QFAIL(qPrintable(
                    QStringLiteral("%1 came back as %2").arg(d, 0, 'g', 17).arg(back, 0, 'g', 17)));
        }
    }

    void nanStaysNanWithItsPayload()
    {
        const double quiet = std::numeric_limits<double>::quiet_NaN();
        const double payload = std::bit_cast<double>(std::uint64_t(0x7FF8000000012345));
        for (double d : {quiet, -quiet, payload})
            QCOMPARE(bitsOf(TStreamExtended::toDouble(TStreamExtended::fromDouble(d))), bitsOf(d));
        // An extended NaN whose payload lies below double precision stays a NaN.
        QVERIFY(std::isnan(TStreamExtended::toDouble(ext(Top | 1, 0x7FFF))));
        // Exponent 0x7FFF with a zero fraction is infinity even without the integer bit.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(0, 0xFFFF))),
                 bitsOf(-std::numeric_limits<double>::infinity()));
    }

    void extendedPrecisionRoundsToNearestEven()
    {
        // 1 + 2^-53 lies halfway between 1 and the next double: ties to even (1.0).
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top | 0x400, 0x3FFF))), bitsOf(1.0));
        // One extended ulp above the tie rounds up.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top | 0x401, 0x3FFF))),
                 bitsOf(1.0 + std::ldexp(1.0, -52)));
        // 1 + 3 * 2^-53 is a tie above an odd significand: rounds up to 1 + 2^-51.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top | 0xC00, 0x3FFF))),
                 bitsOf(1.0 + std::ldexp(1.0, -51)));
        // All 64 mantissa bits set rounds up across the binade: 2.0.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(~std::uint64_t(0), 0x3FFF))), bitsOf(2.0));
        // Unnormal (integer bit clear, exponent non-zero): read as the value its bits denote.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top >> 1, 0x3FFF))), bitsOf(0.5));
    }

    void outOfDoubleRangeSaturatesOrUnderflows()
    {
        const double inf = std::numeric_limits<double>::infinity();
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top, 0x3FFF + 1024))), bitsOf(inf));
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top, 0x7FFE | 0x8000))), bitsOf(-inf));
        // Just below 2^1024 but above the largest double's rounding range: infinity.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(~std::uint64_t(0), 0x3FFF + 1023))), bitsOf(inf));
        // ... and one binade lower it rounds to 2^1023.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(~std::uint64_t(0), 0x3FFF + 1022))),
                 bitsOf(std::ldexp(1.0, 1023)));

        const double tiny = std::numeric_limits<double>::denorm_min();
        // 2^-1075 is halfway between 0 and the smallest denormal: ties to even (0).
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top, 0x3FFF - 1075))), bitsOf(0.0));
        // 1.5 * 2^-1075 rounds up to the smallest denormal.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top | (Top >> 1), 0x3FFF - 1075))), bitsOf(tiny));
        // 3 * 2^-1075 is a tie above an odd fraction: 2 * 2^-1074.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top | (Top >> 1), 0x3FFF - 1074))), bitsOf(2 * tiny));
        // The largest value below 2^-1022 rounds up to the smallest normal number.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(~std::uint64_t(0), 0x3FFF - 1023))),
                 bitsOf(std::numeric_limits<double>::min()));
        // Far below the range: a zero that keeps its sign.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(Top, 0x8001))), bitsOf(-0.0));
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(1, 0x0000))), bitsOf(0.0));
        // A zero mantissa is zero whatever the exponent says.
        QCOMPARE(bitsOf(TStreamExtended::toDouble(ext(0, 0xBFFF))), bitsOf(-0.0));
    }
};

QTEST_MAIN(TestExtended)
#include "tst_extended.moc"

#include "colour/colour.h"
#include "colour/conversions.h"

#include <QTest>

Q_DECLARE_METATYPE(tincta::Colour)

using namespace tincta;

class Testconversions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stripLeadingZeros_data();
    void stripLeadingZeros();
    void parseDecimalChannel_data();
    void parseDecimalChannel();
    void parseDecimalChannelEveryValue();
    void normaliseHexPair_data();
    void normaliseHexPair();
    void hexPairValue_data();
    void hexPairValue();
    void hexPairRoundTrip();
    void packAndUnpack_data();
    void packAndUnpack();
    void appendHexPair_data();
    void appendHexPair();
    void appendDecimal_data();
    void appendDecimal();
    void hexTriplet_data();
    void hexTriplet();
};

void Testconversions::stripLeadingZeros_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("007") << "007"
                         << "7";
    QTest::newRow("000") << "000"
                         << "0";
    QTest::newRow("0") << "0"
                       << "0";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blank then 07") << " 07"
                                   << " 07";
    QTest::newRow("inner zeros stay") << "0100"
                                      << "100";
    QTest::newRow("trailing blank stays") << "00 "
                                          << " ";
    QTest::newRow("letters") << "00a"
                             << "a";
}

void Testconversions::stripLeadingZeros() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(tincta::stripLeadingZeros(text), expected);
}

void Testconversions::parseDecimalChannel_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("255") << "255" << 255;
    QTest::newRow("0255") << "0255" << 255;
    QTest::newRow("many zeros") << "0000000000255" << 255;
    QTest::newRow("blanks around") << " 12 " << 12;
    QTest::newRow("several blanks around") << "   7  " << 7;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("000") << "000" << 0;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("256") << "256" << -1;
    QTest::newRow("1000") << "1000" << -1;
    QTest::newRow("minus") << "-5" << -1;
    QTest::newRow("plus") << "+5" << -1;
    QTest::newRow("fraction") << "1.0" << -1;
    QTest::newRow("inner blank") << "1 2" << -1;
    QTest::newRow("letter") << "12a" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("three blanks") << "   " << -1;
    QTest::newRow("tab is not a blank") << "\t12" << -1;
    QTest::newRow("non-breaking space") << QStringLiteral("12\u00A0") << -1;
    QTest::newRow("arabic-indic digit") << QStringLiteral("\u0661") << -1;
    QTest::newRow("fullwidth digit") << QStringLiteral("\uFF11") << -1;
    QTest::newRow("exponent") << "1e2" << -1;
    QTest::newRow("hex prefix") << "0x10" << -1;
    QTest::newRow("huge") << "99999999999999999999999999999999" << -1;
    QTest::newRow("zeros then huge") << "000099999999999999999999" << -1;
}

void Testconversions::parseDecimalChannel() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(tincta::parseDecimalChannel(text), expected);
}

void Testconversions::parseDecimalChannelEveryValue() {
    for (int v = 0; v <= 255; ++v) {
        QCOMPARE(tincta::parseDecimalChannel(QString::number(v)), v);
    }
}

void Testconversions::normaliseHexPair_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ff") << "ff"
                        << "FF";
    QTest::newRow("0a with blanks") << " 0a "
                                    << "0A";
    QTest::newRow("mixed case") << "aB"
                                << "AB";
    QTest::newRow("00") << "00"
                        << "00";
    QTest::newRow("single digit") << "F"
                                  << "-1";
    QTest::newRow("three digits") << "0F0"
                                  << "-1";
    QTest::newRow("not hex") << "G0"
                             << "-1";
    QTest::newRow("prefix") << "0x"
                            << "-1";
    QTest::newRow("empty") << ""
                           << "-1";
    QTest::newRow("blanks only") << "  "
                                 << "-1";
    QTest::newRow("inner blank") << "F F"
                                 << "-1";
    QTest::newRow("tab") << "\tF"
                         << "-1";
    QTest::newRow("minus one") << "-1"
                               << "-1";
    QTest::newRow("fullwidth") << QStringLiteral("\uFF26\uFF26") << "-1";
    QTest::newRow("ligature ff") << QStringLiteral("\uFB00") << "-1";
}

void Testconversions::normaliseHexPair() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(tincta::normaliseHexPair(text), expected);
}

void Testconversions::hexPairValue_data() {
    QTest::addColumn<QString>("pair");
    QTest::addColumn<int>("expected");
    QTest::newRow("00") << "00" << 0;
    QTest::newRow("0A") << "0A" << 10;
    QTest::newRow("AB") << "AB" << 171;
    QTest::newRow("FF") << "FF" << 255;
    QTest::newRow("invalid marker") << "-1" << -1;
    QTest::newRow("too short") << "F" << -1;
}

void Testconversions::hexPairValue() {
    QFETCH(QString, pair);
    QFETCH(int, expected);
    QCOMPARE(tincta::hexPairValue(pair), expected);
}

void Testconversions::hexPairRoundTrip() {
    for (int v = 0; v <= 255; ++v) {
        const QString lower = QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0'));
        const QString pair = tincta::normaliseHexPair(lower);
        QCOMPARE(pair, lower.toUpper());
        QCOMPARE(tincta::hexPairValue(pair), v);
    }
}

void Testconversions::packAndUnpack_data() {
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<uint>("packed");
    QTest::newRow("red") << 255 << 0 << 0 << 255u;
    QTest::newRow("blue") << 0 << 0 << 255 << 16711680u;
    QTest::newRow("white") << 255 << 255 << 255 << 16777215u;
    QTest::newRow("black") << 0 << 0 << 0 << 0u;
    QTest::newRow("255,204,0") << 255 << 204 << 0 << 52479u;
    QTest::newRow("10,11,12") << 10 << 11 << 12 << 789258u;
}

void Testconversions::packAndUnpack() {
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(uint, packed);
    QCOMPARE(pack(red, green, blue), packed);
    QCOMPARE(pack(Colour{red, green, blue}), packed);
    QCOMPARE(unpack(packed), (Colour{red, green, blue}));
}

void Testconversions::appendHexPair_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("0") << 0 << "00"
                       << "00";
    QTest::newRow("10") << 10 << "0A"
                        << "0a";
    QTest::newRow("171") << 171 << "AB"
                         << "ab";
    QTest::newRow("255") << 255 << "FF"
                         << "ff";
}

void Testconversions::appendHexPair() {
    QFETCH(int, value);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QString text = QStringLiteral("x");
    tincta::appendHexPair(text, value);
    QCOMPARE(text, QLatin1Char('x') + upper);
    text.clear();
    tincta::appendHexPair(text, value, HexCase::Lower);
    QCOMPARE(text, lower);
}

void Testconversions::appendDecimal_data() {
    QTest::addColumn<qlonglong>("value");
    QTest::newRow("0") << 0LL;
    QTest::newRow("7") << 7LL;
    QTest::newRow("255") << 255LL;
    QTest::newRow("white packed") << 16777215LL;
    QTest::newRow("negative") << -5LL;
    QTest::newRow("smallest") << std::numeric_limits<qlonglong>::min();
    QTest::newRow("largest") << std::numeric_limits<qlonglong>::max();
}

void Testconversions::appendDecimal() {
    QFETCH(qlonglong, value);
    QString text;
    tincta::appendDecimal(text, value);
    QCOMPARE(text, QString::number(value));
}

void Testconversions::hexTriplet_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QString>("expected");
    QTest::newRow("black") << Colour{0, 0, 0} << "#000000";
    QTest::newRow("white") << Colour{255, 255, 255} << "#FFFFFF";
    QTest::newRow("single digits keep their zero") << Colour{1, 10, 15} << "#010A0F";
    QTest::newRow("red first, blue last") << Colour{0x33, 0x00, 0xFF} << "#3300FF";
}

void Testconversions::hexTriplet() {
    QFETCH(Colour, colour);
    QFETCH(QString, expected);
    QCOMPARE(tincta::hexTriplet(colour), expected);
}

QTEST_APPLESS_MAIN(Testconversions)
#include "test_conversions.moc"

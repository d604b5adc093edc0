#include "palette/windows1252.h"

#include <QTest>

using namespace tincta;

namespace {

// The code page's published mapping of 0x80..0x9F; 0 marks the five undefined bytes.
constexpr char16_t published[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t expectedCodePoint(int byte) {
    if (byte >= 0x80 && byte < 0xA0 && published[byte - 0x80] != 0) {
        return published[byte - 0x80];
    }
    return static_cast<char16_t>(byte);
}

} // namespace

class Testwindows1252 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesEveryByte();
    void everyByteRoundTrips();
    void encodes_data();
    void encodes();
    void unrepresentable_data();
    void unrepresentable();
};

void Testwindows1252::decodesEveryByte() {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const QString text = decodeWindows1252(QByteArrayView(&c, 1));
        QCOMPARE(text.size(), 1);
        QCOMPARE(text.at(0).unicode(), expectedCodePoint(byte));
    }
}

void Testwindows1252::everyByteRoundTrips() {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encodeWindows1252(text), std::optional<QByteArray>(all));
}

void Testwindows1252::encodes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ascii") << "Sky, blue" << QByteArray("Sky, blue");
    QTest::newRow("accent") << QStringLiteral("Caf\u00E9") << QByteArray("Caf\xE9");
    QTest::newRow("euro") << QStringLiteral("\u20AC5")
                          << QByteArray("\x80"
                                        "5");
    QTest::newRow("quotes and dash")
        << QStringLiteral("\u201Cx\u201D \u2013") << QByteArray("\x93x\x94 \x96");
    QTest::newRow("undefined byte kept")
        << QStringLiteral("\u0081\u009D") << QByteArray("\x81\x9D");
}

void Testwindows1252::encodes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeWindows1252(text), std::optional<QByteArray>(bytes));
    QCOMPARE(decodeWindows1252(bytes), text);
}

void Testwindows1252::unrepresentable_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("greek") << QStringLiteral("\u0395\u03BB");
    QTest::newRow("cjk") << QStringLiteral("\u4E2D\u6587");
    QTest::newRow("c1 control the code page replaces") << QStringLiteral("\u0080");
    QTest::newRow("one bad character among good ones") << QStringLiteral("Caf\u00E9 \u0100");
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F600");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800));
    QTest::newRow("replacement character") << QStringLiteral("\uFFFD");
}

void Testwindows1252::unrepresentable() {
    QFETCH(QString, text);
    QCOMPARE(encodeWindows1252(text), std::optional<QByteArray>());
}

QTEST_APPLESS_MAIN(Testwindows1252)
#include "test_windows1252.moc"

#include "colour/apca.h"
#include "testdata.h"

#include <QTest>

using namespace tincta;

namespace {

Colour fromHex(QStringView text) {
    const unsigned value = text.mid(1).toUInt(nullptr, 16);
    return {static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xFFu),
            static_cast<int>(value & 0xFFu)};
}

} // namespace

class TestApca : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void referencePairs_data();
    void referencePairs();
    void uses_data();
    void uses();
};

void TestApca::referencePairs_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::addColumn<double>("expected");
    const QString table =
        QString::fromUtf8(test::readTestData(QStringLiteral("colourcheck/apca-pairs.txt")));
    for (const QString& line : table.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("# ")))
            continue;
        const QStringList fields = line.split(QLatin1Char(' '));
        QTest::addRow("%s on %s", qPrintable(fields[0]), qPrintable(fields[1]))
            << fields[0] << fields[1] << fields[2].toDouble();
    }
}

void TestApca::referencePairs() {
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(double, expected);
    const double lc = apcaContrast(fromHex(text), fromHex(background));
    QVERIFY2(std::abs(lc - expected) < 0.1, qPrintable(QString::number(lc)));
}

void TestApca::uses_data() {
    QTest::addColumn<double>("lc");
    QTest::addColumn<ApcaUse>("use");
    QTest::newRow("90 exactly") << 90.0 << ApcaUse::PreferredBodyText;
    QTest::newRow("just below 90") << 89.99 << ApcaUse::BodyText;
    QTest::newRow("negative, light on dark") << -75.0 << ApcaUse::BodyText;
    QTest::newRow("60") << 60.0 << ApcaUse::OtherText;
    QTest::newRow("45") << -45.0 << ApcaUse::LargeText;
    QTest::newRow("30") << 30.0 << ApcaUse::NonText;
    QTest::newRow("below 30") << 29.9 << ApcaUse::None;
}

void TestApca::uses() {
    QFETCH(double, lc);
    QFETCH(ApcaUse, use);
    QCOMPARE(apcaUse(lc), use);
}

QTEST_APPLESS_MAIN(TestApca)
#include "test_apca.moc"

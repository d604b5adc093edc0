#include "colour/contrast.h"

#include <QTest>

using namespace tincta;

Q_DECLARE_METATYPE(tincta::ContrastGrades)

namespace {

Colour fromHtml(const QString& text) {
    const unsigned value = text.mid(1).toUInt(nullptr, 16);
    return {static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xFFu),
            static_cast<int>(value & 0xFFu)};
}

} // namespace

class Testcontrast : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pairs_data();
    void pairs();
    void greyOnWhiteRatio();
    void luminanceEnds();
};

// Expected texts and grades made with Python 3.11 from the WCAG 2.x definition as written (the
// 0.03928 threshold), the ratio's exact decimal value truncated to two decimals. The pairs
// around 3, 4.5 and 7 were found by a random search for ratios within 0.01 of each threshold.
void Testcontrast::pairs_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("text");
    QTest::addColumn<ContrastGrades>("grades");
    const struct {
        const char* first;
        const char* second;
        const char* text;
        ContrastGrades grades; // AA normal, AA large, AAA normal, AAA large
    } rows[] = {
        {"#000000", "#FFFFFF", "21.00:1", {true, true, true, true}},
        {"#777777", "#FFFFFF", "4.47:1", {false, true, false, false}}, // 4.478089
        {"#FFFFFF", "#777777", "4.47:1", {false, true, false, false}}, // either order
        {"#FFFFFF", "#FFFFFF", "1.00:1", {false, false, false, false}},
        {"#FF0000", "#FFFFFF", "3.99:1", {false, true, false, false}},  // 3.998477
        {"#FF0000", "#000000", "5.25:1", {true, true, false, true}},    // 5.252
        {"#00FF00", "#000000", "15.30:1", {true, true, true, true}},    // 15.304
        {"#0000FF", "#000000", "2.44:1", {false, false, false, false}}, // 2.444
        {"#0000FF", "#FFFFFF", "8.59:1", {true, true, true, true}},     // 8.592471
        {"#FFFF00", "#000000", "19.55:1", {true, true, true, true}},    // 19.556
        {"#FFFF00", "#FFFFFF", "1.07:1", {false, false, false, false}}, // 1.073839
        {"#595959", "#FFFFFF", "7.00:1", {true, true, true, true}},     // 7.004729
        {"#767676", "#FFFFFF", "4.54:1", {true, true, false, true}},    // 4.542225
        {"#959595", "#FFFFFF", "2.99:1", {false, false, false, false}}, // 2.995346
        {"#949494", "#FFFFFF", "3.03:1", {false, true, false, false}},  // 3.033470
        {"#FFCC00", "#123456", "8.41:1", {true, true, true, true}},     // 8.411071
        {"#BF86E5", "#7E3C38", "2.99:1", {false, false, false, false}}, // 2.994219
        {"#A304FA", "#79DA24", "3.00:1", {false, true, false, false}},  // 3.000438
        {"#8259E0", "#E9FFF1", "4.49:1", {false, true, false, false}},  // 4.498595
        {"#802EAB", "#92DE8A", "4.50:1", {true, true, false, true}},    // 4.500895
        {"#2B0ED5", "#CEDAEC", "6.99:1", {true, true, false, true}},    // 6.990444
        {"#011E52", "#67BD7F", "7.00:1", {true, true, true, true}},     // 7.000259
        {"#050505", "#0A0A0A", "1.02:1", {false, false, false, false}}, // 1.029459
    };
    for (const auto& row : rows) {
        QTest::addRow("%s on %s", row.first, row.second)
            << QString::fromLatin1(row.first) << QString::fromLatin1(row.second)
            << QString::fromLatin1(row.text) << row.grades;
    }
}

void Testcontrast::pairs() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, text);
    QFETCH(ContrastGrades, grades);
    const double ratio = contrastRatio(fromHtml(first), fromHtml(second));
    QCOMPARE(contrastRatioText(ratio), text);
    QCOMPARE(gradeContrast(ratio), grades);
}

void Testcontrast::greyOnWhiteRatio() {
    QVERIFY(qAbs(contrastRatio({119, 119, 119}, {255, 255, 255}) - 4.478089) < 1e-6);
}

void Testcontrast::luminanceEnds() {
    QCOMPARE(relativeLuminance({0, 0, 0}), 0.0);
    QCOMPARE(relativeLuminance({255, 255, 255}), 1.0);
}

QTEST_APPLESS_MAIN(Testcontrast)
#include "test_contrast.moc"

#include "colour/cssnotation.h"

#include <QTest>

using namespace tincta;

Q_DECLARE_METATYPE(tincta::Colour)

class Testcssnotation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void notations_data();
    void notations();
    void greysHaveNoChromaAndHueZero();
};

// Expected texts made outside the program with Python 3.11 from the published definitions:
// hsl() from the CSS Color 4 formulas evaluated in exact fractions (fractions.Fraction) and
// rounded half up; oklch() in double precision with the CSS Color 4 sRGB transfer curve, the
// rational linear-sRGB-to-XYZ matrix and the XYZ-to-LMS and LMS-to-OKLab matrices of its
// conversion code, math.cbrt, math.atan2 and halves rounded up on the exact decimal value of
// each scaled double. After the first seven come the rounding cases named below and random
// colours; no oklch() value in the table lies within 0.0015 of a half in its last written digit,
// so the table does not depend on the last bit of the maths library.
void Testcssnotation::notations_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<QString>("hsl");
    QTest::addColumn<QString>("oklch");
    const struct {
        const char* label;
        Colour colour;
        const char* rgb;
        const char* hsl;
        const char* oklch;
    } rows[] = {
        {"black", {0, 0, 0}, "rgb(0 0 0)", "hsl(0 0% 0%)", "oklch(0.0% 0.000 0.0)"},
        {"white", {255, 255, 255}, "rgb(255 255 255)", "hsl(0 0% 100%)", "oklch(100.0% 0.000 0.0)"},
        {"#FFCC00", {255, 204, 0}, "rgb(255 204 0)", "hsl(48 100% 50%)", "oklch(86.5% 0.177 90.4)"},
        {"#123456", {18, 52, 86}, "rgb(18 52 86)", "hsl(210 65% 20%)", "oklch(31.9% 0.072 251.2)"},
        {"#808080", {128, 128, 128}, "rgb(128 128 128)", "hsl(0 0% 50%)", "oklch(60.0% 0.000 0.0)"},
        {"#FF0000", {255, 0, 0}, "rgb(255 0 0)", "hsl(0 100% 50%)", "oklch(62.8% 0.258 29.2)"},
        {"#00FFFF",
         {0, 255, 255},
         "rgb(0 255 255)",
         "hsl(180 100% 50%)",
         "oklch(90.5% 0.155 194.8)"},
        {"saturation exactly 2.5 % rounds up",
         {41, 39, 39},
         "rgb(41 39 39)",
         "hsl(0 3% 16%)",
         "oklch(27.5% 0.003 17.3)"},
        {"saturation exactly 2.5 % above half lightness",
         {216, 214, 214},
         "rgb(216 214 214)",
         "hsl(0 3% 84%)",
         "oklch(87.8% 0.002 17.2)"},
        {"hue exactly 0.5 rounds up",
         {200, 81, 80},
         "rgb(200 81 80)",
         "hsl(1 52% 55%)",
         "oklch(59.1% 0.153 23.4)"},
        {"hue exactly 359.5 wraps to 0",
         {255, 135, 136},
         "rgb(255 135 136)",
         "hsl(0 100% 76%)",
         "oklch(75.7% 0.146 20.6)"},
        {"hue 359.53 wraps to 0",
         {255, 0, 2},
         "rgb(255 0 2)",
         "hsl(0 100% 50%)",
         "oklch(62.8% 0.258 29.1)"},
        {"hue 359.29 stays 359",
         {255, 0, 3},
         "rgb(255 0 3)",
         "hsl(359 100% 50%)",
         "oklch(62.8% 0.258 29.1)"},
        {"oklch hue 359.98 wraps to 0.0",
         {46, 8, 23},
         "rgb(46 8 23)",
         "hsl(336 70% 11%)",
         "oklch(21.0% 0.064 0.0)"},
        {"oklch hue 359.999 wraps to 0.0",
         {48, 1, 21},
         "rgb(48 1 21)",
         "hsl(334 96% 10%)",
         "oklch(20.2% 0.079 0.0)"},
        {"oklch hue 359.2 stays",
         {77, 51, 59},
         "rgb(77 51 59)",
         "hsl(342 20% 25%)",
         "oklch(35.4% 0.039 359.2)"},
        {"saturation rounds to 0, hue kept",
         {128, 128, 129},
         "rgb(128 128 129)",
         "hsl(240 0% 50%)",
         "oklch(60.0% 0.001 286.4)"},
        {"#0000FF", {0, 0, 255}, "rgb(0 0 255)", "hsl(240 100% 50%)", "oklch(45.2% 0.313 264.1)"},
        {"#00FF00", {0, 255, 0}, "rgb(0 255 0)", "hsl(120 100% 50%)", "oklch(86.6% 0.295 142.5)"},
        {"#FF00FF",
         {255, 0, 255},
         "rgb(255 0 255)",
         "hsl(300 100% 50%)",
         "oklch(70.2% 0.322 328.4)"},
        {"#010101", {1, 1, 1}, "rgb(1 1 1)", "hsl(0 0% 0%)", "oklch(6.7% 0.000 0.0)"},
        {"#777777", {119, 119, 119}, "rgb(119 119 119)", "hsl(0 0% 47%)", "oklch(56.9% 0.000 0.0)"},
        {"#FEFEFE",
         {254, 254, 254},
         "rgb(254 254 254)",
         "hsl(0 0% 100%)",
         "oklch(99.7% 0.000 0.0)"},
        {"#6A0512", {106, 5, 18}, "rgb(106 5 18)", "hsl(352 91% 22%)", "oklch(33.4% 0.130 23.3)"},
        {"#507A08", {80, 122, 8}, "rgb(80 122 8)", "hsl(82 88% 25%)", "oklch(52.8% 0.139 129.8)"},
        {"#1C4BBC",
         {28, 75, 188},
         "rgb(28 75 188)",
         "hsl(222 74% 42%)",
         "oklch(45.7% 0.185 263.6)"},
        {"#EEB68F",
         {238, 182, 143},
         "rgb(238 182 143)",
         "hsl(25 74% 75%)",
         "oklch(81.8% 0.083 56.1)"},
        {"#7569B5",
         {117, 105, 181},
         "rgb(117 105 181)",
         "hsl(249 34% 56%)",
         "oklch(56.5% 0.115 289.4)"},
        {"#A0729C",
         {160, 114, 156},
         "rgb(160 114 156)",
         "hsl(305 19% 54%)",
         "oklch(61.3% 0.082 329.5)"},
        {"#D776E9",
         {215, 118, 233},
         "rgb(215 118 233)",
         "hsl(291 72% 69%)",
         "oklch(71.6% 0.188 321.2)"},
        {"#D6FA28",
         {214, 250, 40},
         "rgb(214 250 40)",
         "hsl(70 95% 57%)",
         "oklch(92.7% 0.212 119.9)"},
        {"#ECB8E0",
         {236, 184, 224},
         "rgb(236 184 224)",
         "hsl(314 58% 82%)",
         "oklch(84.1% 0.079 334.6)"},
        {"#A1E6CF",
         {161, 230, 207},
         "rgb(161 230 207)",
         "hsl(160 58% 77%)",
         "oklch(87.3% 0.076 171.7)"},
        {"#21FB09", {33, 251, 9}, "rgb(33 251 9)", "hsl(114 97% 51%)", "oklch(85.8% 0.288 142.1)"},
        {"#644758",
         {100, 71, 88},
         "rgb(100 71 88)",
         "hsl(325 17% 34%)",
         "oklch(43.5% 0.047 343.2)"},
        {"#0892FD",
         {8, 146, 253},
         "rgb(8 146 253)",
         "hsl(206 98% 51%)",
         "oklch(65.3% 0.188 251.0)"},
        {"#CA1825", {202, 24, 37}, "rgb(202 24 37)", "hsl(356 79% 44%)", "oklch(53.6% 0.207 25.4)"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.label) << row.colour << QString::fromLatin1(row.rgb)
                                 << QString::fromLatin1(row.hsl) << QString::fromLatin1(row.oklch);
    }
}

void Testcssnotation::notations() {
    QFETCH(Colour, colour);
    QFETCH(QString, rgb);
    QFETCH(QString, hsl);
    QFETCH(QString, oklch);
    QCOMPARE(cssRgbText(colour), rgb);
    QCOMPARE(cssHslText(colour), hsl);
    QCOMPARE(cssOklchText(colour), oklch);
}

// A grey's a and b in OKLab are rounding noise; its hue must never show as a stray angle.
void Testcssnotation::greysHaveNoChromaAndHueZero() {
    for (int level = 0; level <= 255; ++level) {
        const QString text = cssOklchText({level, level, level});
        QVERIFY2(text.endsWith(QLatin1StringView(" 0.000 0.0)")), qPrintable(text));
        QVERIFY2(cssHslText({level, level, level}).startsWith(QLatin1StringView("hsl(0 0% ")),
                 qPrintable(cssHslText({level, level, level})));
    }
}

QTEST_APPLESS_MAIN(Testcssnotation)
#include "test_cssnotation.moc"

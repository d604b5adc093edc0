#include "colour/contrast.h"
#include "colour/contrastfix.h"
#include "colour/oklch.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tincta;

namespace {

constexpr ContrastLevel levels[] = {ContrastLevel::AaLarge, ContrastLevel::Aa, ContrastLevel::Aaa};

Colour randomColour(QRandomGenerator& random) {
    return {random.bounded(256), random.bounded(256), random.bounded(256)};
}

// The lightness nearest the colour's own at which its hue and chroma, gamut-mapped and rounded,
// pass: every lightness tried on a grid finer than the tolerance the search is held to.
std::optional<double> bruteForceLightness(const Colour& changed, const Colour& fixed,
                                          double minimum) {
    const Oklch start = toOklch(changed);
    std::optional<double> best;
    constexpr int steps = 400;
    for (int i = 0; i <= steps; ++i) {
        const double lightness = static_cast<double>(i) / steps;
        const Colour colour = gamutMappedColour({lightness, start.chroma, start.hue});
        if (contrastRatio(colour, fixed) < minimum)
            continue;
        if (!best || std::abs(lightness - start.lightness) < std::abs(*best - start.lightness))
            best = lightness;
    }
    return best;
}

double hueDifference(double first, double second) {
    const double difference = std::abs(first - second);
    return std::min(difference, 360.0 - difference);
}

} // namespace

class TestContrastFix : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void greyOnWhite_data();
    void greyOnWhite();
    void noLightnessPassesAgainstMidGrey();
    void everySuggestionPassesAfterRounding();
    void suggestionsAreTheNearestPassingLightness();
};

void TestContrastFix::greyOnWhite_data() {
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QString>("expected");
    QTest::newRow("AA") << 4.5 << QStringLiteral("#767676");
    QTest::newRow("AAA") << 7.0 << QStringLiteral("#595959");
    QTest::newRow("AA large, already met") << 3.0 << QStringLiteral("#777777");
}

void TestContrastFix::greyOnWhite() {
    QFETCH(double, minimum);
    QFETCH(QString, expected);
    const std::optional<ContrastSuggestion> suggestion =
        passingColour({0x77, 0x77, 0x77}, {255, 255, 255}, minimum);
    QVERIFY(suggestion);
    const Colour c = suggestion->colour;
    QCOMPARE(QStringLiteral("#%1%2%3")
                 .arg(c.red, 2, 16, QLatin1Char('0'))
                 .arg(c.green, 2, 16, QLatin1Char('0'))
                 .arg(c.blue, 2, 16, QLatin1Char('0'))
                 .toUpper(),
             expected);
}

// Mid grey's luminance leaves less than 7:1 towards black and towards white alike.
void TestContrastFix::noLightnessPassesAgainstMidGrey() {
    QVERIFY(!passingColour({0x33, 0x66, 0x99}, {0x76, 0x76, 0x76}, 7.0));
    QVERIFY(passingColour({0x33, 0x66, 0x99}, {0x76, 0x76, 0x76}, 4.5));
}

void TestContrastFix::everySuggestionPassesAfterRounding() {
    QRandomGenerator random(20261210);
    for (int pair = 0; pair < 10000; ++pair) {
        const Colour foreground = randomColour(random);
        const Colour background = randomColour(random);
        for (ContrastLevel level : levels) {
            const double minimum = minimumRatio(level);
            for (const auto& [changed, fixed] :
                 {std::pair{foreground, background}, std::pair{background, foreground}}) {
                const std::optional<ContrastSuggestion> suggestion =
                    passingColour(changed, fixed, minimum);
                if (!suggestion)
                    continue;
                QVERIFY(contrastRatio(suggestion->colour, fixed) >= minimum);
                // The hue is kept before rounding; 8-bit rounding alone turns the hue of a
                // colour of chroma 0.05 by up to about a degree.
                const Oklch asked = toOklch(changed);
                const LinearRgb mapped =
                    gamutMappedLinear({suggestion->lightness, asked.chroma, asked.hue});
                QCOMPARE(fromLinearRgb(mapped), suggestion->colour);
                const Oklch kept = oklchFromLinear(mapped);
                if (kept.chroma > 0.02 && !(suggestion->colour == changed))
                    QVERIFY(hueDifference(asked.hue, kept.hue) < 0.5);
            }
        }
    }
}

// The brute force tries 401 lightnesses for each pair, so it runs on a tenth of the pairs.
void TestContrastFix::suggestionsAreTheNearestPassingLightness() {
    QRandomGenerator random(424242);
    for (int pair = 0; pair < 1000; ++pair) {
        const Colour changed = randomColour(random);
        const Colour fixed = randomColour(random);
        const double minimum = minimumRatio(levels[random.bounded(3)]);
        const std::optional<ContrastSuggestion> suggestion = passingColour(changed, fixed, minimum);
        const std::optional<double> best = bruteForceLightness(changed, fixed, minimum);
        if (contrastRatio(changed, fixed) >= minimum)
            continue;
        QCOMPARE(suggestion.has_value(), best.has_value());
        if (best)
            QVERIFY2(
                std::abs(suggestion->lightness - *best) <= 0.005,
                qPrintable(QStringLiteral("%1 against %2").arg(suggestion->lightness).arg(*best)));
    }
}

QTEST_APPLESS_MAIN(TestContrastFix)
#include "test_contrastfix.moc"

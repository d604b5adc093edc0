#include "palette/droppedcolour.h"

#include <QTest>

using namespace tincta;

Q_DECLARE_METATYPE(std::optional<Colour>)

class Testdroppedcolour : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colourFromDroppedText_data();
    void colourFromDroppedText();
};

void Testdroppedcolour::colourFromDroppedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<Colour>>("colour");
    const std::optional<Colour> none;
    const Colour steel{51, 102, 153};
    QTest::newRow("hex") << "#336699" << std::optional(steel);
    QTest::newRow("hex in lower case, line end around") << "\n #33669a\r\n"
                                                        << std::optional(Colour{51, 102, 154});
    QTest::newRow("short hex") << "#369" << std::optional(steel);
    // Six digits without "#" are Access's packed decimal, red + 256 green + 65536 blue.
    QTest::newRow("digits without #") << "336699" << std::optional(Colour{59, 35, 5});
    QTest::newRow("hex with an opaque alpha") << "#336699ff" << std::optional(steel);
    QTest::newRow("hex with another alpha") << "#33669980" << none;
    QTest::newRow("not hex digits") << "#33669g" << none;
    QTest::newRow("hex with a prefix inside") << "#0x3366" << none;
    QTest::newRow("short hex not hex digits") << "#xyz" << none;
    QTest::newRow("rgb with commas") << "rgb(51, 102, 153)" << std::optional(steel);
    QTest::newRow("rgb with blanks") << "rgb(51 102 153)" << std::optional(steel);
    QTest::newRow("rgb, upper case, no blanks") << "RGB(51,102,153)" << std::optional(steel);
    QTest::newRow("rgba with alpha") << "rgba(51, 102, 153, 0.5)" << std::optional(steel);
    QTest::newRow("rgb with slash alpha") << "rgb(51 102 153 / 50%)" << std::optional(steel);
    QTest::newRow("percentages") << "rgb(20% 40% 60%)" << std::optional(steel);
    QTest::newRow("fractions round") << "rgb(50.5 101.6 .153e3)" << std::optional(steel);
    QTest::newRow("none is zero") << "rgb(none 102 153)" << std::optional(Colour{0, 102, 153});
    QTest::newRow("clamped as in CSS") << "rgb(300, -5, 1e9)" << std::optional(Colour{255, 0, 255});
    QTest::newRow("two values") << "rgb(51, 102)" << none;
    QTest::newRow("five values") << "rgb(1, 2, 3, 4, 5)" << none;
    QTest::newRow("four values with blanks") << "rgb(1 2 3 4)" << none;
    QTest::newRow("two slashes") << "rgb(1 2 3 / 4 / 5)" << none;
    QTest::newRow("bad alpha") << "rgb(1 2 3 / x)" << none;
    QTest::newRow("word as value") << "rgb(red, 0, 0)" << none;
    QTest::newRow("unclosed") << "rgb(1, 2, 3" << none;
    QTest::newRow("blank before the bracket") << "rgb (1, 2, 3)" << std::optional(Colour{1, 2, 3});
    // Any notation of the list and any CSS Color 4 form, as Paste Colour reads them.
    QTest::newRow("hsl") << "hsl(210, 50%, 40%)" << std::optional(steel);
    QTest::newRow("Flutter") << "Color(0xFF336699)" << std::optional(steel);
    QTest::newRow("oklch") << "oklch(62.8% 0.2577 29.23)" << std::optional(Colour{255, 0, 0});
    QTest::newRow("JavaScript name") << "cornflowerblue" << std::optional(Colour{100, 149, 237});
    QTest::newRow("JavaScript name, any case") << " AliceBlue\n"
                                               << std::optional(Colour{240, 248, 255});
    QTest::newRow("CSS spelling of a JavaScript name")
        << "grey" << std::optional(Colour{128, 128, 128});
    QTest::newRow("name with text around") << "red car" << none;
    QTest::newRow("word") << "hello" << none;
    QTest::newRow("empty") << "" << none;
}

void Testdroppedcolour::colourFromDroppedText() {
    QFETCH(QString, text);
    QFETCH(std::optional<Colour>, colour);
    QCOMPARE(tincta::colourFromDroppedText(text), colour);
}

QTEST_APPLESS_MAIN(Testdroppedcolour)
#include "test_droppedcolour.moc"

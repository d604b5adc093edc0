#include "mainwindowfixture.h"

#include "editing/markspanel.h"
#include "editing/namebox.h"

#include <QColor>
#include <QDropEvent>
#include <QMimeData>

using namespace tincta;
using namespace tincta::test;

namespace {

constexpr int dropMark = 4;

enum class Part { RadioButton, Sample, NameBox };

QWidget* rowPart(const Controls& ui, Part part) {
    const auto mark = static_cast<std::size_t>(dropMark);
    switch (part) {
    case Part::RadioButton:
        return ui.optColor[mark];
    case Part::Sample:
        return ui.picSample[mark];
    case Part::NameBox:
        break;
    }
    return ui.txtName[mark];
}

// A drag entering the control and, when it is taken, the drop, as the window hands them on.
bool drop(QWidget* target, const QMimeData& data) {
    const QPoint inside(2, 2);
    QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

} // namespace

Q_DECLARE_METATYPE(Part)

class TestColourDrop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dropOnAMarkRow_data();
    void dropOnAMarkRow();
    void dragFromTheSampleCarriesColourAndNotation_data();
    void dragFromTheSampleCarriesColourAndNotation();
};

void TestColourDrop::dropOnAMarkRow_data() {
    QTest::addColumn<Part>("part");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<Colour>("expected");

    const Colour blue{0x33, 0x66, 0x99};
    QTest::newRow("#336699 on the disabled sample")
        << Part::Sample << QStringLiteral("#336699") << QColor() << true << blue;
    QTest::newRow("colour on the name box")
        << Part::NameBox << QString() << QColor(0x33, 0x66, 0x99) << true << blue;
    QTest::newRow("rgb() text on the radio button")
        << Part::RadioButton << QStringLiteral(" rgb(10, 20, 30) ") << QColor() << true
        << Colour{10, 20, 30};
    QTest::newRow("hello on the name box")
        << Part::NameBox << QStringLiteral("hello") << QColor() << false << Colour{0, 0, 255};
    QTest::newRow("hello on the sample")
        << Part::Sample << QStringLiteral("hello") << QColor() << false << Colour{0, 0, 255};
}

void TestColourDrop::dropOnAMarkRow() {
    QFETCH(Part, part);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(bool, taken);
    QFETCH(Colour, expected);
    MainWindowFixture f;
    TrackedLineEdit* name = f.ui().txtName[static_cast<std::size_t>(dropMark)];
    name->setText(QStringLiteral("Sky"));
    QMimeData data;
    if (!text.isEmpty())
        data.setText(text);
    if (colour.isValid())
        data.setColorData(colour);

    QCOMPARE(drop(rowPart(f.ui(), part), data), taken);
    QCOMPARE(f.selectedMark(), taken ? dropMark : 0);
    QCOMPARE(f.markColour(dropMark), expected);
    QCOMPARE(name->text(), QStringLiteral("Sky"));
    // As a paste: an edit of the named mark's colour.
    QCOMPARE(isMarkedEdited(name), taken);
    if (taken)
        QCOMPARE(f.sliderColour(), expected);
}

void TestColourDrop::dragFromTheSampleCarriesColourAndNotation_data() {
    QTest::addColumn<int>("notation");
    QTest::addColumn<QString>("text");
    QTest::newRow("HTML Hex") << 0 << QStringLiteral("#00FF00");
    QTest::newRow("Lower Case HTML Hex") << 1 << QStringLiteral("#00ff00");
}

void TestColourDrop::dragFromTheSampleCarriesColourAndNotation() {
    QFETCH(int, notation);
    QFETCH(QString, text);
    MainWindowFixture f;
    QTest::mouseClick(f.ui().optColor[2], Qt::LeftButton);
    f.ui().lstAutocopy->setCurrentRow(notation);
    const auto* marks = f.find<MarksPanel>(QStringLiteral("marks"));
    QVERIFY(marks != nullptr);

    const std::unique_ptr<QMimeData> data = marks->colourDragData();
    QVERIFY(data->hasColor());
    QCOMPARE(qvariant_cast<QColor>(data->colorData()), QColor(0, 255, 0));
    QVERIFY(data->hasText());
    QCOMPARE(data->text(), text);
    QCOMPARE(f.ui().lblClipboard->text(), text);
}

QTEST_MAIN(TestColourDrop)
#include "test_colourdrop.moc"

#include "editing/markspanel.h"

#include "colour/colourtables.h"
#include "editing/namebox.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/colourbox.h"
#include "gui/widgets/colourspeech.h"
#include "gui/widgets/trackedlineedit.h"
#include "gui/widgets/widgethelpers.h"
#include "palette/droppedcolour.h"
#include "palette/palettemodel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDrag>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace tincta {

namespace {

constexpr int markRowHeight = 26;
constexpr int sampleWidth = 44;
constexpr int nameBoxLength = 21;

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

std::size_t at(int mark) {
    return static_cast<std::size_t>(mark);
}

// The colour a drop carries: a colour, or text that names one. Nothing else is taken.
std::optional<Colour> droppedColour(const QMimeData* data) {
    if (data == nullptr)
        return std::nullopt;
    if (data->hasColor()) {
        const QColor colour = qvariant_cast<QColor>(data->colorData()).toRgb();
        if (colour.isValid())
            return Colour{colour.red(), colour.green(), colour.blue()};
    }
    if (data->hasText())
        return colourFromDroppedText(data->text());
    return std::nullopt;
}

// Listeners count the marks from 1.
QString spokenMark(const char* text, int mark) {
    return MarksPanel::tr(text).arg(mark + 1);
}

} // namespace

MarksPanel::MarksPanel(PaletteModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_markGroup(new QButtonGroup(this)),
      m_sampleColumn(named(new QWidget(this), "picSampleContainer")) {
    setObjectName(QStringLiteral("marks"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    auto* samples = new QVBoxLayout(m_sampleColumn);
    samples->setContentsMargins(0, 0, 0, 0);
    samples->setSpacing(0);
    for (int mark = 0; mark < markCount; ++mark) {
        buildMark(mark);
        grid->addWidget(m_markButtons[at(mark)], mark, 0);
        grid->addWidget(m_nameBoxes[at(mark)], mark, 2);
        grid->addWidget(m_propertyLetters[at(mark)], mark, 3);
    }
    grid->addWidget(m_sampleColumn, 0, 1, markCount, 1);
    samples->setSizeConstraint(QLayout::SetFixedSize);
    grid->setColumnStretch(2, 1);
    for (int mark = 0; mark < markCount; ++mark) {
        for (QWidget* control : rowControls(mark)) {
            control->setAcceptDrops(true);
            control->installEventFilter(this);
        }
    }

    connect(m_markGroup, &QButtonGroup::idClicked, this,
            guarded([this](int mark) { m_model.select(mark); }));
    connect(&m_model, &PaletteModel::colourChanged, this, &MarksPanel::showColour);
    connect(&m_model, &PaletteModel::nameChanged, this, &MarksPanel::showName);
    connect(&m_model, &PaletteModel::selectionChanged, this, &MarksPanel::showSelection);
    connect(&m_model, &PaletteModel::paletteReset, this, &MarksPanel::showPalette);
    connect(&m_model, &PaletteModel::paletteSaved, this, &MarksPanel::clearEditedNames);
}

void MarksPanel::buildMark(int mark) {
    auto* button = named(new QRadioButton(this), indexed("optColor", mark));
    button->setToolTip(tr("Click here to select this colour mark"));
    button->setAccessibleName(spokenMark(QT_TR_NOOP("Colour mark %1"), mark));
    button->setFixedHeight(markRowHeight);
    m_markGroup->addButton(button, mark);
    m_markButtons[at(mark)] = button;

    // Each sample sits in a cell of the row's height so the six rows line up with the names.
    auto* cell = new QWidget(m_sampleColumn);
    cell->setFixedSize(sampleWidth, markRowHeight);
    auto* sample = named(new ColourBox(cell), indexed("picSample", mark));
    sample->setGeometry(0, 3, sampleWidth, markRowHeight - 6);
    sample->setEnabled(false);
    sample->setAccessibleName(spokenMark(QT_TR_NOOP("Colour of mark %1"), mark));
    m_sampleColumn->layout()->addWidget(cell);
    m_samples[at(mark)] = sample;
    connect(sample, &ColourBox::mousePressed, this,
            [this, mark](Qt::MouseButton b) { Q_EMIT samplePressed(mark, b); });
    connect(sample, &ColourBox::mouseMoved, this,
            [this, mark](Qt::MouseButtons b, QPointF pointer) {
                Q_EMIT sampleMoved(mark, b, pointer);
            });
    connect(sample, &ColourBox::mouseReleased, this,
            [this, mark](Qt::MouseButton b) { Q_EMIT sampleReleased(mark, b); });

    auto* name = named(new TrackedLineEdit(this), indexed("txtName", mark));
    name->setTypingLimit(nameBoxLength);
    name->setWindowUndo(true);
    name->setToolTip(tr("Click and type a colour name"));
    name->setAccessibleName(spokenMark(QT_TR_NOOP("Name of colour mark %1"), mark));
    name->setMinimumWidth(
        name->fontMetrics().horizontalAdvance(QString(nameBoxLength, QLatin1Char('n'))) + 8);
    name->setFixedHeight(markRowHeight - 4);
    m_nameBoxes[at(mark)] = name;
    connect(name, &QLineEdit::textChanged, this, guarded([this, mark] { onNameTyped(mark); }));
    connect(name, &TrackedLineEdit::clicked, this, guarded([this, mark] { onNameClicked(mark); }));
    connect(name, &TrackedLineEdit::doubleClicked, name, &QLineEdit::selectAll);
    m_nameGestures[at(mark)] = m_model.newGesture();
    connect(name, &TrackedLineEdit::focusGained, this, [this, name, mark](Qt::FocusReason reason) {
        m_nameGestures[at(mark)] = m_model.newGesture();
        if (isTabFocus(reason))
            name->selectAll();
    });
    connect(name, &TrackedLineEdit::focusLost, this, [this, mark] {
        m_nameGestures[at(mark)] = m_model.newGesture();
        m_selectNameOnClick = true;
    });

    auto* letters = named(new QLabel(this), indexed("lblColorProp", mark));
    letters->setMinimumWidth(letters->fontMetrics().horizontalAdvance(QStringLiteral("WFJ")) + 4);
    letters->setFixedHeight(markRowHeight);
    m_propertyLetters[at(mark)] = letters;
}

std::vector<QWidget*> MarksPanel::tabOrder() const {
    std::vector<QWidget*> order;
    for (int mark = 0; mark < markCount; ++mark) {
        order.push_back(m_markButtons[at(mark)]);
        order.push_back(m_nameBoxes[at(mark)]);
    }
    return order;
}

void MarksPanel::showPalette() {
    for (int mark = markCount - 1; mark >= 0; --mark) {
        showColour(mark, m_model.colour(mark));
        showName(mark, m_model.name(mark));
    }
    showSelection(m_model.selectedMark());
    updatePropertyLetters();
    clearEditedNames();
}

void MarksPanel::showColour(int mark, const Colour& colour) {
    const PackedColour packed = pack(colour);
    ColourBox* sample = m_samples[at(mark)];
    if (sample->colour() == packed && !sample->accessibleDescription().isEmpty())
        return;
    sample->setColour(packed);
    // The colour told in words, on the sample and on the button a listener moves through.
    const QString spoken = spokenColour(packed);
    sample->setAccessibleDescription(spoken);
    m_markButtons[at(mark)]->setAccessibleDescription(spoken);
}

void MarksPanel::showName(int mark, const QString& name) {
    TrackedLineEdit* box = m_nameBoxes[at(mark)];
    if (box->text() == name)
        return;
    setEdited(mark, false);
    const QSignalBlocker quiet(box);
    box->setText(name);
}

void MarksPanel::showSelection(int mark) {
    m_markButtons[at(mark)]->setChecked(true);
    // Only the selected mark's sample can start a screen pick.
    for (int i = 0; i < markCount; ++i) {
        ColourBox* sample = m_samples[at(i)];
        sample->setEnabled(i == mark);
        sample->setToolTip(i == mark ? m_pickToolTip : QString());
    }
}

void MarksPanel::setPickToolTip(const QString& toolTip) {
    m_pickToolTip = toolTip;
    showSelection(m_model.selectedMark());
}

QString MarksPanel::pickFromSampleToolTip() {
    return tr("Drag and drop from here to pick a colour anywhere on the screen");
}

void MarksPanel::onNameTyped(int mark) {
    const PaletteEdit edit(m_model, EditKind::NameChange, m_nameGestures[at(mark)]);
    TrackedLineEdit* box = m_nameBoxes[at(mark)];
    setEdited(mark, false);
    if (box->text() == notJavaScriptColour)
        box->setText(typeAColourName);
    box->setCursorPosition(static_cast<int>(box->text().size()));
    m_model.setName(mark, box->text());
}

void MarksPanel::onNameClicked(int mark) {
    if (m_selectNameOnClick)
        m_nameBoxes[at(mark)]->selectAll();
    m_selectNameOnClick = false;
}

void MarksPanel::noteSelectedColourEdited() {
    const int selected = m_model.selectedMark();
    const QString& name = m_model.name(selected);
    if (name == typeAColourName || m_edited[at(selected)])
        return;
    if (name != notJavaScriptColour)
        setEdited(selected, true);
    for (int mark = 0; mark < markCount; ++mark) {
        if (m_model.name(mark) == notJavaScriptColour)
            m_model.setName(mark, typeAColourName);
    }
}

void MarksPanel::clearEditedNames() {
    for (int mark = 0; mark < markCount; ++mark)
        setEdited(mark, false);
}

void MarksPanel::setEdited(int mark, bool edited) {
    m_edited[at(mark)] = edited;
    setNameBoxBackground(m_nameBoxes[at(mark)], edited ? editedNameColour : plainNameColour);
}

void MarksPanel::updatePropertyLetters() {
    for (int mark = 0; mark < markCount; ++mark) {
        const PackedColour colour = pack(m_model.colour(mark));
        QLabel* letters = m_propertyLetters[at(mark)];
        letters->setText(propertyLetters(colour));
        // A screen reader hears the letters' meaning, not three capitals.
        letters->setAccessibleName(
            tr("Colour mark %1 properties: %2").arg(mark + 1).arg(spokenProperties(colour)));
    }
}

void MarksPanel::setSamplesActive(bool active) {
    m_pickMode = active;
    m_dragStart.reset();
}

// A drag is offered only to enabled controls, so the cell around each sample takes the drops that
// a disabled sample passes on.
std::array<QWidget*, 5> MarksPanel::rowControls(int mark) const {
    ColourBox* sample = m_samples[at(mark)];
    return {m_markButtons[at(mark)], sample, sample->parentWidget(), m_nameBoxes[at(mark)],
            m_propertyLetters[at(mark)]};
}

int MarksPanel::markOf(const QObject* control) const {
    for (int mark = 0; mark < markCount; ++mark) {
        const std::array<QWidget*, 5> row = rowControls(mark);
        if (std::find(row.begin(), row.end(), control) != row.end())
            return mark;
    }
    return -1;
}

// Seen before the controls themselves, so that a name box does not take dropped text as typing.
bool MarksPanel::eventFilter(QObject* watched, QEvent* event) {
    const int mark = markOf(watched);
    if (mark < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return onRowDropEvent(mark, static_cast<QDropEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (watched == m_samples[at(mark)])
            return onSampleMouse(mark, static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool MarksPanel::onRowDropEvent(int mark, QDropEvent* event) {
    const std::optional<Colour> colour = droppedColour(event->mimeData());
    if (!colour) {
        event->ignore();
        return true;
    }
    event->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        ErrorGuard::run([this, mark, &colour] {
            // Undoing the drop selects again the mark that was selected before it.
            const PaletteEdit edit(m_model, EditKind::ColourChange);
            m_model.select(mark);
            Q_EMIT colourDropped(*colour);
        });
    }
    return true;
}

bool MarksPanel::onSampleMouse(int mark, const QMouseEvent* event) {
    if (m_pickMode || mark != m_model.selectedMark())
        return false;
    if (event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton) {
        m_dragStart = event->position().toPoint();
    } else if (event->type() == QEvent::MouseMove && m_dragStart &&
               (event->buttons() & Qt::LeftButton) &&
               (event->position().toPoint() - *m_dragStart).manhattanLength() >=
                   QApplication::startDragDistance()) {
        m_dragStart.reset();
        ErrorGuard::run([this, mark] { startColourDrag(mark); });
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_dragStart.reset();
    }
    return true;
}

std::unique_ptr<QMimeData> MarksPanel::colourDragData() const {
    const Colour colour = m_model.selectedColour();
    auto data = std::make_unique<QMimeData>();
    data->setColorData(QColor(colour.red, colour.green, colour.blue));
    if (m_dragText)
        data->setText(m_dragText(colour));
    return data;
}

void MarksPanel::startColourDrag(int mark) {
    constexpr int swatchSize = 24;
    const Colour colour = m_model.colour(mark);
    QPixmap swatch(swatchSize, swatchSize);
    swatch.fill(QColor(colour.red, colour.green, colour.blue));
    auto* drag = new QDrag(m_samples[at(mark)]);
    drag->setMimeData(colourDragData().release());
    drag->setPixmap(swatch);
    drag->exec(Qt::CopyAction);
}

void MarksPanel::holdPointer(int mark) {
    m_samples[at(mark)]->grabMouse();
}

void MarksPanel::releasePointer(int mark) {
    m_samples[at(mark)]->releaseMouse();
}

} // namespace tincta

#include "editing/coloureditor.h"

#include "editing/valueentry.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/colourbox.h"
#include "gui/widgets/colourslider.h"
#include "gui/widgets/swatchgrid.h"
#include "gui/widgets/widgethelpers.h"
#include "palette/palettemodel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace tincta {

namespace {

constexpr int sliderHeight = 18;
constexpr int colourBarCells = 256;

} // namespace

ColourEditor::ColourEditor(PaletteModel& model, MessageBoxes& messages, QWidget* parent)
    : QObject(parent), m_model(model), m_sliders(named(new QWidget(parent), "sliders")),
      m_valueEntry(new ValueEntry(messages, parent)),
      m_colourBar(named(new SwatchGrid(parent), "lblColorBar")) {
    buildSliders();
    m_colourBar->setStretchedRow(colourBarCells);
    m_colourBar->setAccessibleName(tr("Colour bar"));
    m_colourBar->setAccessibleDescription(tr("Shades of the selected colour"));
    for (QScrollBar* slider : m_channelSliders) {
        slider->installEventFilter(this);
        connect(slider, &QScrollBar::valueChanged, this, guarded([this] { refresh(true); }));
    }
    connect(m_colourBar, &SwatchGrid::cellClicked, this,
            guarded([this](int cell) { onColourBarClicked(cell); }));
    connect(m_valueEntry, &ValueEntry::colourEntered, this,
            [this](const Colour& colour) { setColour(colour); });
    connect(m_valueEntry, &ValueEntry::notationChosen, this, [this] { refresh(true); });
    connect(&m_model, &PaletteModel::selectionChanged, this, &ColourEditor::showSelectedMark);
    connect(&m_model, &PaletteModel::paletteReset, this, [this] {
        m_valueEntry->chooseDecimal();
        showSelectedMark();
    });
}

QScrollBar* ColourEditor::makeSlider(const char* name, const QString& accessibleName) {
    auto* slider = named(new ColourSlider(m_sliders), name);
    slider->setAccessibleName(accessibleName);
    slider->setMinimumWidth(256);
    slider->setFixedHeight(sliderHeight);
    return slider;
}

ColourBox* ColourEditor::makeTag(const char* name, PackedColour colour,
                                 const QString& accessibleName) {
    auto* tag = named(new ColourBox(m_sliders), name);
    tag->setAccessibleName(accessibleName);
    tag->setColour(colour);
    tag->setFixedSize(sliderHeight, sliderHeight);
    return tag;
}

void ColourEditor::buildSliders() {
    m_channelSliders = {makeSlider("hsbRed", tr("Red")), makeSlider("hsbGreen", tr("Green")),
                        makeSlider("hsbBlue", tr("Blue"))};
    m_tags = {makeTag("txtRedTag", 0x0000FF, tr("Red")),
              makeTag("txtGreenTag", 0x00FF00, tr("Green")),
              makeTag("txtBlueTag", 0xFF0000, tr("Blue"))};
    m_pickPreview = named(new ColourBox(m_sliders), "picPick");
    m_pickPreview->setAccessibleName(tr("Picked colour"));
    m_pickPreview->hide();
    auto* grid = new QGridLayout(m_sliders);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(8);
    for (int row = 0; row < 3; ++row) {
        const auto channel = static_cast<std::size_t>(row);
        grid->addWidget(m_tags[channel], row, 0);
        grid->addWidget(m_channelSliders[channel], row, 1);
        // The preview takes the sliders' place; the window must not reflow under the pointer
        // while they are hidden.
        for (QWidget* control : {static_cast<QWidget*>(m_tags[channel]),
                                 static_cast<QWidget*>(m_channelSliders[channel])}) {
            QSizePolicy policy = control->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            control->setSizePolicy(policy);
        }
    }
    grid->addWidget(m_pickPreview, 0, 0, 3, 2);
}

std::vector<QWidget*> ColourEditor::tabOrder() const {
    std::vector<QWidget*> order(m_channelSliders.begin(), m_channelSliders.end());
    const std::vector<QWidget*> values = m_valueEntry->tabOrder();
    order.insert(order.end(), values.begin(), values.end());
    return order;
}

Colour ColourEditor::colour() const {
    return Colour{m_channelSliders[0]->value(), m_channelSliders[1]->value(),
                  m_channelSliders[2]->value()};
}

bool ColourEditor::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_sliderGesture = m_model.newGesture();
        break;
    case QEvent::KeyPress:
        if (!static_cast<const QKeyEvent*>(event)->isAutoRepeat())
            m_sliderGesture = m_model.newGesture();
        break;
    case QEvent::KeyRelease:
        if (!static_cast<const QKeyEvent*>(event)->isAutoRepeat())
            m_sliderGesture = 0;
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::FocusOut:
        m_sliderGesture = 0;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ColourEditor::setColour(const Colour& colour, EditKind kind) {
    const PaletteEdit edit(m_model, kind);
    m_channelSliders[0]->setValue(colour.red);
    m_channelSliders[1]->setValue(colour.green);
    m_channelSliders[2]->setValue(colour.blue);
}

void ColourEditor::showSelectedMark() {
    const Colour colour = m_model.selectedColour();
    const std::array<int, 3> channels{colour.red, colour.green, colour.blue};
    for (std::size_t channel = 0; channel < channels.size(); ++channel) {
        const QSignalBlocker quiet(m_channelSliders[channel]);
        m_channelSliders[channel]->setValue(channels[channel]);
    }
    refresh(false);
}

void ColourEditor::refresh(bool byEdit) {
    // What the refresh changes of the names belongs to the step of the colour.
    const PaletteEdit edit(m_model, EditKind::ColourChange, m_sliderGesture);
    const Colour shown = colour();
    m_model.setColour(m_model.selectedMark(), shown);
    m_valueEntry->showColour(shown);
    fillColourBar(shown);
    Q_EMIT refreshed(shown, byEdit);
}

void ColourEditor::fillColourBar(const Colour& colour) {
    // Cell i lifts every channel by i from the colour with its smallest channel brought to 0, so
    // cell m is the colour itself and cell 255 is always white.
    const int lowest = std::min({colour.red, colour.green, colour.blue});
    std::array<PackedColour, colourBarCells> cells{};
    for (int i = 0; i < colourBarCells; ++i) {
        cells[static_cast<std::size_t>(i)] = pack(Colour{std::min(colour.red - lowest + i, 255),
                                                         std::min(colour.green - lowest + i, 255),
                                                         std::min(colour.blue - lowest + i, 255)});
    }
    m_colourBar->setCellColours(cells);
}

void ColourEditor::onColourBarClicked(int cell) {
    // Read the whole shade first: the first slider move recomputes the bar.
    setColour(unpack(m_colourBar->cellColour(cell)));
}

void ColourEditor::setHtmlHexMode(bool on) {
    m_valueEntry->setHtmlHexMode(on, colour());
}

void ColourEditor::focusRedSlider() {
    m_channelSliders[0]->setFocus();
}

void ColourEditor::showPickPreview(bool shown) {
    for (std::size_t channel = 0; channel < m_channelSliders.size(); ++channel) {
        m_channelSliders[channel]->setVisible(!shown);
        m_tags[channel]->setVisible(!shown);
    }
    m_pickPreview->setVisible(shown);
}

void ColourEditor::setPickPreviewColour(const Colour& colour) {
    m_pickPreview->setColour(pack(colour));
}

} // namespace tincta

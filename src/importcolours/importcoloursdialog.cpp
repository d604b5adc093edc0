#include "importcolours/importcoloursdialog.h"

#include "gui/platform/errorguard.h"
#include "gui/widgets/widgethelpers.h"
#include "palette/paletteexchange.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tincta {

namespace {

QString itemText(const PaletteMark& colour) {
    const QString hex = hexTriplet(colour.colour);
    return isPlaceholderName(colour.name) ? hex : hex + QLatin1StringView(", ") + colour.name;
}

QColor qColour(const Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

ImportColoursDialog::ImportColoursDialog(const QList<PaletteMark>& colours, int selectedMark,
                                         QWidget* parent)
    : QDialog(parent), m_list(named(new QListWidget(this), "lstImportColours")),
      m_fromFirst(named(new QRadioButton(tr("From &mark 1"), this), "optFromFirstMark")),
      m_fromSelected(named(
          new QRadioButton(tr("From the &selected mark (mark %1)").arg(selectedMark + 1), this),
          "optFromSelectedMark")),
      m_hint(named(new QLabel(this), "lblImportHint")),
      m_buttons(named(new QDialogButtonBox(this), "buttons")),
      m_import(m_buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole)),
      m_selectedMark(selectedMark) {
    setObjectName(QStringLiteral("frmImportColours"));
    setWindowTitle(tr("Import Colours"));
    auto* intro = named(
        new QLabel(tr("Check the colours to import: they go into the marks in this order."), this),
        "lblImportIntro");
    intro->setWordWrap(true);
    auto* listLabel = named(new QLabel(tr("&Colours in the file (%1):").arg(colours.size()), this),
                            "lblImportColours");
    listLabel->setBuddy(m_list);
    m_list->setAccessibleName(listLabel->text().remove(QLatin1Char('&')));
    buildList(colours);
    m_fromFirst->setChecked(true);
    m_hint->setWordWrap(true);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    m_import->setDefault(true);
    m_buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(listLabel);
    layout->addWidget(m_list);
    auto* marks = named(new QGroupBox(tr("Into the marks"), this), "fraImportMarks");
    auto* marksLayout = new QVBoxLayout(marks);
    marksLayout->addWidget(m_fromFirst);
    marksLayout->addWidget(m_fromSelected);
    layout->addWidget(marks);
    layout->addWidget(m_hint);
    layout->addWidget(m_buttons);

    connect(m_list, &QListWidget::itemChanged, this, guarded([this] { showWhetherItFits(); }));
    connect(m_fromSelected, &QRadioButton::toggled, this, guarded([this] { showWhetherItFits(); }));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showWhetherItFits();
    m_list->setFocus();
}

void ImportColoursDialog::buildList(const QList<PaletteMark>& colours) {
    // Rows of one height are laid out without measuring each: a file may hold 60,000 colours.
    m_list->setUniformItemSizes(true);
    for (qsizetype i = 0; i < colours.size(); ++i) {
        auto* item = new QListWidgetItem(itemText(colours[i]), m_list);
        item->setData(Qt::DecorationRole, qColour(colours[i].colour));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(i < paletteMarkCount ? Qt::Checked : Qt::Unchecked);
    }
    m_list->setCurrentRow(0);
}

ImportChoice ImportColoursDialog::choice() const {
    ImportChoice chosen;
    chosen.firstMark = m_fromSelected->isChecked() ? m_selectedMark : 0;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            chosen.colours.append(row);
    }
    return chosen;
}

void ImportColoursDialog::showWhetherItFits() {
    const ImportChoice chosen = choice();
    const int room = importRoom(chosen.firstMark);
    QString hint;
    if (chosen.colours.isEmpty())
        hint = tr("Check a colour to import.");
    else if (chosen.colours.size() > room)
        hint = tr("Check at most %1 colours: marks %2 to 6 take them.")
                   .arg(room)
                   .arg(chosen.firstMark + 1);
    m_hint->setText(hint);
    m_hint->setAccessibleName(hint);
    m_hint->setVisible(!hint.isEmpty());
    m_import->setEnabled(hint.isEmpty());
}

std::optional<ImportChoice> QtImportChooser::chooseColours(QWidget* parent,
                                                           const QList<PaletteMark>& colours,
                                                           int selectedMark) {
    ImportColoursDialog dialog(colours, selectedMark, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace tincta

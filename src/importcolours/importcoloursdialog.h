#pragma once

#include "gui/platform/services.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tincta {

// "Import Colours": the colours of a file as a checklist ("#RRGGBB, name" beside a swatch), the
// first six checked, and whether they go into the marks from mark 1 or from the selected mark.
// Import stays disabled, with a hint saying why, while no colour or more than the marks can take
// are checked.
class ImportColoursDialog : public QDialog {
    Q_OBJECT

public:
    ImportColoursDialog(const QList<PaletteMark>& colours, int selectedMark,
                        QWidget* parent = nullptr);

    // What the checks and the choice of marks say now.
    ImportChoice choice() const;

private:
    void buildList(const QList<PaletteMark>& colours);
    void showWhetherItFits();

    QListWidget* m_list;
    QRadioButton* m_fromFirst;
    QRadioButton* m_fromSelected;
    QLabel* m_hint;
    QDialogButtonBox* m_buttons;
    QPushButton* m_import;
    int m_selectedMark;
};

// The real dialog, modal to the window that asks.
class QtImportChooser final : public ImportChooser {
public:
    std::optional<ImportChoice> chooseColours(QWidget* parent, const QList<PaletteMark>& colours,
                                              int selectedMark) override;
};

} // namespace tincta

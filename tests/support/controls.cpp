#include "controls.h"

#include <QTest>

namespace tincta::test {

namespace {

template <typename T> T* found(const QObject* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (control == nullptr)
        qFatal("no control named %s", qPrintable(name));
    return control;
}

template <typename T> std::array<T*, marks> foundRow(const QObject* window, const char* name) {
    std::array<T*, marks> row{};
    for (int i = 0; i < marks; ++i)
        row[static_cast<std::size_t>(i)] =
            found<T>(window, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
    return row;
}

std::array<QAction*, commandCount> foundCommands(const QObject* window) {
    std::array<QAction*, commandCount> commands{};
    for (std::size_t i = 0; i < commandCount; ++i)
        commands[i] = found<QAction>(window, QLatin1String(commandName(static_cast<Command>(i))));
    return commands;
}

} // namespace

#define TINCTA_FIND(name)                                                                          \
    name(found<std::remove_pointer_t<decltype(name)>>(window, QStringLiteral(#name)))

Controls::Controls(const QMainWindow* window)
    : TINCTA_FIND(hsbRed), TINCTA_FIND(hsbGreen), TINCTA_FIND(hsbBlue), TINCTA_FIND(txtRedTag),
      TINCTA_FIND(txtGreenTag), TINCTA_FIND(txtBlueTag), TINCTA_FIND(picPick), TINCTA_FIND(frmSet),
      TINCTA_FIND(txtHTMLHex), TINCTA_FIND(txtSetRed), TINCTA_FIND(txtSetGreen),
      TINCTA_FIND(txtSetBlue), TINCTA_FIND(optSetDec), TINCTA_FIND(optSetHex),
      TINCTA_FIND(cmdSetColor), TINCTA_FIND(lstAutocopy), TINCTA_FIND(cmdFailsafe),
      TINCTA_FIND(cmdWebsafe), TINCTA_FIND(cmdJavaScript), TINCTA_FIND(tmrClip),
      optColor(foundRow<QRadioButton>(window, "optColor")),
      txtName(foundRow<TrackedLineEdit>(window, "txtName")), TINCTA_FIND(picSampleContainer),
      picSample(foundRow<ColourBox>(window, "picSample")),
      lblColorProp(foundRow<QLabel>(window, "lblColorProp")), TINCTA_FIND(lblClipboard),
      TINCTA_FIND(lblClipboardLabel), TINCTA_FIND(lblColorBar), TINCTA_FIND(mnuFile),
      TINCTA_FIND(mnuFileNew), TINCTA_FIND(mnuFileOpen), TINCTA_FIND(mnuFileOpenInNotepad),
      TINCTA_FIND(mnuFileSave), TINCTA_FIND(mnuFileSaveAs), TINCTA_FIND(mnuFileExit),
      TINCTA_FIND(mnuEdit), TINCTA_FIND(mnuEditCopyColor), TINCTA_FIND(mnuEditPasteColor),
      TINCTA_FIND(mnuEditColorProperties), TINCTA_FIND(mnuEditFind),
      TINCTA_FIND(mnuEditCopyJavaScriptNames), TINCTA_FIND(mnuEditPasteHTMLHex),
      TINCTA_FIND(mnuTools), TINCTA_FIND(mnuToolsColourPickMode), TINCTA_FIND(mnuToolsCustomFormat),
      TINCTA_FIND(mnuToolsOptions), TINCTA_FIND(mnuHelp), TINCTA_FIND(mnuHelpHelp),
      TINCTA_FIND(mnuHomePage), TINCTA_FIND(mnuHelpAboutTincta), commands(foundCommands(window)),
      TINCTA_FIND(tbrTools) {}

#undef TINCTA_FIND

QAction* Controls::toolbarButton(int position) const {
    const QList<QAction*> actions = tbrTools->actions();
    if (position < 1 || position > actions.size())
        return nullptr;
    return actions[position - 1];
}

void Controls::selectMark(int mark) const {
    optColor[static_cast<std::size_t>(mark)]->click();
}

void Controls::setSliders(const Colour& colour) const {
    hsbRed->setValue(colour.red);
    hsbGreen->setValue(colour.green);
    hsbBlue->setValue(colour.blue);
}

} // namespace tincta::test

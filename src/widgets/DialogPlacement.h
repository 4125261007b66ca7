#pragma once
// Placement of the program's windows: the main window is centred on the
// screen; every other dialog is centred over the main window (halves cut
// toward zero), or on the screen when the main window is maximised.

class QWidget;

namespace cw::ui {

void placeDialog(QWidget *dialog, const QWidget *mainWindow);

} // namespace cw::ui

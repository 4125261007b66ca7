#pragma once
// Pieces the text objects' dialogs share: the button panel along the bottom
// (Ok, Cancel, Help, and the "What's this?" mode button) and the "What's
// this?" context menu of a control.

#include <QString>

class QBoxLayout;
class QDialog;
class QWidget;

namespace cw::ui {

// Adds the 49-pixel button panel to `layout`: "Ok" (OKButton, default),
// "Cancel" (Cancelbutton, Esc), "Help" (Helpbutton, opens `helpContext`) and
// the picture-only MouseHelpButton that starts "What's this?" mode.
void AddTextDialogButtons(QDialog &dialog, QBoxLayout &layout, int helpContext);
// Gives `control` the context menu with the single entry "What's this?",
// which shows `text` in the control's help popup.
void AddWhatsThisMenu(QWidget &control, const QString &text);

} // namespace cw::ui

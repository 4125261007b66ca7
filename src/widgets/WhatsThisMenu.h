#pragma once
// The "What's this?" fallback the program's own dialogs share: a right-click
// menu with one entry, showing the help text of the control under the mouse
// or of its nearest parent that has one.

class QContextMenuEvent;
class QWidget;

namespace cw::ui {

// Shows the what's-this text of `control` or of its nearest parent up to and
// including `dialog`; nothing when none of them has one.
void ShowWhatsThisFor(QWidget *control, QWidget *dialog);
// Opens the one-entry menu for the control under the event's position.
void ExecWhatsThisMenu(QWidget *dialog, QContextMenuEvent *event);

} // namespace cw::ui

#pragma once
// Opens the program's help book at a help context number (each window's
// Help button has its own) or at its contents page.

namespace cw::ui {

// Shows the help page for `context`.
void showHelpContext(int context);
// Shows the contents page of the help book.
void showHelpContents();

} // namespace cw::ui

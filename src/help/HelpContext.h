#pragma once
// Opens the program's help book in the help window at a help context number
// (each window's Help button has its own) or at its contents page.  When the
// book is not installed the user is told so.

namespace cw::ui {

// Shows the help page for `context`; an unknown number shows the contents.
void showHelpContext(int context);
// Shows the contents page of the help book.
void showHelpContents();

} // namespace cw::ui

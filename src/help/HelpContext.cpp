#include "help/HelpContext.h"

#include "help/THelpWindow.h"
#include "help/model/THelpBook.h"
#include "widgets/Interaction.h"

namespace cw::ui {

namespace {
bool bookInstalled()
{
    if (model::THelpBook(model::THelpBook::DefaultFolder()).IsInstalled())
        return true;
    Interaction::current().information(
        QCoreApplication::translate("HelpContext", "The help book is not installed."));
    return false;
}
} // namespace

void showHelpContext(int context)
{
    if (bookInstalled())
        THelpWindow::instance()->ShowContext(context);
}

void showHelpContents()
{
    if (bookInstalled())
        THelpWindow::instance()->ShowContents();
}

} // namespace cw::ui

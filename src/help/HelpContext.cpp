#include "help/HelpContext.h"

#include "app/model/ProgramFolder.h"
#include "widgets/Interaction.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace cw::ui {

namespace {

// The help book is HTML shipped with the program: help/index.html, with one
// anchor per help context number.
void openHelpAt(const QString &fragment)
{
    const QString index = model::ProgramFolder::shippedContent() + QStringLiteral("help/index.html");
    if (!QFileInfo::exists(index)) {
        Interaction::current().information(QStringLiteral("The help book is not installed."));
        return;
    }
    QUrl url = QUrl::fromLocalFile(index);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    QDesktopServices::openUrl(url);
}

} // namespace

void showHelpContext(int context) { openHelpAt(QString::number(context)); }

void showHelpContents() { openHelpAt(QString()); }

} // namespace cw::ui

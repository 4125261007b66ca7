#include "widgets/WhatsThisMenu.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWhatsThis>
#include <QWidget>

namespace cw::ui {

void ShowWhatsThisFor(QWidget *control, QWidget *dialog)
{
    for (QWidget *w = control; w; w = w->parentWidget()) {
        if (!w->whatsThis().isEmpty()) {
            QWhatsThis::showText(w->mapToGlobal(QPoint(w->width() / 2, w->height() / 2)), w->whatsThis(), w);
            return;
        }
        if (w == dialog)
            return;
    }
}

void ExecWhatsThisMenu(QWidget *dialog, QContextMenuEvent *event)
{
    // Edits keep their own clipboard menu; every other control offers help.
    QWidget *control = dialog->childAt(event->pos());
    QMenu menu(dialog);
    menu.addAction(QCoreApplication::translate("WhatsThisMenu", "What's this?"), dialog,
                   [dialog, control] { ShowWhatsThisFor(control ? control : dialog, dialog); });
    menu.exec(event->globalPos());
}

} // namespace cw::ui

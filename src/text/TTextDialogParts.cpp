#include "text/TTextDialogParts.h"

#include "help/HelpContext.h"

#include <QAction>
#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

namespace cw::ui {

void AddTextDialogButtons(QDialog &dialog, QBoxLayout &layout, int helpContext)
{
    auto *panel = new QWidget(&dialog);
    panel->setObjectName(QStringLiteral("BottomPanel"));
    panel->setFixedHeight(49);
    auto *row = new QHBoxLayout(panel);
    row->addStretch();

    auto *ok = new QPushButton(QCoreApplication::translate("TTextDialogParts", "Ok"), panel);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QCoreApplication::translate("TTextDialogParts", "Cancel"), panel);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    cancel->setAutoDefault(false);
    auto *help = new QPushButton(QCoreApplication::translate("TTextDialogParts", "Help"), panel);
    help->setObjectName(QStringLiteral("Helpbutton"));
    help->setAutoDefault(false);
    auto *whatsThis = new QToolButton(panel);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(QCoreApplication::translate("TTextDialogParts", "What's this?"));
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(help);
    row->addWidget(whatsThis);
    layout.addWidget(panel);

    AddWhatsThisMenu(
        *ok, QCoreApplication::translate("TTextDialogParts", "Closes the window and keeps your changes."));
    AddWhatsThisMenu(*cancel, QCoreApplication::translate("TTextDialogParts",
                                                          "Closes the window without changing anything."));
    AddWhatsThisMenu(*help,
                     QCoreApplication::translate("TTextDialogParts", "Opens the help page of this window."));

    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, &dialog, [helpContext] { showHelpContext(helpContext); });
    QObject::connect(whatsThis, &QToolButton::clicked, &dialog, [] { QWhatsThis::enterWhatsThisMode(); });
}

void AddWhatsThisMenu(QWidget &control, const QString &text)
{
    control.setWhatsThis(text);
    control.setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *action = new QAction(QCoreApplication::translate("TTextDialogParts", "What's this?"), &control);
    QObject::connect(action, &QAction::triggered, &control, [&control, text] {
        QWhatsThis::showText(control.mapToGlobal(QPoint(control.width() / 2, control.height())), text,
                             &control);
    });
    control.addAction(action);
}

} // namespace cw::ui

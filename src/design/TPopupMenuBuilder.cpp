#include "design/TPopupMenuBuilder.h"

#include <QCoreApplication>

namespace cw::ui {

namespace {

// The entry's caption in the user's language.  Design objects name their
// entries in English (marked for translation in the context "TGMenuItem");
// the entry keeps its English caption, by which the program finds it.
QString Caption(const model::TGMenuItem &item)
{
    const QByteArray english = item.Caption.toUtf8();
    return QCoreApplication::translate("TGMenuItem", english.constData());
}

} // namespace

void TPopupMenuBuilder::Fill(QMenu &menu, const std::vector<model::TGMenuItem> &items)
{
    for (const model::TGMenuItem &item : items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
        } else if (!item.Items.empty()) {
            QMenu *sub = menu.addMenu(Caption(item));
            sub->setEnabled(item.Enabled);
            Fill(*sub, item.Items);
        } else {
            QAction *action = menu.addAction(Caption(item));
            action->setEnabled(item.Enabled);
            action->setCheckable(item.Checkable);
            action->setChecked(item.Checked);
            // The entry's action is stored on the QAction so Popup can run it
            // once the menu has closed.
            action->setData(QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
        }
    }
}

std::unique_ptr<QMenu> TPopupMenuBuilder::Build(const std::vector<model::TGMenuItem> &items, QWidget *parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    Fill(*menu, items);
    return menu;
}

void TPopupMenuBuilder::Popup(const std::vector<model::TGMenuItem> &items, const QPoint &globalPos,
                              QWidget *parent)
{
    std::function<void()> chosen;
    {
        auto menu = Build(items, parent);
        if (QAction *action = menu->exec(globalPos)) {
            const auto *item = reinterpret_cast<const model::TGMenuItem *>(action->data().value<quintptr>());
            if (item)
                chosen = item->Action; // copied: the action may rebuild the menu it came from
        }
    }
    if (chosen)
        chosen();
}

} // namespace cw::ui

#pragma once
// Turns a menu described as data (design objects' popup menus, the surface
// menu) into a QMenu whose actions run the entries' actions.

#include "design/model/TGMenuItem.h"

#include <QMenu>
#include <memory>

namespace cw::ui {

class TPopupMenuBuilder
{
public:
    // Fills `menu` with the entries (submenus become child menus).  The
    // entries must outlive the menu: actions call them by reference.
    static void Fill(QMenu &menu, const std::vector<model::TGMenuItem> &items);
    static std::unique_ptr<QMenu> Build(const std::vector<model::TGMenuItem> &items,
                                        QWidget *parent = nullptr);
    // Shows the menu at a screen point and runs the chosen entry's action
    // after the menu has closed.
    static void Popup(const std::vector<model::TGMenuItem> &items, const QPoint &globalPos, QWidget *parent);
};

} // namespace cw::ui

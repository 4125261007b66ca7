// Commands of the surface: its popup menu, alignment, locking, selection,
// font, z-order, clone, the clipboard and the keys.
#include "design/TGBasePanel.h"

#include "app/model/Exception.h"
#include "design/TGHandle.h"
#include "design/model/TGLabelObjectFiler.h"
#include "widgets/Interaction.h"

#include <QFile>
#include <algorithm>

namespace cw::ui {

using model::TGMenuItem;

std::vector<TGBasePanel::Object *> TGBasePanel::selectionCopy() const
{
    return m_frame->Selection();
}

std::vector<TGMenuItem> TGBasePanel::SurfaceMenu()
{
    const bool selected = m_frame->Count() > 0;
    const bool anyObject = !m_objects.empty();
    auto item = [this](const QString &caption, bool enabled, std::function<void()> action) {
        TGMenuItem i = TGMenuItem::Command(caption, [this, action] {
            action();
            update();
        });
        i.Enabled = enabled;
        return i;
    };
    auto clip = [this](TClipboardCommand c) { return [this, c] { ClipboardCommand(nullptr, c); }; };
    std::vector<TGMenuItem> menu;
    menu.push_back(item(tr("Bring To Front"), selected, [this] { BringSelectionToFront(); }));
    menu.push_back(item(tr("Send To Back"), selected, [this] { SendSelectionToBack(); }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(item(tr("Cut"), selected, clip(TClipboardCommand::Cut)));
    menu.push_back(item(tr("Copy"), selected, clip(TClipboardCommand::Copy)));
    menu.push_back(item(tr("Paste"), QFile::exists(m_clipboardPath), clip(TClipboardCommand::Paste)));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(item(tr("Delete"), selected, clip(TClipboardCommand::Delete)));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(item(tr("Align Left"), selected, [this] { AlignLefts(); }));
    menu.push_back(item(tr("Align Right"), selected, [this] { AlignRights(); }));
    menu.push_back(item(tr("Align Tops"), selected, [this] { AlignTops(); }));
    menu.push_back(item(tr("Align Bottoms"), selected, [this] { AlignBottoms(); }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(item(tr("Center Vertically"), selected, [this] { CenterSelectionVertically(); }));
    menu.push_back(item(tr("Center Horizontally"), selected, [this] { CenterSelectionHorizontally(); }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(item(tr("Lock All"), anyObject, [this] { LockAll(true); }));
    menu.push_back(item(tr("Unlock All"), anyObject, [this] { LockAll(false); }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(item(tr("Mark All Selectable"), true, [this] { MarkAllSelectable(true); }));
    menu.push_back(item(tr("Mark All Unselectable"), true, [this] { MarkAllSelectable(false); }));
    menu.push_back(item(tr("Select All"), true, [this] { SelectAll(); }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(item(tr("Font"), selected, [this] { ChooseSelectionFont(); }));
    return menu;
}

void TGBasePanel::BringSelectionToFront()
{
    if (m_frame->Count() == 0)
        return;
    // In selection order: the last selected ends on top.
    for (Object *o : selectionCopy())
        BringToFront(o);
    m_frame->raise();
    m_frame->setFocus();
    Changed();
}

void TGBasePanel::SendSelectionToBack()
{
    if (m_frame->Count() == 0)
        return;
    // In selection order: the last selected ends at the bottom.
    for (Object *o : selectionCopy())
        SendToBack(o);
    m_frame->Clear();
    Changed();
}

void TGBasePanel::AlignLefts()
{
    Changed();
    int left = width();
    for (Object *o : selectionCopy())
        left = std::min(left, o->Left());
    for (Object *o : selectionCopy())
        o->SetLeft(left);
}

void TGBasePanel::AlignRights()
{
    Changed();
    int right = 0;
    for (Object *o : selectionCopy())
        right = std::max(right, o->Left() + o->Width());
    for (Object *o : selectionCopy())
        o->SetLeft(right - o->Width());
}

void TGBasePanel::AlignTops()
{
    Changed();
    int top = height();
    for (Object *o : selectionCopy())
        top = std::min(top, o->Top());
    for (Object *o : selectionCopy())
        o->SetTop(top);
}

void TGBasePanel::AlignBottoms()
{
    Changed();
    int bottom = 0;
    for (Object *o : selectionCopy())
        bottom = std::max(bottom, o->Top() + o->Height());
    for (Object *o : selectionCopy())
        o->SetTop(bottom - o->Height());
}

void TGBasePanel::CenterSelectionVertically()
{
    for (Object *o : selectionCopy())
        o->CenterVertically();
}

void TGBasePanel::CenterSelectionHorizontally()
{
    for (Object *o : selectionCopy())
        o->CenterHorizontally();
}

void TGBasePanel::LockAll(bool locked)
{
    for (const auto &o : m_objects)
        if (o->Locked() != locked)
            o->SetLocked(locked);
}

void TGBasePanel::MarkAllSelectable(bool selectable)
{
    for (const auto &o : m_objects)
        o->SetUnselectable(!selectable); // unselectable ones leave the selection
    update();
}

void TGBasePanel::SelectAll()
{
    m_frame->Clear();
    for (const auto &o : m_objects)
        m_frame->Add(o.get()); // unselectable objects are refused
    update();
}

void TGBasePanel::SelectObjects(const std::vector<Object *> &objects)
{
    m_frame->Clear();
    for (Object *o : objects)
        if (IndexOfObject(o) >= 0)
            m_frame->Add(o); // unselectable objects are refused
    m_frame->ReleaseCapture();
    update();
}

bool TGBasePanel::stacksOnCard(const Object &candidate) const
{
    return std::any_of(m_objects.begin(), m_objects.end(), [&](const auto &o) {
        return o.get() != &candidate && o->StoredBounds() == candidate.StoredBounds() &&
               o->ClassName() == candidate.ClassName();
    });
}

void TGBasePanel::ChooseSelectionFont()
{
    if (m_frame->Count() == 0)
        return;
    // The dialog's colour starts at the text colour of the first selected
    // object that has one; a colour changed there colours every selected
    // text, an unchanged one leaves each its own.
    const std::vector<Object *> selection = selectionCopy();
    QColor initialColor = Qt::black;
    for (const Object *o : selection)
        if (o->HasFontColor()) {
            initialColor = model::TGColor::ToQColor(o->Font().Color);
            break;
        }
    const std::optional<Interaction::FontChoice> chosen =
        Interaction::current().chooseFontAndColor({m_font, initialColor}, tr("Font"));
    if (!chosen)
        return;
    const bool recolor = chosen->color.isValid() && chosen->color.rgb() != initialColor.rgb();
    for (Object *o : selection) {
        o->ApplyFont(chosen->font);
        if (recolor && o->HasFontColor())
            o->ApplyFontColor(model::TGColor::FromQColor(chosen->color));
    }
    update();
}

void TGBasePanel::CloneObject(Object *source)
{
    if (IndexOfObject(source) < 0)
        return;
    std::unique_ptr<Object> copy;
    try {
        model::TGLabelObjectFiler filer = newFiler();
        copy = filer.CloneObject(*source);
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
        return;
    }
    // 25 pixels below the original at 100 %, whatever the zoom, so a clone
    // made at any zoom is the same.
    // A clone of a clone's original goes on down, so clones never stack.
    copy->SetStoredBounds(source->StoredBounds().translated(0, 25));
    for (int i = 0; i < 100 && stacksOnCard(*copy); ++i)
        copy->SetStoredBounds(copy->StoredBounds().translated(0, 25));
    Object *c = AddObject(std::move(copy)); // on top of the z-order
    SelectObjects({c});
    source->NotifyChanged();
    update();
}

void TGBasePanel::ObjectCommand(Object &object, model::TObjectCommand command)
{
    switch (command) {
    case model::TObjectCommand::BringToFront:
        BringToFront(&object);
        break;
    case model::TObjectCommand::SendToBack:
        SendToBack(&object);
        m_frame->Clear();
        break;
    case model::TObjectCommand::Cut:
        ClipboardCommand(&object, TClipboardCommand::Cut);
        break;
    case model::TObjectCommand::Copy:
        ClipboardCommand(&object, TClipboardCommand::Copy);
        break;
    case model::TObjectCommand::Delete:
        ClipboardCommand(&object, TClipboardCommand::Delete);
        break;
    case model::TObjectCommand::Clone:
        CloneObject(&object);
        break;
    }
    update();
}

// ---- clipboard

bool TGBasePanel::writeClipboard(const std::vector<const Object *> &objects)
{
    if (objects.empty())
        return false;
    // Like a card file, the clipboard holds the objects' 100 % geometry, so a
    // paste at any zoom gives the objects their size.
    bool written = true;
    try {
        model::TGLabelObjectFiler::WriteSelection(objects, m_clipboardPath);
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
        written = false;
    }
    return written;
}

void TGBasePanel::deleteSelection()
{
    const std::vector<Object *> selection = selectionCopy();
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        DeleteObject(*it);
        Changed();
    }
}

void TGBasePanel::paste()
{
    // A key press can reach the surface twice: a second paste within one
    // second of the last is ignored.
    const qint64 now = Clock();
    if (m_lastPasteTick == 0)
        m_lastPasteTick = now;
    else if (now - m_lastPasteTick < 1000)
        return;
    std::vector<std::unique_ptr<Object>> objects;
    model::TGLabelObjectFiler filer = newFiler();
    try {
        // Read at 100 %, each moved 15 stored pixels from where it was copied.
        filer.PasteObjects(m_clipboardPath, objects);
    } catch (const Exception &e) {
        addReadObjects(objects);
        Changed();
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
        return;
    }
    // Pasting the same objects again moves them on by the paste offset each
    // time, so pastes never lie exactly on top of each other.
    const auto stacks = [&] {
        return std::any_of(objects.begin(), objects.end(),
                           [this](const auto &o) { return stacksOnCard(*o); });
    };
    for (int i = 0; i < 100 && stacks(); ++i)
        for (const auto &o : objects)
            o->SetStoredBounds(o->StoredBounds().translated(15, 15));
    std::vector<Object *> pasted;
    for (const auto &o : objects)
        pasted.push_back(o.get());
    addReadObjects(objects);
    Changed();
    m_lastPasteTick = now;
    SelectObjects(pasted);
}

void TGBasePanel::ClipboardCommand(Object *object, TClipboardCommand command)
{
    if (command == TClipboardCommand::Paste) {
        paste();
        return;
    }
    // From the surface, or from a selected object's menu: the whole selection.
    if (!object || IsSelected(*object)) {
        const std::vector<Object *> selection = selectionCopy();
        const std::vector<const Object *> objects(selection.begin(), selection.end());
        switch (command) {
        case TClipboardCommand::Copy:
            writeClipboard(objects);
            break;
        case TClipboardCommand::Cut:
            // Nothing is removed unless it reached the clipboard file.
            if (writeClipboard(objects))
                deleteSelection();
            break;
        case TClipboardCommand::Delete:
            deleteSelection();
            break;
        case TClipboardCommand::Paste:
            break;
        }
    } else {
        switch (command) {
        case TClipboardCommand::Copy:
            writeClipboard({object});
            break;
        case TClipboardCommand::Cut:
            if (writeClipboard({object})) {
                DeleteObject(object);
                Changed();
            }
            break;
        case TClipboardCommand::Delete:
            DeleteObject(object);
            Changed();
            break;
        case TClipboardCommand::Paste:
            break;
        }
    }
    update();
}

// ---- keys and band selection

void TGBasePanel::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (ctrl && key == Qt::Key_C)
        ClipboardCommand(nullptr, TClipboardCommand::Copy);
    else if (ctrl && key == Qt::Key_V)
        ClipboardCommand(nullptr, TClipboardCommand::Paste);
    else if (ctrl && key == Qt::Key_X)
        ClipboardCommand(nullptr, TClipboardCommand::Cut);
    else if (!ctrl && key == Qt::Key_Delete)
        ClipboardCommand(nullptr, TClipboardCommand::Delete);
}

void TGBasePanel::SelectObjectsInBand(const QRect &band, Qt::KeyboardModifiers modifiers)
{
    const bool shift = modifiers & Qt::ShiftModifier;
    std::vector<Object *> list = shift ? selectionCopy() : std::vector<Object *>{};
    m_frame->Clear();
    // The band's right and bottom are the release point and lie outside it,
    // so a click without dragging meets no object.
    const QRect area(band.topLeft(), QSize(band.right() - band.left(), band.bottom() - band.top()));
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        Object *o = it->get();
        if (!o->Visible || !o->BoundsRect().intersects(area))
            continue;
        const auto found = std::find(list.begin(), list.end(), o);
        if (shift && found != list.end())
            list.erase(found);
        else if (found == list.end())
            list.push_back(o);
    }
    for (Object *o : list)
        m_frame->Add(o);
    update();
}

} // namespace cw::ui

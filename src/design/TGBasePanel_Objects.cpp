// The design objects on the surface: the z-ordered list, hit-testing and
// mouse routing, painting, zoom, rendering, printing and card files.
#include "design/TGBasePanel.h"

#include "app/model/Exception.h"
#include "design/TGHandle.h"
#include "design/model/TGLabelObjectFiler.h"
#include "widgets/Interaction.h"

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace cw::ui {

using model::TGGraphicControl;

TGBasePanel::Object *TGBasePanel::ObjectAt(int index) const
{
    return index >= 0 && index < ObjectCount() ? m_objects[std::size_t(index)].get() : nullptr;
}

int TGBasePanel::IndexOfObject(const Object *object) const
{
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        if (m_objects[i].get() == object)
            return int(i);
    return -1;
}

TGBasePanel::Object *TGBasePanel::ObjectAtPoint(const QPoint &pos) const
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it)
        if ((*it)->Visible && (*it)->BoundsRect().contains(pos))
            return it->get();
    return nullptr;
}

QString TGBasePanel::FreeName(const QString &prefix, int first) const
{
    for (int n = first; n <= 1000; ++n) {
        const QString name = prefix + QString::number(n);
        const bool used = std::any_of(m_objects.begin(), m_objects.end(), [&](const auto &o) {
            return o->Name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!used)
            return name;
    }
    return prefix + QString::number(first);
}

TGBasePanel::Object *TGBasePanel::AddObject(std::unique_ptr<Object> object)
{
    Object *o = object.get();
    if (o->Name.isEmpty())
        o->Name = FreeName(QStringLiteral("Component"), 0);
    o->SetHost(this);
    o->SetZoom(m_zoom);
    m_objects.push_back(std::move(object));
    update();
    return o;
}

TGBasePanel::Object *TGBasePanel::PlaceNewObject(std::unique_ptr<Object> object, const QRect &bounds)
{
    Object *o = object.get();
    o->Name = FreeName(QStringLiteral("Special"), 1);
    o->SetHost(this);
    // The zoom is taken before the bounds: the band is already in pixels at
    // the current zoom and must not be scaled a second time.
    o->SetZoom(m_zoom);
    o->SetBounds(bounds.left(), bounds.top(), std::max(bounds.width(), 10), std::max(bounds.height(), 15));
    m_objects.push_back(std::move(object));
    Changed();
    update();
    return o;
}

void TGBasePanel::DeleteObject(Object *object)
{
    const int i = IndexOfObject(object);
    if (i < 0)
        return;
    m_frame->Remove(object);
    const QRect area = object->BoundsRect().adjusted(-3, -3, 3, 3);
    m_objects.erase(m_objects.begin() + i);
    update(area);
}

void TGBasePanel::BringToFront(Object *object)
{
    const int i = IndexOfObject(object);
    if (i < 0)
        return;
    std::rotate(m_objects.begin() + i, m_objects.begin() + i + 1, m_objects.end());
    m_frame->raise();
    update();
}

void TGBasePanel::SendToBack(Object *object)
{
    const int i = IndexOfObject(object);
    if (i < 0)
        return;
    std::rotate(m_objects.begin(), m_objects.begin() + i, m_objects.begin() + i + 1);
    update();
}

void TGBasePanel::ClearSelection()
{
    m_frame->Clear();
    update();
}

void TGBasePanel::ClearObjects()
{
    m_frame->Clear();
    while (!m_objects.empty())
        m_objects.pop_back(); // top-most first
    update();
}

void TGBasePanel::RemoveStrayObjects()
{
    m_frame->Clear();
    const int h = height(), w = width();
    const auto removed = std::erase_if(m_objects, [h, w](const auto &o) {
        return o->Top() > h - 10 || o->Left() > w - 10 || o->Width() < 1 || o->Height() < 1;
    });
    // Removing them changes the design like any delete: an undo step.
    if (removed > 0)
        Changed();
    update();
}

QImage TGBasePanel::RenderToBitmap() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!m_colorPicture.IsEmpty()) {
        // The background covers the whole picture (the export is rectangular);
        // a picture that fails to draw leaves the card white.
        painter.save();
        try {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            m_colorPicture.Draw(painter, QRectF(0, 0, width(), height()));
        } catch (...) {
        }
        painter.restore();
    }
    for (const auto &o : m_objects)
        if (o->Visible)
            o->PaintTo(painter, o->Left(), o->Top());
    return image;
}

void TGBasePanel::PrintObjects(engine::TBaseReport &report, double leftInches, double topInches)
{
    for (const auto &o : m_objects)
        o->PrintTo(report, leftInches, topInches);
}

bool TGBasePanel::HasSuperObjects() const
{
    return std::any_of(m_objects.begin(), m_objects.end(), [](const auto &o) {
        return o->ClassName() == QLatin1String("TSuperShape") ||
               o->ClassName() == QLatin1String("TGSuperText");
    });
}

model::TGLabelObjectFiler TGBasePanel::newFiler() const
{
    return model::TGLabelObjectFiler([this](const QString &name) {
        return std::any_of(m_objects.begin(), m_objects.end(),
                           [&](const auto &o) { return o->Name.compare(name, Qt::CaseInsensitive) == 0; });
    });
}

void TGBasePanel::addReadObjects(std::vector<std::unique_ptr<Object>> &objects)
{
    for (auto &o : objects)
        AddObject(std::move(o));
    objects.clear();
}

void TGBasePanel::SaveToFile(const QString &path)
{
    // Card files hold the 100 % geometry, which objects keep at any zoom: the
    // file is the same whatever the zoom on screen, and the screen stays as
    // it is.
    std::vector<const Object *> objects;
    for (const auto &o : m_objects) {
        o->BeforeSave();
        objects.push_back(o.get());
    }
    model::TGLabelObjectFiler::WriteObjects(objects, path);
}

void TGBasePanel::LoadFromFile(const QString &path)
{
    if (!QFile::exists(path))
        return;
    model::TGLabelObjectFiler filer = newFiler();
    std::vector<std::unique_ptr<Object>> objects;
    try {
        filer.ReadObjects(path, objects);
    } catch (...) {
        // Objects read before the damaged record stay; the caller clears the card.
        addReadObjects(objects);
        throw;
    }
    addReadObjects(objects);
    update();
}

void TGBasePanel::RescaleObjects(double ratio)
{
    Q_UNUSED(ratio); // each object rescales by its own zoom against the new one
    for (const auto &o : m_objects)
        o->SetZoom(m_zoom);
    FitUnseenObjects();
    m_frame->Refit();
}

void TGBasePanel::FitUnseenObjects()
{
    const QRect card(QPoint(), size());
    QImage scratch(1, 1, QImage::Format_RGB32);
    std::optional<QPainter> painter;
    for (const auto &o : m_objects)
        if (!o->BoundsRect().adjusted(-3, -3, 3, 3).intersects(card)) {
            if (!painter)
                painter.emplace(&scratch);
            o->PaintOnSurface(*painter);
        }
}

void TGBasePanel::PaintDesign(QPainter &painter, const QRect &dirty)
{
    for (const auto &o : m_objects)
        if (o->Visible && o->BoundsRect().adjusted(-3, -3, 3, 3).intersects(dirty))
            o->PaintOnSurface(painter);
    m_frame->PaintOutline(painter);
}

// ---- mouse routing

void TGBasePanel::hookFrame()
{
    TGHandle &f = *m_frame;
    f.IsPointing = [this] { return m_pointing; };
    f.ShowSurfacePopup = [this](const QPoint &global) { ShowPopupMenu(global); };
    f.ShowObjectPopup = [this](Object &o, const QPoint &global) { ShowObjectPopup(o, global); };
    f.PassToSurface = [this](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                             Qt::KeyboardModifiers mods,
                             const QPoint &pos) { passToSurface(type, button, buttons, mods, pos); };
    f.OnMouseDown = [this](Qt::KeyboardModifiers mods, const QPoint &pos) { frameMouseDown(mods, pos); };
    f.KeyToSurface = [this](int key, Qt::KeyboardModifiers mods) { KeyDown(key, mods); };
}

bool TGBasePanel::objectMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, const QPoint &pos,
                                  const QPoint &globalPos)
{
    Object *o = ObjectAtPoint(pos);
    // Tools draw over objects; clicks on unselectable objects start a band.
    if (!o || !m_pointing || o->Unselectable())
        return false;
    if (!(mods & Qt::ShiftModifier))
        m_frame->Clear();
    m_frame->Add(o);
    m_frame->NotePress(pos);
    update();
    if (m_frame->Count() == 1 && button == Qt::RightButton)
        ShowObjectPopup(*o, globalPos);
    return true;
}

void TGBasePanel::frameMouseDown(Qt::KeyboardModifiers mods, const QPoint &pos)
{
    // Shift+click on the frame takes the objects under the point out.
    if (!(mods & Qt::ShiftModifier) || !m_pointing)
        return;
    std::vector<Object *> keep;
    for (Object *o : m_frame->Selection())
        if (!o->BoundsRect().contains(pos))
            keep.push_back(o);
    if (keep.size() == m_frame->Selection().size())
        return;
    m_frame->Clear();
    for (Object *o : keep)
        m_frame->Add(o);
    update();
}

void TGBasePanel::passToSurface(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers mods, const QPoint &pos)
{
    QMouseEvent event(type, QPointF(pos), QPointF(mapToGlobal(pos)), button, buttons, mods);
    switch (type) {
    case QEvent::MouseButtonPress:
        mousePressEvent(&event);
        break;
    case QEvent::MouseMove:
        mouseMoveEvent(&event);
        break;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(&event);
        break;
    default:
        break;
    }
}

void TGBasePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    Object *o = ObjectAtPoint(p);
    if (o && m_pointing && !o->Unselectable())
        ShowObjectPopup(*o, event->globalPosition().toPoint());
    else
        mousePressEvent(event);
}

void TGBasePanel::ShowObjectPopup(Object &object, const QPoint &globalPos)
{
    if (RunPopup)
        RunPopup(object.PopupMenu(), globalPos);
    update();
}

void TGBasePanel::ShowPopupMenu(const QPoint &globalPos)
{
    std::vector<model::TGMenuItem> menu = SurfaceMenu();
    if (RunPopup)
        RunPopup(menu, globalPos);
    update();
}

// ---- TObjectHost

void TGBasePanel::ObjectMoved(Object &)
{
    // Refit once after a burst of moves, when control is back in the event loop.
    if (m_refitPending)
        return;
    m_refitPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refitPending = false;
            m_frame->Refit();
            update();
        },
        Qt::QueuedConnection);
}

void TGBasePanel::InvalidateRect(const QRect &rect)
{
    if (rect.isNull())
        update();
    else
        update(rect);
}

bool TGBasePanel::IsSelected(const Object &object) const
{
    return m_frame->IndexOf(&object) >= 0;
}

void TGBasePanel::RemoveFromSelection(Object &object)
{
    m_frame->Remove(&object);
    update();
}

std::optional<model::TColor> TGBasePanel::ChooseColor(model::TColor initial)
{
    const std::optional<QColor> c = Interaction::current().chooseColor(model::TGColor::ToQColor(initial));
    if (!c)
        return std::nullopt;
    return model::TGColor::FromQColor(*c);
}

void TGBasePanel::Repaint()
{
    update();
}

} // namespace cw::ui

// Snapshots of the design for the undo history.

#include "design/TGBasePanel.h"

#include "design/TGHandle.h"
#include "design/model/TGLabelObjectFiler.h"

namespace cw::ui {

QByteArray TGBasePanel::DesignSnapshot()
{
    model::TGLabelObjectFiler::ObjectRefs refs;
    std::vector<std::unique_ptr<Object>> copies;
    for (const auto &o : m_objects) {
        o->BeforeSave();
        if (m_zoom == 1.0f) {
            refs.push_back(o.get());
        } else {
            // A copy brought back to 100 % keeps the zoom on screen untouched.
            std::unique_ptr<Object> copy = o->CloneObject();
            copy->SetZoom(1.0f);
            refs.push_back(copy.get());
            copies.push_back(std::move(copy));
        }
    }
    return model::TGLabelObjectFiler::ObjectListBytes(refs);
}

void TGBasePanel::RestoreDesign(const QByteArray &objectList)
{
    ClearObjects();
    model::TGLabelObjectFiler filer = newFiler();
    std::vector<std::unique_ptr<Object>> objects;
    try {
        filer.ReadObjectList(objectList, objects);
    } catch (...) {
        addReadObjects(objects);
        update();
        throw;
    }
    addReadObjects(objects);
    update();
}

} // namespace cw::ui

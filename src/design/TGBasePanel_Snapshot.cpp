// Snapshots of the design for the undo history.

#include "design/TGBasePanel.h"

#include "design/TGHandle.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TStreamReader.h"

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
    // Reading names objects afresh; a restored design keeps the names it had,
    // so undoing and redoing reproduce the design exactly.
    QStringList names;
    model::TStreamReader reader(objectList);
    reader.readListBegin();
    while (!reader.endOfList()) {
        names << reader.readRecordHeader().objectName;
        while (!reader.endOfList())
            reader.skipProperty();
        reader.readRecordEnd();
    }
    for (size_t i = 0; i < objects.size() && i < size_t(names.size()); ++i)
        objects[i]->Name = names[qsizetype(i)];
    addReadObjects(objects);
    update();
}

} // namespace cw::ui

// Snapshots of the design for the undo history.

#include "design/TGBasePanel.h"

#include "design/TGHandle.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TStreamReader.h"

namespace cw::ui {

QByteArray TGBasePanel::DesignSnapshot()
{
    // Objects publish their 100 % geometry at any zoom, so the snapshot is
    // the same as at 100 % and the zoom on screen is left alone.
    model::TGLabelObjectFiler::ObjectRefs refs;
    for (const auto &o : m_objects) {
        o->BeforeSave();
        refs.push_back(o.get());
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

#include "design/model/TGLabelObjectFiler.h"

#include "app/model/Exception.h"
#include "app/model/TAtomicFile.h"
#include "design/model/EFilerError.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TObjectRegistry.h"
#include "design/model/TStreamReader.h"
#include "design/model/TStreamWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cw::model {

TGLabelObjectFiler::TGLabelObjectFiler(NameInUse nameInUse, const TObjectRegistry *registry)
    : m_nameInUse(std::move(nameInUse)), m_registry(registry ? *registry : TObjectRegistry::Global())
{
}

// ---- writing

void TGLabelObjectFiler::WriteRecord(TStreamWriter &writer, const TGGraphicControl &object)
{
    // Entries are gathered first so that a value the format cannot hold
    // fails before any byte of the record is written.
    const std::vector<TFilerEntry> entries = StoredEntries(object);
    writer.writeRecordBegin(object.ClassName(), object.Name);
    for (const TFilerEntry &entry : entries) {
        writer.writePropertyName(entry.Name);
        entry.Value.writeTo(writer);
    }
    writer.writeRecordEnd();
}

QByteArray TGLabelObjectFiler::ObjectListBytes(const ObjectRefs &objects)
{
    TStreamWriter writer;
    writer.writeListBegin();
    for (const TGGraphicControl *object : objects)
        if (object)
            WriteRecord(writer, *object);
    writer.writeListEnd();
    return writer.takeData();
}

TGLabelObjectFiler::ObjectRefs TGLabelObjectFiler::Refs(const ObjectList &objects)
{
    ObjectRefs refs;
    refs.reserve(objects.size());
    for (const auto &object : objects)
        refs.push_back(object.get());
    return refs;
}

void TGLabelObjectFiler::WriteObjects(const ObjectRefs &objects, QIODevice &device)
{
    const QByteArray bytes = ObjectListBytes(objects);
    if (device.write(bytes) != bytes.size())
        throw cw::EInOutError(QStringLiteral("Stream write error"));
}

void TGLabelObjectFiler::writeFile(const QByteArray &bytes, const QString &path)
{
    WriteFileAtomically(path, bytes, [&path](TAtomicWriteStage stage, const QString &) {
        return stage == TAtomicWriteStage::Create
                   ? QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path))
                   : QStringLiteral("Stream write error");
    });
}

void TGLabelObjectFiler::WriteObjects(const ObjectRefs &objects, const QString &path)
{
    // The whole stream is made in memory before the file is touched.
    writeFile(ObjectListBytes(objects), path);
}

void TGLabelObjectFiler::WriteSelection(const ObjectRefs &selection, const QString &path)
{
    if (selection.empty())
        return;
    WriteObjects(selection, path);
}

void TGLabelObjectFiler::WriteOneObject(const TGGraphicControl &object, const QString &path)
{
    WriteObjects(ObjectRefs{&object}, path);
}

// ---- reading

QString TGLabelObjectFiler::ComponentName(const QString &storedName)
{
    // The names this filer gave out are taken, and the owner's names do not
    // change while it reads, so the smallest free number only grows: the
    // search goes on from the last number given.
    for (int n = m_nextNumber; n <= MaxComponentNumber; ++n) {
        const QString name = QStringLiteral("Component%1").arg(n);
        if (m_nameInUse && m_nameInUse(name))
            continue;
        m_nextNumber = n + 1;
        return name;
    }
    m_nextNumber = MaxComponentNumber + 1;
    return storedName;
}

std::unique_ptr<TGGraphicControl> TGLabelObjectFiler::readRecord(TStreamReader &reader, Offset offset,
                                                                 float zoom)
{
    const TStreamRecordHeader header = reader.readRecordHeader();
    std::unique_ptr<TGGraphicControl> object = m_registry.Create(header.className);
    if (!object)
        throw EClassNotFound(header.className);
    object->BeginLoading();
    object->Name = ComponentName(header.objectName);
    while (!reader.endOfList()) {
        const QString name = reader.readPropertyName();
        const TStreamValue value = TStreamValue::readFrom(reader);
        SetEntry(*object, name, value);
    }
    reader.readRecordEnd();
    if (offset == Offset::Paste)
        object->SetBounds(object->BoundsRect().translated(PasteOffset, PasteOffset));
    // Records hold the 100 % geometry at any zoom: a copy is shown at the
    // zoom of its original.
    if (zoom > 0.0f && zoom != object->Zoom())
        object->SetZoom(zoom);
    return object;
}

void TGLabelObjectFiler::readList(TStreamReader &reader, ObjectList &into, Offset offset, float zoom)
{
    const std::size_t first = into.size();
    // Objects completed before a failure are usable: they get Loaded() too.
    auto finish = [&] {
        for (std::size_t i = first; i < into.size(); ++i)
            if (into[i]->Loading())
                into[i]->Loaded();
    };
    try {
        reader.readListBegin();
        while (!reader.endOfList())
            into.push_back(readRecord(reader, offset, zoom));
        reader.readListEnd();
    } catch (const EFilerError &) {
        finish();
        throw;
    } catch (const cw::Exception &e) {
        // A setter refused a value (e.g. picture bytes that do not decode).
        finish();
        throw EReadError(e.message());
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TGLabelObjectFiler::ReadObjectList(const QByteArray &data, ObjectList &into)
{
    TStreamReader reader(data);
    readList(reader, into, Offset::None, 0.0f);
}

TGLabelObjectFiler::ObjectList TGLabelObjectFiler::ReadObjectList(const QByteArray &data)
{
    ObjectList objects;
    ReadObjectList(data, objects);
    return objects;
}

void TGLabelObjectFiler::readFile(const QString &path, ObjectList &into, Offset offset)
{
    if (!QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cw::EInOutError(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EReadError::streamRead();
    TStreamReader reader(data);
    readList(reader, into, offset, 0.0f);
}

void TGLabelObjectFiler::ReadObjects(const QString &path, ObjectList &into)
{
    readFile(path, into, Offset::None);
}

TGLabelObjectFiler::ObjectList TGLabelObjectFiler::ReadObjects(const QString &path)
{
    ObjectList objects;
    ReadObjects(path, objects);
    return objects;
}

void TGLabelObjectFiler::PasteObjects(const QString &path, ObjectList &into)
{
    readFile(path, into, Offset::Paste);
}

TGLabelObjectFiler::ObjectList TGLabelObjectFiler::PasteObjects(const QString &path)
{
    ObjectList objects;
    PasteObjects(path, objects);
    return objects;
}

std::unique_ptr<TGGraphicControl> TGLabelObjectFiler::CloneObject(const TGGraphicControl &object)
{
    TStreamReader reader(ObjectListBytes(ObjectRefs{&object}));
    ObjectList copies;
    readList(reader, copies, Offset::None, object.Zoom());
    if (copies.size() != 1)
        throw EReadError::invalidFormat();
    return std::move(copies.front());
}

} // namespace cw::model

#pragma once
// Maps design objects to the object list stream and back: the card file, the
// clipboard file and Clone all go through here.  A stream is TagList, one
// record per object in z-order (bottom first), TagNull; a record is "TPF0",
// the class name, the object name, the property entries the kind's table
// admits, and two TagNull bytes.
//
// The filer is short-lived: make one per operation.  It knows which names
// the caller already uses (a "name in use" test) so that every object it
// reads gets a fresh "Component" + N name.
//
// What a caller may rely on:
// - Writing walks each kind's property table, base first.  An entry is left
//   out when its stored rule says so, when it equals its declared default,
//   when a String, a binary value or a string list is empty, or a float is 0;
//   properties without a default are always written.  "Tag", "Cursor" and
//   "Hint" are never written (the program never sets them).
// - Files are written atomically: a failed write (the file cannot be
//   created, the disk is full) throws cw::EInOutError and leaves whatever
//   file was at the path untouched.
// - Reading sets properties in file order through the kind's setters while
//   the object is loading, then calls Loaded() on every object of the list.
//   Every failure is an EFilerError ("Invalid stream format", "Class X not
//   found", "Property does not exist", "Invalid property value", "Stream read
//   error"; an error raised by a property's setter, such as a picture that
//   does not decode, is passed on as an EReadError with its message).  The
//   out-parameter forms append each object as soon as its record is
//   complete, so after a failure the caller holds (and cleans up) the objects
//   read before the damaged record; the object whose record failed is freed.
// - A missing file is not an error: nothing is read.
// - Entries naming a handler method (OnClick = SomeHandler) are skipped: no
//   kind publishes handlers, and a handler that cannot be found stays empty.

#include "design/model/TStreamValue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

namespace cw::model {

class TGGraphicControl;
class TObjectRegistry;
class TStreamReader;
class TStreamWriter;
struct TPropertyInfo;

// One property entry of a record: the name as the file holds it ("Left",
// "Pen.Width", "Items.Strings", "Picture.Data") and its value.
struct TFilerEntry
{
    QString Name;
    TStreamValue Value;
};

class TGLabelObjectFiler
{
public:
    using NameInUse = std::function<bool(const QString &)>;
    using ObjectList = std::vector<std::unique_ptr<TGGraphicControl>>;
    using ObjectRefs = std::vector<const TGGraphicControl *>;

    // Objects read by PasteObjects land this many pixels right of and below
    // their stored position.
    static constexpr int PasteOffset = 15;
    // Read objects are named "Component" + N, N the smallest free of 0..1000.
    static constexpr int MaxComponentNumber = 1000;

    // `nameInUse` tells which names the owner already has (none when empty);
    // `registry` defaults to TObjectRegistry::Global().
    explicit TGLabelObjectFiler(NameInUse nameInUse = {}, const TObjectRegistry *registry = nullptr);

    // ---- writing (objects in the order given: z-order, bottom first)
    static QByteArray ObjectListBytes(const ObjectRefs &objects);
    static void WriteObjects(const ObjectRefs &objects, QIODevice &device);
    static void WriteObjects(const ObjectRefs &objects, const QString &path);
    // The selection in selection order; nothing at all (no file) when empty.
    static void WriteSelection(const ObjectRefs &selection, const QString &path);
    static void WriteOneObject(const TGGraphicControl &object, const QString &path);
    // One record into a stream being written.
    static void WriteRecord(TStreamWriter &writer, const TGGraphicControl &object);
    // The entries a record of this object holds, in file order.
    static std::vector<TFilerEntry> StoredEntries(const TGGraphicControl &object);
    static ObjectRefs Refs(const ObjectList &objects);

    // ---- reading
    void ReadObjects(const QString &path, ObjectList &into);
    ObjectList ReadObjects(const QString &path);
    void ReadObjectList(const QByteArray &data, ObjectList &into);
    ObjectList ReadObjectList(const QByteArray &data);
    // As ReadObjects, each object moved by PasteOffset in both directions.
    void PasteObjects(const QString &path, ObjectList &into);
    ObjectList PasteObjects(const QString &path);
    // A copy through an in-memory stream, named like a read object, at the
    // same position and zoom as the original (no offset).
    std::unique_ptr<TGGraphicControl> CloneObject(const TGGraphicControl &object);

    // The name the next read object gets: "Component" + N for the smallest N
    // in 0..1000 that is neither in use nor given out by this filer; the
    // stored name when all are taken.
    QString ComponentName(const QString &storedName);

    // Sets one entry on an object that is loading: looks the (dotted) name up
    // in the kind's table and converts the value back through enumeration,
    // set, colour and cursor names.
    static void SetEntry(TGGraphicControl &object, const QString &name, const TStreamValue &value);

    // Cursor identifiers (crDefault = 0, crNone = -1 … crSizeAll = -22).
    static QString CursorToIdent(int cursor);
    static std::optional<int> IdentToCursor(const QString &ident);

private:
    enum class Offset { None, Paste };
    void readList(TStreamReader &reader, ObjectList &into, Offset offset, float zoom);
    std::unique_ptr<TGGraphicControl> readRecord(TStreamReader &reader, Offset offset, float zoom);
    void readFile(const QString &path, ObjectList &into, Offset offset);
    static void writeFile(const QByteArray &bytes, const QString &path);

    static TStreamValue encode(const TPropertyInfo &property, const QVariant &value);
    static QVariant decode(const TPropertyInfo &property, const TStreamValue &value);

    NameInUse m_nameInUse;
    const TObjectRegistry &m_registry;
    int m_nextNumber = 0;
};

} // namespace cw::model

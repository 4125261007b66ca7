// The filer's conversion between published property values and the tagged
// values of a record: which entries a record holds, what each is called in
// the file, and how enumeration, set, colour and cursor values are named.
#include "design/model/TGLabelObjectFiler.h"

#include "design/model/EFilerError.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TNamedColors.h"
#include "design/model/TPropertyTable.h"

#include <array>

namespace cw::model {

namespace {

using K = TPropertyKind;

const QString StringsSuffix = QStringLiteral(".Strings");
const QString DataSuffix = QStringLiteral(".Data");

struct CursorName
{
    int value;
    const char *name;
};

// The platform's cursor identifiers.  -22 has two names; crSizeAll is the
// one written, both are read.
constexpr std::array<CursorName, 24> kCursors{{
    {0, "crDefault"},   {-1, "crNone"},       {-2, "crArrow"},    {-3, "crCross"},    {-4, "crIBeam"},
    {-22, "crSizeAll"}, {-6, "crSizeNESW"},   {-7, "crSizeNS"},   {-8, "crSizeNWSE"}, {-9, "crSizeWE"},
    {-10, "crUpArrow"}, {-11, "crHourGlass"}, {-12, "crDrag"},    {-13, "crNoDrop"},  {-14, "crHSplit"},
    {-15, "crVSplit"},  {-16, "crMultiDrag"}, {-17, "crSQLWait"}, {-18, "crNo"},      {-19, "crAppStart"},
    {-20, "crHelp"},    {-21, "crHandPoint"}, {-22, "crSize"},    {-5, "crSize"},
}};

// Handler references a stream may carry.  No kind publishes handlers, so
// such an entry is read and dropped, as a handler that cannot be found is.
bool isHandlerEntry(const QString &name)
{
    static const QStringList handlers{"OnClick",     "OnDblClick",  "OnDragDrop", "OnDragOver",  "OnEndDrag",
                                      "OnMouseDown", "OnMouseMove", "OnMouseUp",  "OnStartDrag", "OnEdit",
                                      "OnChange",    "OnResize",    "OnPaint",    "OnProgress"};
    return handlers.contains(name, Qt::CaseInsensitive);
}

// References to other components of the window (a popup menu) name
// something that is not part of the card; the object builds its own, so such
// an entry is read and dropped.
bool isComponentReference(const QString &name, const TStreamValue &value)
{
    return name.compare(QLatin1String("PopupMenu"), Qt::CaseInsensitive) == 0 &&
           (value.kind() == TStreamValue::Kind::Ident || value.isNil());
}

// Properties the program never sets; their entries are never written.
bool neverWritten(const TPropertyInfo &p)
{
    return p.Name == QLatin1String("Tag") || p.Name == QLatin1String("Cursor") ||
           p.Name == QLatin1String("Hint");
}

QString entryName(const TPropertyInfo &p)
{
    if (p.Kind == K::StringList && !p.Name.endsWith(StringsSuffix, Qt::CaseInsensitive))
        return p.Name + StringsSuffix;
    if (p.Kind == K::Binary && !p.Name.contains(u'.'))
        return p.Name + DataSuffix;
    return p.Name;
}

// The table entry an entry name refers to: the name itself, or a string
// list's "<Name>.Strings", or a picture's "<Name>.Data".
const TPropertyInfo *findEntry(const TPropertyTable &table, const QString &name)
{
    if (const TPropertyInfo *p = table.Find(name))
        return p;
    if (name.endsWith(StringsSuffix, Qt::CaseInsensitive)) {
        const TPropertyInfo *p = table.Find(name.chopped(StringsSuffix.size()));
        if (p && p->Kind == K::StringList)
            return p;
    }
    if (name.endsWith(DataSuffix, Qt::CaseInsensitive)) {
        const TPropertyInfo *p = table.Find(name.chopped(DataSuffix.size()));
        if (p && p->Kind == K::Binary)
            return p;
    }
    return nullptr;
}

int valueIndex(const TPropertyInfo &p, const QString &ident)
{
    for (int i = 0; i < p.ValueNames.size(); ++i)
        if (p.ValueNames[i].compare(ident, Qt::CaseInsensitive) == 0)
            return i;
    throw EReadError::invalidPropertyValue();
}

} // namespace

QString TGLabelObjectFiler::CursorToIdent(int cursor)
{
    for (const CursorName &c : kCursors)
        if (c.value == cursor)
            return QString::fromLatin1(c.name);
    return {};
}

std::optional<int> TGLabelObjectFiler::IdentToCursor(const QString &ident)
{
    for (const CursorName &c : kCursors)
        if (ident.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    return std::nullopt;
}

TStreamValue TGLabelObjectFiler::encode(const TPropertyInfo &p, const QVariant &v)
{
    switch (p.Kind) {
    case K::Integer:
        return TStreamValue::integer(v.toLongLong());
    case K::Boolean:
        return TStreamValue::boolean(v.toBool());
    case K::Enumeration: {
        const int index = v.toInt();
        if (index < 0 || index >= p.ValueNames.size())
            throw EWriteError(QStringLiteral("The value %1 of %2 has no name").arg(index).arg(p.Name));
        return TStreamValue::ident(p.ValueNames[index]);
    }
    case K::Set: {
        // Members in ascending order of their bit.
        const qint64 bits = v.toLongLong();
        QStringList members;
        for (int i = 0; i < p.ValueNames.size() && i < 63; ++i)
            if (bits & (qint64(1) << i))
                members.append(p.ValueNames[i]);
        return TStreamValue::set(members);
    }
    case K::Colour: {
        const TColor color = TColor(v.toUInt());
        if (const auto ident = TNamedColors::ToIdent(color))
            return TStreamValue::ident(*ident);
        return TStreamValue::integer(TNamedColors::ToInteger(color));
    }
    case K::Cursor: {
        const QString ident = CursorToIdent(v.toInt());
        return ident.isEmpty() ? TStreamValue::integer(v.toInt()) : TStreamValue::ident(ident);
    }
    case K::String:
        return TStreamValue::string(v.toString());
    case K::Float:
        return TStreamValue::floating(v.toDouble());
    case K::Binary:
        return TStreamValue::binary(v.toByteArray());
    case K::StringList: {
        std::vector<TStreamValue> lines;
        for (const QString &line : v.toStringList())
            lines.push_back(TStreamValue::string(line));
        return TStreamValue::list(std::move(lines));
    }
    }
    throw EWriteError(QStringLiteral("The property %1 cannot be stored").arg(p.Name));
}

QVariant TGLabelObjectFiler::decode(const TPropertyInfo &p, const TStreamValue &v)
{
    using VK = TStreamValue::Kind;
    switch (p.Kind) {
    case K::Integer:
        return int(v.asInteger());
    case K::Boolean:
        return v.asBoolean();
    case K::Enumeration:
        return valueIndex(p, v.asIdent());
    case K::Set: {
        int bits = 0;
        for (const QString &member : v.asSet())
            bits |= 1 << valueIndex(p, member);
        return bits;
    }
    case K::Colour:
        if (v.kind() == VK::Ident) {
            if (const auto color = TNamedColors::FromIdent(v.asIdent()))
                return uint(*color);
            throw EReadError::invalidPropertyValue();
        }
        return uint(TNamedColors::FromInteger(v.asInteger()));
    case K::Cursor:
        if (v.kind() == VK::Ident) {
            if (const auto cursor = IdentToCursor(v.asIdent()))
                return *cursor;
            throw EReadError::invalidPropertyValue();
        }
        return int(v.asInteger());
    case K::String:
        return v.asString();
    case K::Float:
        return v.asFloat();
    case K::Binary:
        return v.asBinary();
    case K::StringList: {
        QStringList lines;
        for (const TStreamValue &line : v.asList())
            lines.append(line.asString());
        return lines;
    }
    }
    throw EReadError::invalidPropertyValue();
}

std::vector<TFilerEntry> TGLabelObjectFiler::StoredEntries(const TGGraphicControl &object)
{
    std::vector<TFilerEntry> entries;
    for (const TPropertyInfo &p : object.Properties().Properties()) {
        if (neverWritten(p) || !TPropertyTable::IsStored(p, object))
            continue;
        const QVariant value = p.Get(object);
        // A string list is stored only when it has lines.
        if (p.Kind == K::StringList && value.toStringList().isEmpty())
            continue;
        entries.push_back({entryName(p), encode(p, value)});
    }
    return entries;
}

void TGLabelObjectFiler::SetEntry(TGGraphicControl &object, const QString &name, const TStreamValue &value)
{
    if (isComponentReference(name, value))
        return;
    const TPropertyInfo *p = findEntry(object.Properties(), name);
    if (!p) {
        if (isHandlerEntry(name) && (value.kind() == TStreamValue::Kind::Ident || value.isNil()))
            return;
        throw EReadError::propertyDoesNotExist();
    }
    p->Set(object, decode(*p, value));
}

} // namespace cw::model

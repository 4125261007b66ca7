#pragma once
// One published property of a design-object kind: what the card file, the
// clipboard, clone and undo know about it.  Sub-objects (font, pen, brush)
// appear as separate entries with dotted names ("Pen.Width"), in the order
// the card file holds them.
//
// Values travel as QVariant, by kind:
//   Integer, Enumeration, Cursor -> int (an enumeration's ordinal)
//   Set -> int, bit i = member ValueNames[i]
//   Colour -> uint (0x00BBGGRR or 0x80000000 + n)
//   Boolean -> bool; String -> QString; Float -> double
//   Binary -> QByteArray (the bytes of a Picture.Data or bitmap .Data entry)
//   StringList -> QStringList (written as "<Name>.Strings")

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace cw::model {

class TGGraphicControl;

enum class TPropertyKind {
    Integer,
    Boolean,
    Enumeration,
    Set,
    Colour,
    Cursor,
    String,
    Float,
    Binary,
    StringList
};

struct TPropertyInfo
{
    QString Name;
    TPropertyKind Kind = TPropertyKind::Integer;
    // Value names of an enumeration or members of a set, in ordinal order.
    QStringList ValueNames;
    // The declared default; an invalid QVariant means "no default": the value
    // is always written.
    QVariant Default;
    // Extra stored rule (e.g. a font taken from the parent); null = stored.
    std::function<bool(const TGGraphicControl &)> Stored;
    // An empty String is written as an empty string instead of being left
    // out: for texts whose new objects start with a non-empty value, which
    // a missing entry would bring back.
    bool StoreEmpty = false;
    std::function<QVariant(const TGGraphicControl &)> Get;
    // Setters run in file order while the object is being read (Loading()).
    std::function<void(TGGraphicControl &, const QVariant &)> Set;

    // The entry's sub-object ("Pen" for "Pen.Width"), empty for plain properties.
    QString Group() const;
};

// Builds a descriptor whose getter and setter take the concrete kind T.
template <class T, class G, class S>
TPropertyInfo MakeProperty(const QString &name, TPropertyKind kind, QVariant def, G get, S set,
                           QStringList valueNames = {})
{
    TPropertyInfo p;
    p.Name = name;
    p.Kind = kind;
    p.Default = std::move(def);
    p.ValueNames = std::move(valueNames);
    p.Get = [get](const TGGraphicControl &o) { return QVariant(get(static_cast<const T &>(o))); };
    p.Set = [set](TGGraphicControl &o, const QVariant &v) { set(static_cast<T &>(o), v); };
    return p;
}

} // namespace cw::model

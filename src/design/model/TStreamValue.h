#pragma once
// One tagged value of the card-file object stream held in memory, so that the
// object filer can read a property's value without knowing its type first,
// check its kind against the property and hand it to the setter (and build a
// value to write the same way).
//
// What a caller may rely on:
// - readFrom reads exactly one tagged value of any kind (within the reader's
//   nesting limit) and fails with EReadError like the reader does.
// - writeTo(readFrom(bytes)) gives the same bytes for every value this
//   program writes.  Encodings the writer does not produce are normalised:
//   a short LString or a UTF-8 string becomes a String, a wide string that
//   Windows-1252 can hold becomes a String.
// - The as...() accessors throw EReadError "Invalid property value" when the
//   value is of another kind, so a filer can pass a value straight to a
//   setter and get the program's message for a mismatched tag.
// - Equality compares floats bit for bit (so -0 differs from 0, and a NaN
//   equals itself).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace cw::model {

class TStreamReader;
class TStreamWriter;
struct TStreamCollectionItem;

class TStreamValue
{
public:
    enum class Kind { Nil, Integer, Boolean, Float, String, Ident, Binary, Set, List, Collection };

    TStreamValue(); // nil
    static TStreamValue nil();
    static TStreamValue integer(qint64 value);
    static TStreamValue boolean(bool value);
    static TStreamValue floating(double value);
    static TStreamValue string(QString text);
    static TStreamValue ident(QString name);
    static TStreamValue binary(QByteArray bytes);
    static TStreamValue set(QStringList members);
    static TStreamValue list(std::vector<TStreamValue> items);
    static TStreamValue collection(std::vector<TStreamCollectionItem> items);

    Kind kind() const noexcept { return Kind(m_value.index()); }
    bool isNil() const noexcept { return kind() == Kind::Nil; }

    qint64 asInteger() const;
    bool asBoolean() const;
    double asFloat() const; // an Integer is taken as a float too
    const QString &asString() const;
    const QString &asIdent() const;
    const QByteArray &asBinary() const;
    const QStringList &asSet() const;
    const std::vector<TStreamValue> &asList() const;
    const std::vector<TStreamCollectionItem> &asCollection() const;

    static TStreamValue readFrom(TStreamReader &reader);
    void writeTo(TStreamWriter &writer) const;

    friend bool operator==(const TStreamValue &a, const TStreamValue &b);

private:
    struct Ident
    {
        QString name;
    };
    struct Set
    {
        QStringList members;
    };
    // The order is that of Kind.
    using Storage = std::variant<std::monostate, qint64, bool, double, QString, Ident, QByteArray, Set,
                                 std::vector<TStreamValue>, std::vector<TStreamCollectionItem>>;

    explicit TStreamValue(Storage value);

    Storage m_value;
};

// One item of a collection: an optional order number and property entries.
struct TStreamCollectionItem
{
    std::optional<qint32> order;
    std::vector<std::pair<QString, TStreamValue>> properties;

    friend bool operator==(const TStreamCollectionItem &, const TStreamCollectionItem &) = default;
};

// Defined once the collection item is complete: with clang, constructing the
// variant instantiates its destructor, which needs the complete item type.
inline TStreamValue::TStreamValue() = default;
inline TStreamValue TStreamValue::nil() { return {}; }
inline TStreamValue::TStreamValue(Storage value) : m_value(std::move(value)) {}

} // namespace cw::model

#include "design/model/TStreamValue.h"

#include "design/model/EFilerError.h"
#include "design/model/TStreamReader.h"
#include "design/model/TStreamWriter.h"

#include <bit>
#include <cstdint>

namespace cw::model {

TStreamValue TStreamValue::integer(qint64 value)
{
    return TStreamValue(Storage(std::in_place_index<int(Kind::Integer)>, value));
}

TStreamValue TStreamValue::boolean(bool value)
{
    return TStreamValue(Storage(std::in_place_index<int(Kind::Boolean)>, value));
}

TStreamValue TStreamValue::floating(double value)
{
    return TStreamValue(Storage(std::in_place_index<int(Kind::Float)>, value));
}

TStreamValue TStreamValue::string(QString text)
{
    return TStreamValue(Storage(std::in_place_index<int(Kind::String)>, std::move(text)));
}

TStreamValue TStreamValue::ident(QString name)
{
    return TStreamValue(Storage(Ident{std::move(name)}));
}

TStreamValue TStreamValue::binary(QByteArray bytes)
{
    return TStreamValue(Storage(std::move(bytes)));
}

TStreamValue TStreamValue::set(QStringList members)
{
    return TStreamValue(Storage(Set{std::move(members)}));
}

TStreamValue TStreamValue::list(std::vector<TStreamValue> items)
{
    return TStreamValue(Storage(std::move(items)));
}

TStreamValue TStreamValue::collection(std::vector<TStreamCollectionItem> items)
{
    return TStreamValue(Storage(std::move(items)));
}

namespace {
template <typename T, typename Variant> const T &expect(const Variant &value)
{
    if (const T *held = std::get_if<T>(&value))
        return *held;
    throw EReadError::invalidPropertyValue();
}
} // namespace

qint64 TStreamValue::asInteger() const
{
    return expect<qint64>(m_value);
}

bool TStreamValue::asBoolean() const
{
    return expect<bool>(m_value);
}

double TStreamValue::asFloat() const
{
    if (const qint64 *held = std::get_if<qint64>(&m_value))
        return double(*held);
    return expect<double>(m_value);
}

const QString &TStreamValue::asString() const
{
    return expect<QString>(m_value);
}

const QString &TStreamValue::asIdent() const
{
    return expect<Ident>(m_value).name;
}

const QByteArray &TStreamValue::asBinary() const
{
    return expect<QByteArray>(m_value);
}

const QStringList &TStreamValue::asSet() const
{
    return expect<Set>(m_value).members;
}

const std::vector<TStreamValue> &TStreamValue::asList() const
{
    return expect<std::vector<TStreamValue>>(m_value);
}

const std::vector<TStreamCollectionItem> &TStreamValue::asCollection() const
{
    return expect<std::vector<TStreamCollectionItem>>(m_value);
}

TStreamValue TStreamValue::readFrom(TStreamReader &reader)
{
    switch (reader.nextValue()) {
    case TagList: {
        reader.readListBegin();
        TStreamReader::Nesting nesting(reader);
        std::vector<TStreamValue> items;
        while (!reader.endOfList())
            items.push_back(readFrom(reader));
        reader.readListEnd();
        return list(std::move(items));
    }
    case TagInt8:
    case TagInt16:
    case TagInt32:
        return integer(reader.readInteger());
    case TagExtended:
        return floating(reader.readFloat());
    case TagString:
    case TagLString:
    case TagWString:
    case TagUtf8String:
        return string(reader.readString());
    case TagIdent:
        return ident(reader.readIdent());
    case TagFalse:
    case TagTrue:
        return boolean(reader.readBoolean());
    case TagBinary:
        return binary(reader.readBinary());
    case TagSet:
        return set(reader.readSet());
    case TagNil:
        reader.readNil();
        return nil();
    case TagCollection: {
        reader.readCollectionBegin();
        TStreamReader::Nesting nesting(reader);
        std::vector<TStreamCollectionItem> items;
        while (!reader.endOfList()) {
            TStreamReader::Nesting itemNesting(reader);
            TStreamCollectionItem item;
            item.order = reader.readCollectionItemBegin();
            while (!reader.endOfList()) {
                QString name = reader.readPropertyName();
                item.properties.emplace_back(std::move(name), readFrom(reader));
            }
            reader.readListEnd();
            items.push_back(std::move(item));
        }
        reader.readListEnd();
        return collection(std::move(items));
    }
    case TagNull: // ends a list; never a value of its own
    default:
        throw EReadError::invalidFormat();
    }
}

void TStreamValue::writeTo(TStreamWriter &writer) const
{
    switch (kind()) {
    case Kind::Nil:
        return writer.writeNil();
    case Kind::Integer:
        return writer.writeInteger(std::get<qint64>(m_value));
    case Kind::Boolean:
        return writer.writeBoolean(std::get<bool>(m_value));
    case Kind::Float:
        return writer.writeFloat(std::get<double>(m_value));
    case Kind::String:
        return writer.writeString(std::get<QString>(m_value));
    case Kind::Ident:
        return writer.writeIdent(std::get<Ident>(m_value).name);
    case Kind::Binary:
        return writer.writeBinary(std::get<QByteArray>(m_value));
    case Kind::Set:
        return writer.writeSet(std::get<Set>(m_value).members);
    case Kind::List:
        writer.writeListBegin();
        for (const TStreamValue &item : std::get<std::vector<TStreamValue>>(m_value))
            item.writeTo(writer);
        return writer.writeListEnd();
    case Kind::Collection:
        writer.writeCollectionBegin();
        for (const TStreamCollectionItem &item : std::get<std::vector<TStreamCollectionItem>>(m_value)) {
            writer.writeCollectionItemBegin(item.order);
            for (const auto &[name, value] : item.properties) {
                writer.writePropertyName(name);
                value.writeTo(writer);
            }
            writer.writeListEnd();
        }
        return writer.writeListEnd();
    }
}

bool operator==(const TStreamValue &a, const TStreamValue &b)
{
    if (a.kind() != b.kind())
        return false;
    switch (a.kind()) {
    case TStreamValue::Kind::Nil:
        return true;
    case TStreamValue::Kind::Integer:
        return a.asInteger() == b.asInteger();
    case TStreamValue::Kind::Boolean:
        return a.asBoolean() == b.asBoolean();
    case TStreamValue::Kind::Float:
        return std::bit_cast<std::uint64_t>(a.asFloat()) == std::bit_cast<std::uint64_t>(b.asFloat());
    case TStreamValue::Kind::String:
        return a.asString() == b.asString();
    case TStreamValue::Kind::Ident:
        return a.asIdent() == b.asIdent();
    case TStreamValue::Kind::Binary:
        return a.asBinary() == b.asBinary();
    case TStreamValue::Kind::Set:
        return a.asSet() == b.asSet();
    case TStreamValue::Kind::List:
        return a.asList() == b.asList();
    case TStreamValue::Kind::Collection:
        return a.asCollection() == b.asCollection();
    }
    return false;
}

} // namespace cw::model

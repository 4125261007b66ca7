#include "support/CardContents.h"

#include "design/model/TStreamReader.h"
#include "design/model/TStreamValue.h"

#include <QCryptographicHash>

namespace cw::test {

namespace {

QString valueText(const model::TStreamValue &value)
{
    using Kind = model::TStreamValue::Kind;
    switch (value.kind()) {
    case Kind::Nil:
        return QStringLiteral("nil");
    case Kind::Integer:
        return QString::number(value.asInteger());
    case Kind::Boolean:
        return value.asBoolean() ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Float:
        return QString::number(value.asFloat(), 'g', 17);
    case Kind::String:
        return QLatin1Char('\'') + value.asString() + QLatin1Char('\'');
    case Kind::Ident:
        return value.asIdent();
    case Kind::Binary: {
        const QByteArray &bytes = value.asBinary();
        const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12);
        return QStringLiteral("<%1 bytes %2>").arg(bytes.size()).arg(QString::fromLatin1(digest));
    }
    case Kind::Set:
        return QLatin1Char('[') + value.asSet().join(QLatin1Char(',')) + QLatin1Char(']');
    case Kind::List: {
        QStringList items;
        for (const model::TStreamValue &item : value.asList())
            items << valueText(item);
        return QLatin1Char('(') + items.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    case Kind::Collection:
        return QStringLiteral("<collection of %1>").arg(value.asCollection().size());
    }
    return QString();
}

QString describe(const std::vector<StoredObject> &objects, size_t i)
{
    return QStringLiteral("object %1 (%2)").arg(i).arg(objects[i].className);
}

} // namespace

std::vector<StoredObject> CardContents::Read(const QByteArray &objectList)
{
    std::vector<StoredObject> objects;
    model::TStreamReader reader(objectList);
    reader.readListBegin();
    while (!reader.endOfList()) {
        StoredObject object;
        object.className = reader.readRecordHeader().className;
        while (!reader.endOfList()) {
            const QString name = reader.readPropertyName();
            object.entries << name + QStringLiteral(" = ") + valueText(model::TStreamValue::readFrom(reader));
        }
        reader.readRecordEnd();
        objects.push_back(std::move(object));
    }
    reader.readListEnd();
    return objects;
}

QString CardContents::Difference(const std::vector<StoredObject> &before,
                                 const std::vector<StoredObject> &after, const QString &was,
                                 const QString &is)
{
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
        const StoredObject &a = before[i];
        const StoredObject &b = after[i];
        if (a.className != b.className)
            return QStringLiteral("object %1 is a %2 %3 but a %4 %5")
                .arg(i)
                .arg(a.className, was, b.className, is);
        // Entries are matched by name: a value left out on one side shows as
        // "(no entry)" rather than shifting every entry after it.
        const auto split = [](const QString &entry) {
            const qsizetype eq = entry.indexOf(QStringLiteral(" = "));
            return std::pair(entry.left(eq), entry.mid(eq + 3));
        };
        QStringList names;
        for (const QStringList *list : {&a.entries, &b.entries})
            for (const QString &entry : *list)
                if (!names.contains(split(entry).first))
                    names << split(entry).first;
        const auto valueOf = [&split](const QStringList &entries, const QString &name) {
            for (const QString &entry : entries)
                if (split(entry).first == name)
                    return split(entry).second;
            return QStringLiteral("(no entry)");
        };
        for (const QString &name : names) {
            const QString left = valueOf(a.entries, name);
            const QString right = valueOf(b.entries, name);
            if (left != right)
                return QStringLiteral("%1: %2 = %3 %4, %5 %6")
                    .arg(describe(before, i), name, left, was, right, is);
        }
        if (a.entries != b.entries)
            return QStringLiteral("%1: the entries are in another order %2").arg(describe(before, i), is);
    }
    if (before.size() != after.size())
        return QStringLiteral("%1 objects %2, %3 %4").arg(before.size()).arg(was).arg(after.size()).arg(is);
    return QString();
}

} // namespace cw::test

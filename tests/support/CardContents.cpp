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
        const qsizetype n = std::max(a.entries.size(), b.entries.size());
        for (qsizetype e = 0; e < n; ++e) {
            const QString left = e < a.entries.size() ? a.entries[e] : QStringLiteral("(no entry)");
            const QString right = e < b.entries.size() ? b.entries[e] : QStringLiteral("(no entry)");
            if (left != right)
                return QStringLiteral("%1: %2 %3, %4 %5").arg(describe(before, i), left, was, right, is);
        }
    }
    if (before.size() != after.size())
        return QStringLiteral("%1 objects %2, %3 %4").arg(before.size()).arg(was).arg(after.size()).arg(is);
    return QString();
}

} // namespace cw::test

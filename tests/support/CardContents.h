#pragma once
// What a card file (or any object list stream) stores, object by object, as
// readable text: each object's class and its entries in file order.  The
// object name is left out, because reading names every object afresh; two
// designs are the same when their contents are equal.  Binary values (pictures)
// are shown by size and a digest.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace cw::test {

struct StoredObject
{
    QString className;
    // "Name = value", in file order.
    QStringList entries;
    bool operator==(const StoredObject &) const = default;
};

class CardContents
{
public:
    // Reads an object list stream; throws cw::Exception when it is damaged.
    static std::vector<StoredObject> Read(const QByteArray &objectList);
    // The first difference between two designs as one sentence naming the
    // object (index from the bottom of the z-order) and both entries; empty
    // when they are the same.  `was` and `is` name the two sides.
    static QString Difference(const std::vector<StoredObject> &before, const std::vector<StoredObject> &after,
                              const QString &was, const QString &is);
};

} // namespace cw::test

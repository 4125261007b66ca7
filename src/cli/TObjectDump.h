#pragma once
// The readable listing of a card file that `cardwright-cli dump` prints:
//
//   objects: N
//   CLASS LEFT,TOP,WIDTH,HEIGHT
//     Name = value            one line per entry the writer stores, file order
//
// Values: integers in decimal, Booleans True/False, enumerations and named
// colours by name, sets as [fsBold,fsItalic], strings as their text, string
// lists as "Items.Strings = [3 items]" followed by one line per item indented
// four spaces, binary values as "<N bytes>", floats in the shortest form
// that reads back exactly.

#include <QString>
#include <memory>
#include <vector>

namespace cw::model {
class TGGraphicControl;
class TStreamValue;
} // namespace cw::model

namespace cw::cli {

class TObjectDump
{
public:
    static QString Dump(const std::vector<std::unique_ptr<model::TGGraphicControl>> &objects);
    static QString DumpObject(const model::TGGraphicControl &object);
    // One value as the listing shows it (string lists: the "[N items]" head).
    static QString FormatValue(const model::TStreamValue &value);
};

} // namespace cw::cli

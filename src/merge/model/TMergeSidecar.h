#pragma once
// The merge a card was last used with, kept beside it in a file of its own
// (the card's name with ".cwm"), so that the card file and its background
// sidecar stay as they are.  UTF-8 lines ended by CR LF:
//
//   Source=<file>          relative to the card's folder when inside it
//   <FIELD>=<COLUMN>[+…]   one line per mapped field (TMergeMapping)

#include "merge/model/TMergeMapping.h"

#include <QString>
#include <optional>

namespace cw::model {

struct TMergeSettings
{
    QString SourceFile; // absolute
    TMergeMapping Mapping;
};

class TMergeSidecar
{
public:
    static QString PathFor(const QString &cardPath);
    // None when the card has no merge file or it names no source.
    static std::optional<TMergeSettings> Read(const QString &cardPath);
    // Written atomically.  Throws cw::EInOutError.
    static void Write(const QString &cardPath, const TMergeSettings &settings);
    static void Remove(const QString &cardPath);
};

} // namespace cw::model

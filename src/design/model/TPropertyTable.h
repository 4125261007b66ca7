#pragma once
// The ordered table of a kind's published properties, base kind first.  The
// object filer writes a record by walking Properties() and writing the entries
// IsStored() admits, and reads one by looking names up with Find() and calling
// the setters in file order.  Clone and undo use Snapshot()/Restore().

#include "design/model/TPropertyInfo.h"

#include <utility>
#include <vector>

namespace cw::model {

class TPropertyTable
{
public:
    // The kind's table: every entry of `base` (when given) followed by `own`.
    TPropertyTable(const TPropertyTable *base, std::vector<TPropertyInfo> own);

    const std::vector<TPropertyInfo> &Properties() const { return m_properties; }
    // The entry with this (dotted) name, ignoring case; nullptr when the kind
    // has no such property.
    const TPropertyInfo *Find(const QString &name) const;

    // Whether the card file holds an entry for the property: not when its
    // stored rule says no, when it equals its declared default, when a String
    // (unless StoreEmpty) or binary value is empty, or when a Float is 0.
    // Properties without a default are always written.
    static bool IsStored(const TPropertyInfo &property, const TGGraphicControl &object);

    using Snapshot_t = std::vector<std::pair<QString, QVariant>>;
    // Every property value in table order (stored or not).
    Snapshot_t Snapshot(const TGGraphicControl &object) const;
    // Sets the values of a snapshot in order.  The caller brackets this with
    // BeginLoading()/Loaded() when the object must not report each setter.
    void Restore(TGGraphicControl &object, const Snapshot_t &snapshot) const;

private:
    std::vector<TPropertyInfo> m_properties;
};

} // namespace cw::model

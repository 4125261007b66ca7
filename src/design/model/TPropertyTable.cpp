#include "design/model/TPropertyTable.h"

namespace cw::model {

QString TPropertyInfo::Group() const
{
    const int dot = Name.indexOf(u'.');
    return dot < 0 ? QString() : Name.left(dot);
}

TPropertyTable::TPropertyTable(const TPropertyTable *base, std::vector<TPropertyInfo> own)
{
    if (base)
        m_properties = base->Properties();
    for (auto &p : own)
        m_properties.push_back(std::move(p));
}

const TPropertyInfo *TPropertyTable::Find(const QString &name) const
{
    for (const auto &p : m_properties)
        if (p.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

bool TPropertyTable::IsStored(const TPropertyInfo &property, const TGGraphicControl &object)
{
    if (property.Stored && !property.Stored(object))
        return false;
    const QVariant value = property.Get(object);
    switch (property.Kind) {
    case TPropertyKind::String:
        if (value.toString().isEmpty())
            return property.StoreEmpty;
        break;
    case TPropertyKind::Binary:
        if (value.toByteArray().isEmpty())
            return false;
        break;
    case TPropertyKind::Float:
        if (value.toDouble() == 0.0)
            return false;
        break;
    default:
        break;
    }
    if (!property.Default.isValid())
        return true;
    switch (property.Kind) {
    case TPropertyKind::Boolean:
        return value.toBool() != property.Default.toBool();
    case TPropertyKind::Colour:
        return value.toUInt() != property.Default.toUInt();
    case TPropertyKind::Integer:
    case TPropertyKind::Enumeration:
    case TPropertyKind::Set:
    case TPropertyKind::Cursor:
        return value.toLongLong() != property.Default.toLongLong();
    default:
        return value != property.Default;
    }
}

TPropertyTable::Snapshot_t TPropertyTable::Snapshot(const TGGraphicControl &object) const
{
    Snapshot_t values;
    values.reserve(m_properties.size());
    for (const auto &p : m_properties)
        values.emplace_back(p.Name, p.Get(object));
    return values;
}

void TPropertyTable::Restore(TGGraphicControl &object, const Snapshot_t &snapshot) const
{
    for (const auto &[name, value] : snapshot)
        if (const TPropertyInfo *p = Find(name))
            p->Set(object, value);
}

} // namespace cw::model

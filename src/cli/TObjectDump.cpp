#include "cli/TObjectDump.h"

#include "design/model/TGGraphicControl.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TStreamValue.h"

#include <QLocale>

namespace cw::cli {

using model::TStreamValue;

QString TObjectDump::FormatValue(const TStreamValue &value)
{
    switch (value.kind()) {
    case TStreamValue::Kind::Nil:
        return QStringLiteral("nil");
    case TStreamValue::Kind::Integer:
        return QString::number(value.asInteger());
    case TStreamValue::Kind::Boolean:
        return value.asBoolean() ? QStringLiteral("True") : QStringLiteral("False");
    case TStreamValue::Kind::Float:
        return QString::number(value.asFloat(), 'g', QLocale::FloatingPointShortest);
    case TStreamValue::Kind::String:
        return value.asString();
    case TStreamValue::Kind::Ident:
        return value.asIdent();
    case TStreamValue::Kind::Binary:
        return QStringLiteral("<%1 bytes>").arg(value.asBinary().size());
    case TStreamValue::Kind::Set:
        return QLatin1Char('[') + value.asSet().join(QLatin1Char(',')) + QLatin1Char(']');
    case TStreamValue::Kind::List:
        return QStringLiteral("[%1 items]").arg(value.asList().size());
    case TStreamValue::Kind::Collection:
        return QStringLiteral("<%1 collection items>").arg(value.asCollection().size());
    }
    return {};
}

QString TObjectDump::DumpObject(const model::TGGraphicControl &object)
{
    QString text = QStringLiteral("%1 %2,%3,%4,%5\n")
                       .arg(object.ClassName())
                       .arg(object.Left())
                       .arg(object.Top())
                       .arg(object.Width())
                       .arg(object.Height());
    for (const model::TFilerEntry &entry : model::TGLabelObjectFiler::StoredEntries(object)) {
        text += QStringLiteral("  %1 = %2\n").arg(entry.Name, FormatValue(entry.Value));
        if (entry.Value.kind() == TStreamValue::Kind::List)
            for (const TStreamValue &item : entry.Value.asList())
                text += QStringLiteral("    ") + FormatValue(item) + QLatin1Char('\n');
    }
    return text;
}

QString TObjectDump::Dump(const std::vector<std::unique_ptr<model::TGGraphicControl>> &objects)
{
    QString text = QStringLiteral("objects: %1\n").arg(objects.size());
    for (const auto &object : objects)
        text += DumpObject(*object);
    return text;
}

} // namespace cw::cli

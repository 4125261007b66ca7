#include "app/model/TWindowPlacement.h"

#include "app/model/TIniFile.h"

#include <algorithm>

namespace cw::model {

QString TWindowPlacement::SectionName(const QString &windowClass, int dpi)
{
    QString name = windowClass + QStringLiteral("_Placement");
    if (dpi > 96)
        name += QString::number(dpi);
    return name;
}

TWindowPlacement TWindowPlacement::Read(const TIniFile &ini, const QString &windowClass, int dpi,
                                        bool currentlyMaximized)
{
    const QString section = SectionName(windowClass, dpi);
    TWindowPlacement p;
    p.Left = ini.ReadInteger(section, QStringLiteral("Left"), 0);
    p.Top = ini.ReadInteger(section, QStringLiteral("Top"), 0);
    p.Right = ini.ReadInteger(section, QStringLiteral("Right"), 0);
    p.Bottom = ini.ReadInteger(section, QStringLiteral("Bottom"), 0);
    p.Maximized = ini.ReadBool(section, QStringLiteral("Maximized"), currentlyMaximized);
    if (p.Right <= p.Left || p.Bottom <= p.Top) {
        // An empty or inverted rectangle (edited by hand) is no window
        // rectangle: it reads as nothing stored.
        p.Left = p.Top = p.Right = p.Bottom = 0;
    }
    return p;
}

void TWindowPlacement::Write(TIniFile &ini, const QString &windowClass, int dpi) const
{
    const QString section = SectionName(windowClass, dpi);
    ini.BeginUpdate();
    try {
        ini.WriteInteger(section, QStringLiteral("Left"), Left);
        ini.WriteInteger(section, QStringLiteral("Top"), Top);
        ini.WriteInteger(section, QStringLiteral("Right"), Right);
        ini.WriteInteger(section, QStringLiteral("Bottom"), Bottom);
        ini.WriteBool(section, QStringLiteral("Maximized"), Maximized);
    } catch (...) {
        ini.CancelUpdate();
        throw;
    }
    ini.EndUpdate();
}

TWindowPlacement TWindowPlacement::FromRect(const QRect &normal, bool maximized)
{
    TWindowPlacement p;
    p.Left = normal.left();
    p.Top = normal.top();
    p.Right = normal.left() + normal.width();
    p.Bottom = normal.top() + normal.height();
    p.Maximized = maximized;
    return p;
}

TWindowPlacement::Restore TWindowPlacement::Compute(const QRect &current, const QSize &screen) const
{
    Restore result;
    if (Maximized) {
        result.Maximize = true;
        result.Geometry = current;
        return result;
    }
    // 64-bit so that absurd stored numbers cannot overflow the arithmetic.
    qint64 left = Left, top = Top, right = Right, bottom = Bottom;
    if (Bottom == 0) {
        // Nothing stored: the window's own rectangle, centred on the screen.
        left = (qint64(screen.width()) - current.width()) / 2;
        top = (qint64(screen.height()) - current.height()) / 2;
        right = left + current.width();
        bottom = top + current.height();
    }
    if (right > screen.width()) {
        left -= right - screen.width();
        right = screen.width();
    }
    if (left < 0) {
        right += 1 - left;
        left = 1;
    }
    if (bottom > screen.height()) {
        top -= bottom - screen.height();
        bottom = screen.height();
    }
    if (top < 0) {
        bottom += 1 - top;
        top = 1;
    }
    const auto clampInt = [](qint64 v) { return int(std::clamp<qint64>(v, -1000000, 1000000)); };
    result.Geometry =
        QRect(QPoint(clampInt(left), clampInt(top)), QPoint(clampInt(right) - 1, clampInt(bottom) - 1));
    return result;
}

} // namespace cw::model

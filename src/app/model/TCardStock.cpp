#include "app/model/TCardStock.h"

#include <QJsonArray>

namespace cw::model {

namespace {

QString millimetres(double inches)
{
    return QString::number(inches * 25.4, 'f', 1);
}

} // namespace

QString TCardStock::DisplayText() const
{
    if (Builtin >= 0)
        return Description;
    // At most three codes: a family of equivalents can be a dozen long (the
    // list's tooltip holds them all).
    const QString codes =
        Codes.mid(0, 3).join(QStringLiteral(", ")) + (Codes.size() > 3 ? QStringLiteral(", ...") : QString());
    QString text = User ? Description : Maker + QLatin1Char(' ') + codes;
    if (!User && !Description.isEmpty())
        text += QStringLiteral(" - ") + Description;
    return text + QStringLiteral(" (%1, %2 x %3 = %4 per sheet, %5 x %6 mm)")
                      .arg(Paper)
                      .arg(Across)
                      .arg(Down)
                      .arg(Count())
                      .arg(millimetres(Width), millimetres(Height));
}

QString TCardStock::SearchText() const
{
    QStringList words{Maker, Codes.join(QLatin1Char(' ')), Description, Paper};
    if (Paper == QLatin1String("US-Letter"))
        words << QStringLiteral("Letter");
    if (Paper == QLatin1String("US-Legal"))
        words << QStringLiteral("Legal");
    // Both ways round and in whole millimetres, as people write card sizes.
    const QString w = QString::number(qRound(Width * 25.4));
    const QString h = QString::number(qRound(Height * 25.4));
    words << w + QLatin1Char('x') + h << h + QLatin1Char('x') + w;
    words << QString::number(Width, 'g', 4) + QLatin1Char('x') + QString::number(Height, 'g', 4);
    words << QString::number(Height, 'g', 4) + QLatin1Char('x') + QString::number(Width, 'g', 4);
    words << QString::number(Count()) + QStringLiteral("persheet")
          << QString::number(Count()) + QStringLiteral("up");
    return words.join(QLatin1Char(' '));
}

void TCardStock::ApplyTo(TCardLayout &layout) const
{
    layout.Height = float(Height);
    layout.Width = float(Width);
    layout.Across = Across;
    layout.Down = Down;
    layout.TopMargin = float(Top);
    layout.LeftMargin = float(Left);
    layout.HPitch = float(HPitch);
    layout.VPitch = float(VPitch);
    layout.Papersize = PaperCode;
    if (PaperCode == TCardLayout::PaperCustom) {
        layout.PaperWidth = float(PaperWidth);
        layout.PaperHeight = float(PaperHeight);
    }
}

TCardStock TCardStock::FromLayout(const QString &name, const TCardLayout &layout)
{
    TCardStock stock;
    stock.User = true;
    stock.Description = name;
    stock.Key =
        QStringLiteral("user-") + name.toLower().simplified().replace(QLatin1Char(' '), QLatin1Char('-'));
    stock.Paper = TCardLayout::PaperName(layout.Papersize);
    stock.PaperCode = layout.Papersize;
    const QSizeF paper = layout.SheetSizeInches();
    stock.PaperWidth = paper.width();
    stock.PaperHeight = paper.height();
    stock.Width = layout.Width;
    stock.Height = layout.Height;
    stock.Left = layout.LeftMargin;
    stock.Top = layout.TopMargin;
    stock.HPitch = layout.HPitch;
    stock.VPitch = layout.VPitch;
    stock.Across = layout.Across;
    stock.Down = layout.Down;
    return stock;
}

TCardStock TCardStock::FromJson(const QJsonObject &o)
{
    TCardStock s;
    s.Key = o.value(QStringLiteral("key")).toString();
    s.Maker = o.value(QStringLiteral("maker")).toString();
    for (const QJsonValue &code : o.value(QStringLiteral("codes")).toArray())
        s.Codes << code.toString();
    s.Description = o.value(QStringLiteral("description")).toString();
    s.Paper = o.value(QStringLiteral("paper")).toString();
    s.PaperCode = o.value(QStringLiteral("paperCode")).toInt(s.PaperCode);
    s.PaperWidth = o.value(QStringLiteral("paperWidth")).toDouble(s.PaperWidth);
    s.PaperHeight = o.value(QStringLiteral("paperHeight")).toDouble(s.PaperHeight);
    s.Width = o.value(QStringLiteral("width")).toDouble(s.Width);
    s.Height = o.value(QStringLiteral("height")).toDouble(s.Height);
    s.Round = o.value(QStringLiteral("round")).toDouble(0);
    s.Left = o.value(QStringLiteral("left")).toDouble(s.Left);
    s.Top = o.value(QStringLiteral("top")).toDouble(s.Top);
    s.HPitch = o.value(QStringLiteral("hpitch")).toDouble(s.HPitch);
    s.VPitch = o.value(QStringLiteral("vpitch")).toDouble(s.VPitch);
    s.Across = o.value(QStringLiteral("across")).toInt(s.Across);
    s.Down = o.value(QStringLiteral("down")).toInt(s.Down);
    s.Builtin = o.value(QStringLiteral("builtin")).toInt(-1);
    s.Note = o.value(QStringLiteral("note")).toString();
    s.User = o.value(QStringLiteral("user")).toBool(false);
    return s;
}

QJsonObject TCardStock::ToJson() const
{
    QJsonObject o{{QStringLiteral("key"), Key},
                  {QStringLiteral("maker"), Maker},
                  {QStringLiteral("codes"), QJsonArray::fromStringList(Codes)},
                  {QStringLiteral("description"), Description},
                  {QStringLiteral("paper"), Paper},
                  {QStringLiteral("paperCode"), PaperCode},
                  {QStringLiteral("paperWidth"), PaperWidth},
                  {QStringLiteral("paperHeight"), PaperHeight},
                  {QStringLiteral("width"), Width},
                  {QStringLiteral("height"), Height},
                  {QStringLiteral("round"), Round},
                  {QStringLiteral("left"), Left},
                  {QStringLiteral("top"), Top},
                  {QStringLiteral("hpitch"), HPitch},
                  {QStringLiteral("vpitch"), VPitch},
                  {QStringLiteral("across"), Across},
                  {QStringLiteral("down"), Down}};
    if (Builtin >= 0)
        o.insert(QStringLiteral("builtin"), Builtin);
    if (!Note.isEmpty())
        o.insert(QStringLiteral("note"), Note);
    if (User)
        o.insert(QStringLiteral("user"), true);
    return o;
}

} // namespace cw::model

#include "support/CardGenerator.h"

#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGLineShape.h"
#include "design/model/TGPicture.h"
#include "objects/model/TGPCircleText.h"
#include "objects/model/TGPRichBaseLabel.h"
#include "objects/model/TSuperShape.h"
#include "text/model/TGBusinessCardLabel.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGSuperText.h"
#include "text/model/TGSymbolLabel.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace cw::test {

using namespace cw::model;

namespace {

const QStringList &kindNames()
{
    static const QStringList names{"TextLabel",     "FieldLabel",      "SymbolLabel", "MultiLineLabel",
                                   "Rectangle",     "Ellipse",         "RoundRect",   "Line",
                                   "ClipArtBitmap", "ClipArtMetafile", "SuperShape",  "SuperText",
                                   "RichText",      "CircleText"};
    return names;
}

const QStringList &phrases()
{
    static const QStringList texts{"Jane Q. Smith",      "Acme Widgets Inc.",     "Sales Manager",
                                   "12 Elm Street",      "Springfield, IL 62704", "Phone 555-0123",
                                   "Fax 555-0199",       "jane@example.com",      "www.example.com",
                                   "Quality since 1987", "Mobile (555) 867-5309", "Suite 400"};
    return texts;
}

// The sixteen named colours, weighted towards black as contact lines are.
TColor anyColor(QRandomGenerator &random)
{
    static const TColor named[] = {clBlack, clMaroon,  clGreen,  clOlive, clNavy,     clPurple,
                                   clTeal,  clGray,    clSilver, clRed,   clLime,     clYellow,
                                   clBlue,  clFuchsia, clAqua,   clWhite, 0x00336699, 0x00CC6633};
    return named[random.bounded(int(std::size(named)))];
}

TColor textColor(QRandomGenerator &random)
{
    return random.bounded(100) < 45 ? clBlack : anyColor(random);
}

bool chance(QRandomGenerator &random, int percent)
{
    return random.bounded(100) < percent;
}

int between(QRandomGenerator &random, int low, int high)
{
    return low + random.bounded(high - low + 1);
}

template <typename T> T pick(QRandomGenerator &random, std::initializer_list<T> values)
{
    return *(values.begin() + random.bounded(int(values.size())));
}

TGFont anyFont(QRandomGenerator &random, int lowPoints, int highPoints)
{
    TGFont font;
    font.Name =
        pick<QString>(random, {"Arial", "Times New Roman", "Courier New", "Liberation Sans", "DejaVu Serif"});
    font.SetPointSize(between(random, lowPoints, highPoints));
    font.Color = textColor(random);
    font.Style = random.bounded(8); // bold, italic, underline in any mix
    if (chance(random, 5))
        font.Style |= fsStrikeOut;
    return font;
}

// Only modes whose result does not depend on what lies underneath: paper has
// no destination to combine with.
TGPen anyPen(QRandomGenerator &random)
{
    TGPen pen;
    pen.Color = anyColor(random);
    pen.Width = pick(random, {1, 1, 1, 2, 3, 4, 6});
    pen.Style = chance(random, 70)
                    ? psSolid
                    : pick(random, {psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame});
    pen.Mode = chance(random, 90) ? pmCopy : pick(random, {pmBlack, pmWhite, pmNop});
    return pen;
}

TGBrush anyBrush(QRandomGenerator &random)
{
    TGBrush brush;
    brush.Color = anyColor(random);
    brush.Style = chance(random, 55) ? bsSolid
                                     : pick(random, {bsClear, bsClear, bsHorizontal, bsVertical, bsFDiagonal,
                                                     bsBDiagonal, bsCross, bsDiagCross});
    return brush;
}

// A small picture in four colours: stripes and a block, so it has edges.
QImage anyBitmap(QRandomGenerator &random, int width, int height)
{
    const QColor colors[] = {TGColor::ToQColor(anyColor(random)), TGColor::ToQColor(anyColor(random)),
                             TGColor::ToQColor(anyColor(random)), TGColor::ToQColor(anyColor(random))};
    const int stripe = between(random, 3, 8);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool block = x > width / 2 && y > height / 2;
            image.setPixelColor(x, y,
                                block ? colors[2 + (x / stripe + y / stripe) % 2] : colors[(y / stripe) % 2]);
        }
    return image;
}

QByteArray richText(QRandomGenerator &random)
{
    const QColor a = TGColor::ToQColor(textColor(random));
    const QColor b = TGColor::ToQColor(anyColor(random));
    const auto rgb = [](const QColor &c) {
        return QStringLiteral("\\red%1\\green%2\\blue%3;").arg(c.red()).arg(c.green()).arg(c.blue());
    };
    const QString text = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\froman "
                                        "Times New Roman;}}{\\colortbl ;%1%2}\\f0\\fs%3\\cf1 %4 "
                                        "\\b\\f1\\cf2 %5\\b0\\par\\f0\\cf1\\fs%6 %7\\par}")
                             .arg(rgb(a), rgb(b))
                             .arg(between(random, 16, 30))
                             .arg(phrases().at(random.bounded(phrases().size())),
                                  phrases().at(random.bounded(phrases().size())))
                             .arg(between(random, 14, 22))
                             .arg(phrases().at(random.bounded(phrases().size())));
    return text.toLatin1();
}

template <typename Label> void setUpLabel(Label &label, QRandomGenerator &random, QString &note)
{
    const TGFont font = anyFont(random, 7, 22);
    label.SetLabelFont(font);
    label.SetAlignment(pick(random, {taLeftJustify, taRightJustify, taCenter}));
    label.SetTransparent(chance(random, 65));
    label.SetBackColor(anyColor(random));
    label.SetBorderStyle(chance(random, 30) ? bsSingle : bsNone);
    if (chance(random, 25)) {
        label.SetDepthShadow(between(random, 1, 4));
        label.SetDirectionShadow(TShadowDirection(between(random, 1, 5)));
        label.SetColorShadow(anyColor(random));
    }
    if (chance(random, 15)) {
        label.SetDepthHighlight(between(random, 1, 3));
        label.SetDirectionHighlight(THighlightDirection(between(random, 1, 5)));
        label.SetColorHighlight(anyColor(random));
    }
    note = QStringLiteral("font %1 %2pt style %3 colour %4, %5, border %6, angle %7")
               .arg(font.Name)
               .arg(font.PointSize())
               .arg(font.Style)
               .arg(TGColor::ToQColor(font.Color).name(), label.Transparent() ? "transparent" : "filled")
               .arg(label.BorderStyle())
               .arg(label.Angle());
}

} // namespace

QString ObjectKindName(ObjectKind kind)
{
    return kindNames().value(int(kind));
}

ObjectKind KindOf(const TGGraphicControl &object)
{
    const QString name = object.ClassName();
    if (const auto *shape = dynamic_cast<const TGLabelShapes *>(&object))
        return shape->IsEllipse() ? ObjectKind::Ellipse
               : shape->IsRound() ? ObjectKind::RoundRect
                                  : ObjectKind::Rectangle;
    if (const auto *image = dynamic_cast<const TGImage *>(&object))
        return image->Picture().Kind() == TGraphicKind::Metafile ? ObjectKind::ClipArtMetafile
                                                                 : ObjectKind::ClipArtBitmap;
    static const std::pair<const char *, ObjectKind> classes[] = {
        {"TGPLabel", ObjectKind::TextLabel},        {"TGBusinessCardLabel", ObjectKind::FieldLabel},
        {"TGSymbolLabel", ObjectKind::SymbolLabel}, {"TGMultiLineLabel", ObjectKind::MultiLineLabel},
        {"TGLineShape", ObjectKind::Line},          {"TSuperShape", ObjectKind::SuperShape},
        {"TGSuperText", ObjectKind::SuperText},     {"TGPRichBaseLabel", ObjectKind::RichText},
        {"TGPCircleText", ObjectKind::CircleText}};
    for (const auto &[className, kind] : classes)
        if (name == QLatin1String(className))
            return kind;
    return ObjectKind::TextLabel; // any other label kind draws text
}

CardGenerator::CardGenerator(quint32 seed, const QString &clipArtFolder) : m_seed(seed)
{
    const QDir folder(clipArtFolder);
    for (const QString &name : folder.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            m_metafiles.push_back(file.readAll());
    }
}

std::unique_ptr<TGGraphicControl> CardGenerator::makeObject(ObjectKind kind, QRandomGenerator &random,
                                                            QString &note) const
{
    const int left = between(random, 0, CardWidth - 60);
    const int top = between(random, 0, CardHeight - 30);
    switch (kind) {
    case ObjectKind::TextLabel:
    case ObjectKind::FieldLabel: {
        std::unique_ptr<TGBaseLabel> label;
        if (kind == ObjectKind::TextLabel)
            label = std::make_unique<TGPLabel>();
        else
            label = std::make_unique<TGBusinessCardLabel>();
        setUpLabel(*label, random, note);
        label->SetCaption(phrases().at(random.bounded(phrases().size())));
        if (chance(random, 20))
            label->SetAngle(pick(random, {90, 180, 270}));
        label->SetBounds(left, top, 120, 20);
        note += QStringLiteral(" \"%1\"").arg(label->Caption());
        return label;
    }
    case ObjectKind::SymbolLabel: {
        auto label = std::make_unique<TGSymbolLabel>();
        setUpLabel(*label, random, note);
        TGFont font = anyFont(random, 14, 36);
        font.Name = pick<QString>(random, {"Wingdings", "Webdings"});
        const int code = between(random, 0x21, 0xFE);
        label->SetBounds(left, top, 30, 30);
        label->SetSymbol(font, code);
        note += QStringLiteral(" symbol %1 %2").arg(font.Name).arg(code);
        return label;
    }
    case ObjectKind::MultiLineLabel: {
        auto label = std::make_unique<TGMultiLineLabel>();
        const TGFont font = anyFont(random, 7, 14);
        label->SetLabelFont(font);
        QStringList lines;
        for (int i = between(random, 1, 4); i > 0; --i)
            lines << phrases().at(random.bounded(phrases().size()));
        label->SetItems(lines);
        label->SetAlignment(pick(random, {taLeftJustify, taRightJustify, taCenter}));
        label->SetWordWrap(chance(random, 40));
        label->SetBounds(left, top, between(random, 90, 220), between(random, 30, 90));
        note = QStringLiteral("font %1 %2pt colour %3, %4 lines")
                   .arg(font.Name)
                   .arg(font.PointSize())
                   .arg(TGColor::ToQColor(font.Color).name())
                   .arg(lines.size());
        return label;
    }
    case ObjectKind::Rectangle:
    case ObjectKind::Ellipse:
    case ObjectKind::RoundRect: {
        auto shape = std::make_unique<TBCShapes>();
        if (kind == ObjectKind::Rectangle)
            shape->SetShape(pick(random, {stRectangle, stSquare}));
        else if (kind == ObjectKind::Ellipse)
            shape->SetShape(pick(random, {stEllipse, stCircle}));
        else
            shape->SetShape(pick(random, {stRoundRect, stRoundSquare}));
        const TGPen pen = anyPen(random);
        const TGBrush brush = anyBrush(random);
        shape->SetPen(pen);
        shape->SetBrush(brush);
        shape->SetRoundPerc(between(random, 5, 50));
        shape->SetBounds(left, top, between(random, 12, 200), between(random, 10, 120));
        note = QStringLiteral("pen %1 width %2 style %3 mode %4, brush %5 style %6")
                   .arg(TGColor::ToQColor(pen.Color).name())
                   .arg(pen.Width)
                   .arg(pen.Style)
                   .arg(pen.Mode)
                   .arg(TGColor::ToQColor(brush.Color).name())
                   .arg(brush.Style);
        return shape;
    }
    case ObjectKind::Line: {
        auto line = std::make_unique<TGLineShape>();
        const TGPen pen = anyPen(random);
        line->SetPen(pen);
        const TLineStyle style =
            pick(random, {stHorizontal, stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown});
        line->SetLineStyle(style);
        if (style == stHorizontal)
            line->SetBounds(left, top, between(random, 30, CardWidth - left), between(random, 4, 12));
        else if (style == stVertical)
            line->SetBounds(left, top, between(random, 4, 12), between(random, 20, CardHeight - top));
        else
            line->SetBounds(left, top, between(random, 20, 160), between(random, 20, 120));
        note = QStringLiteral("pen %1 width %2 style %3 mode %4, line style %5")
                   .arg(TGColor::ToQColor(pen.Color).name())
                   .arg(pen.Width)
                   .arg(pen.Style)
                   .arg(pen.Mode)
                   .arg(style);
        return line;
    }
    case ObjectKind::ClipArtBitmap:
    case ObjectKind::ClipArtMetafile: {
        auto image = std::make_unique<TGImage>();
        TGPicture picture;
        if (kind == ObjectKind::ClipArtBitmap || m_metafiles.empty()) {
            picture.SetBitmap(anyBitmap(random, between(random, 16, 64), between(random, 16, 48)));
            note = QStringLiteral("bitmap");
        } else {
            const int which = random.bounded(int(m_metafiles.size()));
            picture.SetMetafileBytes(m_metafiles[size_t(which)]);
            note = QStringLiteral("metafile %1").arg(which);
        }
        image->SetBounds(left, top, between(random, 24, 140), between(random, 24, 110));
        image->SetPicture(picture);
        image->SetStretch(chance(random, 70));
        image->SetFlip(chance(random, 20));
        image->SetReverse(chance(random, 20));
        image->SetBorderStyle(chance(random, 25) ? bsSingle : bsNone);
        note += QStringLiteral(" stretch %1 flip %2 reverse %3")
                    .arg(image->Stretch())
                    .arg(image->Flip())
                    .arg(image->Reverse());
        return image;
    }
    case ObjectKind::SuperShape: {
        auto shape = std::make_unique<TSuperShape>();
        shape->SetBounds(left, top, between(random, 30, 180), between(random, 30, 130));
        shape->SetShape(TSuperShape::TGPShapeType(random.bounded(10)));
        shape->SetSurfaceType(pick(random, {TSuperShape::stBrushPattern, TSuperShape::stBrushPattern,
                                            TSuperShape::stGradientFill, TSuperShape::stBrushTransparent,
                                            TSuperShape::stBrushImage}));
        shape->SetForeColor(anyColor(random));
        shape->SetBackColor(anyColor(random));
        shape->SetGradientToColor(anyColor(random));
        shape->SetFillDirection(TFillDirection(random.bounded(4)));
        shape->SetPattern(chance(random, 60) ? bsSolid : TBrushStyle(between(random, 2, 7)));
        shape->SetOutlineColor(anyColor(random));
        shape->SetOutlineWidth(between(random, 0, 4));
        shape->SetOutlineStyle(chance(random, 75) ? psSolid : pick(random, {psDash, psDot, psClear}));
        shape->SetVectors(between(random, 3, 12));
        shape->SetInVectorPercent(between(random, 20, 80));
        shape->SetStartingAngle(random.bounded(360));
        shape->SetRoundPerc(between(random, 5, 50));
        if (shape->SurfaceType() == TSuperShape::stBrushImage) {
            TGPicture texture;
            texture.SetBitmap(anyBitmap(random, 24, 24));
            shape->SetImage(texture);
        }
        if (chance(random, 35)) {
            shape->SetShadowOrient(TSuperShape::TShadowOrient(between(random, 1, 4)));
            shape->SetShadowDepth(between(random, 2, 8));
            shape->SetShadowColor(anyColor(random));
        }
        note = QStringLiteral("shape %1 surface %2 fore %3 outline %4 width %5 shadow %6")
                   .arg(shape->Shape())
                   .arg(shape->SurfaceType())
                   .arg(TGColor::ToQColor(shape->ForeColor()).name())
                   .arg(TGColor::ToQColor(shape->OutlineColor()).name())
                   .arg(shape->OutlineWidth())
                   .arg(shape->ShadowOrient());
        return shape;
    }
    case ObjectKind::SuperText: {
        auto text = std::make_unique<TGSuperText>();
        const TGFont font = anyFont(random, 18, 40);
        text->SetTextFont(font);
        text->SetCaption(pick<QString>(random, {"Acme", "Smith & Co", "BOLD", "Cards", "Jane"}));
        text->SetSurfaceType(TGSuperText::TSurfaceType(random.bounded(4)));
        text->SetGradientFromColor(anyColor(random));
        text->SetGradientToColor(anyColor(random));
        text->SetFillDirection(TFillDirection(random.bounded(4)));
        if (text->SurfaceType() == TGSuperText::stBrushImage) {
            TGPicture texture;
            texture.SetBitmap(anyBitmap(random, 24, 24));
            text->SetImage(texture);
        }
        text->SetOutlineColor(anyColor(random));
        text->SetOutlineWidth(between(random, 0, 3));
        text->SetControlTransparent(chance(random, 70));
        text->SetBGColor(anyColor(random));
        text->SetBorderStyle(chance(random, 20) ? bsSingle : bsNone);
        if (chance(random, 35)) {
            text->SetShadowOrientation(TShadowDirection(between(random, 1, 5)));
            text->SetShadowDepth(between(random, 1, 5));
            text->SetShadowcolor(anyColor(random));
        }
        text->SetBounds(left, top, between(random, 100, 230), between(random, 30, 70));
        note = QStringLiteral("font %1 %2pt surface %3 \"%4\"")
                   .arg(font.Name)
                   .arg(font.PointSize())
                   .arg(text->SurfaceType())
                   .arg(text->Caption());
        return text;
    }
    case ObjectKind::RichText: {
        auto label = std::make_unique<TGPRichBaseLabel>();
        label->SetRTFText(richText(random));
        label->SetTransparent(chance(random, 65));
        label->SetBGColor(anyColor(random));
        label->SetBorderStyle(chance(random, 40) ? bsSingle : bsNone);
        label->SetBounds(left, top, between(random, 120, 260), between(random, 30, 80));
        note = QString::fromLatin1(label->RTFText());
        return label;
    }
    case ObjectKind::CircleText: {
        auto circle = std::make_unique<TGPCircleText>();
        const TGFont font = anyFont(random, 8, 16);
        circle->SetTextFont(font);
        circle->SetCaption(phrases().at(random.bounded(phrases().size())));
        circle->SetStartingVector(TDegrees(random.bounded(4)));
        circle->SetDegrees(TDegrees(random.bounded(4)));
        circle->SetMirror(chance(random, 30));
        circle->SetDrawLettersAngled(chance(random, 70));
        circle->SetControlTransparent(chance(random, 70));
        circle->SetBGColor(anyColor(random));
        circle->SetBorderStyle(chance(random, 20) ? bsSingle : bsNone);
        const int side = between(random, 70, 170);
        circle->SetBounds(left, top, side, side * between(random, 60, 100) / 100);
        note = QStringLiteral("font %1 %2pt colour %3 \"%4\"")
                   .arg(font.Name)
                   .arg(font.PointSize())
                   .arg(TGColor::ToQColor(font.Color).name(), circle->Caption());
        return circle;
    }
    }
    return nullptr;
}

GeneratedCard CardGenerator::Card(int index) const
{
    QRandomGenerator random(std::array<quint32, 2>{m_seed, quint32(index)}.data(), 2);
    GeneratedCard card;
    card.index = index;
    if (index < PairCards) {
        card.kinds.push_back(ObjectKind(index / ObjectKindCount));
        card.kinds.push_back(ObjectKind(index % ObjectKindCount));
    }
    for (int extra = between(random, 1, 5); extra > 0; --extra)
        card.kinds.push_back(ObjectKind(random.bounded(ObjectKindCount)));

    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    TGLabelObjectFiler::ObjectRefs refs;
    for (ObjectKind kind : card.kinds) {
        QString note;
        objects.push_back(makeObject(kind, random, note));
        objects.back()->Name = QStringLiteral("Special%1").arg(objects.size());
        refs.push_back(objects.back().get());
        card.notes << ObjectKindName(kind) + QStringLiteral(": ") + note;
    }
    card.objectList = TGLabelObjectFiler::ObjectListBytes(refs);
    return card;
}

TGLabelObjectFiler::ObjectList CardGenerator::Objects(const GeneratedCard &card)
{
    TGLabelObjectFiler filer;
    return filer.ReadObjectList(card.objectList);
}

} // namespace cw::test

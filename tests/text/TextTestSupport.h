#pragma once
// Stand-ins for the text object tests: a surface with personal information,
// scripted answers for the text objects' dialogs, and ink measurement.

#include "design/model/TGGraphicControl.h"
#include "design/model/TObjectHost.h"
#include "text/model/TTextEditors.h"

#include <QImage>
#include <QPainter>
#include <QQueue>
#include <QStringList>
#include <algorithm>

namespace cw::test {

class TextHost final : public model::TObjectHost
{
public:
    int changes = 0;
    int moves = 0;
    QStringList personal = QStringList(10, QString());
    QFont surfaceFont = QFont(QStringLiteral("Arial"), 10);
    QQueue<std::optional<model::TColor>> colours;

    void Changed() override { ++changes; }
    void ObjectMoved(model::TGGraphicControl &) override { ++moves; }
    void InvalidateRect(const QRect &) override {}
    QSize SurfaceSize() const override { return {336, 192}; }
    bool IsPrinting() const override { return false; }
    bool IsZooming() const override { return false; }
    bool IsPreviewing() const override { return false; }
    QFont SurfaceFont() const override { return surfaceFont; }
    QString PersonalInfoText(int index) const override { return personal.value(index); }
    bool IsSelected(const model::TGGraphicControl &) const override { return false; }
    void RemoveFromSelection(model::TGGraphicControl &) override {}
    void ObjectCommand(model::TGGraphicControl &, model::TObjectCommand) override {}
    std::optional<model::TColor> ChooseColor(model::TColor) override
    {
        return colours.isEmpty() ? std::nullopt : colours.dequeue();
    }
    void Repaint() override {}
};

// Answers the text objects' dialogs from queues (empty queue = Cancel) and
// records which dialogs were asked for.  Installed while alive.
class ScriptedTextEditors final : public model::TTextEditors
{
public:
    ScriptedTextEditors() { Install(this); }
    ~ScriptedTextEditors() override { Install(nullptr); }

    QStringList asked;
    QQueue<std::optional<model::TGFont>> fonts;
    QQueue<bool> effects;
    QQueue<std::optional<QString>> texts;
    QQueue<std::optional<TSymbolChoice>> symbols;
    QQueue<std::optional<QStringList>> lines;
    // What the dialogs were started with.
    QString lastCaption;
    QStringList lastPersonalInfo;
    int lastCode = -2;
    QStringList lastLines;

    std::optional<model::TGFont> ChooseFont(const model::TGFont &) override
    {
        asked << "font";
        return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
    }
    bool Edit3DEffects(model::TGBaseLabel &) override
    {
        asked << "3d";
        return !effects.isEmpty() && effects.dequeue();
    }
    std::optional<QString> LabelText(const QString &caption) override
    {
        asked << "text";
        lastCaption = caption;
        return texts.isEmpty() ? std::nullopt : texts.dequeue();
    }
    std::optional<QString> BusinessCardText(const QString &caption, const QStringList &info) override
    {
        asked << "bctext";
        lastCaption = caption;
        lastPersonalInfo = info;
        return texts.isEmpty() ? std::nullopt : texts.dequeue();
    }
    std::optional<TSymbolChoice> ChooseSymbol(const model::TGFont &, int code) override
    {
        asked << "symbol";
        lastCode = code;
        return symbols.isEmpty() ? std::nullopt : symbols.dequeue();
    }
    std::optional<QStringList> MultiLineText(const QStringList &l, const model::TGFont &) override
    {
        asked << "multiline";
        lastLines = l;
        return lines.isEmpty() ? std::nullopt : lines.dequeue();
    }
};

// Bounding box of the pixels that differ from the background colour.
inline QRect InkBounds(const QImage &image, QRgb background = qRgb(255, 255, 255), QRect within = QRect())
{
    if (within.isNull())
        within = image.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Bounding box of the pixels close to one colour.
inline QRect ColourBounds(const QImage &image, const QColor &colour, int tolerance = 60)
{
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The object painted alone on white at its own size (plus a margin).
inline QImage Render(model::TGGraphicControl &object, int margin = 0)
{
    QImage image(object.Width() + 2 * margin, object.Height() + 2 * margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.PaintTo(painter, margin, margin);
    return image;
}

} // namespace cw::test

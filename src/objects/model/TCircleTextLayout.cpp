#include "objects/model/TCircleTextLayout.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace cw::model {

namespace {

QStringList codePoints(const QString &text)
{
    QStringList letters;
    for (const char32_t c : text.toUcs4())
        letters.append(QString::fromUcs4(&c, 1));
    return letters;
}

bool isMirrored(const TCircleTextLayout::TInput &in)
{
    // Mirroring turns letters round, which only rotated letters can show.
    return in.Mirror && in.Angled;
}

} // namespace

TCircleGeometry TCircleTextLayout::Geometry(const TInput &in, int letters)
{
    const int W = in.Width;
    const int H = in.Height;
    const int h = in.CharHeight;
    const int a = in.AveCharWidth;
    TCircleGeometry g;
    g.Start = (int(in.StartingVector) + 1) * 90;
    g.Span = (int(in.Degrees) + 1) * 90;
    if (in.Degrees == dg360 && letters > 5)
        g.Span = 355; // the last letter would touch the first

    g.CenterX = W / 2;
    g.CenterY = H / 2;
    g.RoomX = g.CenterX;
    g.RoomY = g.CenterY;
    // Quarter and half arcs move the centre towards an edge so the arc fills
    // the box; the room is then the distance to the far edge.
    const auto left = [&] {
        g.CenterX = a;
        g.RoomX = W - g.CenterX;
    };
    const auto right = [&] {
        g.CenterX = W - a;
        g.RoomX = g.CenterX;
    };
    const auto bottom = [&] {
        g.CenterY = H - h;
        g.RoomY = g.CenterY;
    };
    const auto top = [&] {
        g.CenterY = h;
        g.RoomY = H - g.CenterY;
    };
    if (in.Degrees == dg90) {
        switch (in.StartingVector) {
        case dg90:
            left();
            bottom();
            break;
        case dg180:
            right();
            bottom();
            break;
        case dg270:
            right();
            top();
            break;
        case dg360:
            left();
            top();
            break;
        }
    } else if (in.Degrees == dg180) {
        switch (in.StartingVector) {
        case dg90:
            left();
            break;
        case dg180:
            bottom();
            break;
        case dg270:
            right();
            break;
        case dg360:
            top();
            break;
        }
    }
    g.Radius = std::min(g.RoomX, g.RoomY) - 4;
    if (!isMirrored(in))
        g.Radius -= h; // the letters stand outside the arc

    if (letters <= 1)
        g.Step = float(g.Span);
    else if (in.Degrees == dg360)
        g.Step = float(g.Span) / float(letters);
    else
        g.Step = float(g.Span) / float(letters - 1);
    return g;
}

std::vector<TCircleLetter> TCircleTextLayout::Letters(const TInput &in, const QString &caption)
{
    const QStringList chars = codePoints(caption);
    const int n = int(chars.size());
    std::vector<TCircleLetter> letters;
    if (n == 0)
        return letters;
    const bool mirror = isMirrored(in);
    const TCircleGeometry g = Geometry(in, n);
    const double base = (g.Start - 90) * 10.0;
    const bool fullCircle = in.Degrees == dg360;
    for (int i = 0; i < n; ++i) {
        TCircleLetter letter;
        letter.Text = mirror ? chars[n - 1 - i] : chars[i];
        // The last letter of an open arc sits exactly at its end, free of
        // the rounding the step accumulates.
        const bool last = !fullCircle && n > 1 && i == n - 1;
        int e = last ? int(base - g.Span * 10.0) : int(std::nearbyint(base - i * double(g.Step) * 10.0));
        if (e < 0)
            e += 3600;
        if (mirror)
            e = (e + 1800 > 3600) ? e - 1800 : e + 1800;
        letter.Angle = e;
        const double theta =
            (last ? double(g.Span - g.Start) : i * double(g.Step) - g.Start) * std::numbers::pi / 180.0;
        letter.X = int(std::nearbyint(std::cos(theta) * g.Radius)) + g.CenterX;
        letter.Y = int(std::nearbyint(std::sin(theta) * g.Radius)) + g.CenterY;
        letter.Inside = letter.X >= 0 && letter.X < in.Width && letter.Y >= 0 && letter.Y < in.Height;
        letters.push_back(letter);
    }
    return letters;
}

} // namespace cw::model

#pragma once
// Window placement in the settings file: one section per window class,
// "<class>_Placement", with the screen's dots per inch appended when they
// exceed 96 (each screen resolution keeps its own placement).  Keys "Left",
// "Top", "Right", "Bottom" (the normal, not maximised, rectangle in screen
// pixels, Right/Bottom exclusive like the platform's rectangles) and
// "Maximized".

#include <QRect>
#include <QSize>
#include <QString>

namespace cw::model {

class TIniFile;

struct TWindowPlacement
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Maximized = false;

    static QString SectionName(const QString &windowClass, int dpi);

    // Reads the placement; absent keys give 0 and Maximized = currentlyMaximized.
    // A rectangle with Right <= Left or Bottom <= Top reads as all 0.
    static TWindowPlacement Read(const TIniFile &ini, const QString &windowClass, int dpi,
                                 bool currentlyMaximized);
    // Writes the five keys as one file write (throws cw::EInOutError).
    void Write(TIniFile &ini, const QString &windowClass, int dpi) const;

    // QRect of the stored rectangle (Right/Bottom exclusive) and back.
    QRect Rect() const { return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1)); }
    static TWindowPlacement FromRect(const QRect &normal, bool maximized);

    // What restoring does with a stored placement.
    struct Restore
    {
        bool Maximize = false; // maximise the window and do nothing else
        QRect Geometry;        // otherwise the window's new rectangle
    };
    // `current` is the window's rectangle now; `screen` the screen's size.
    // Nothing stored (Bottom 0): centre `current` on the screen.  Then the
    // rectangle moves left when Right exceeds the screen width (Right becomes
    // the width), and right to Left = 1 when Left is then negative; the same
    // for Bottom, the screen height and Top.
    Restore Compute(const QRect &current, const QSize &screen) const;
};

} // namespace cw::model

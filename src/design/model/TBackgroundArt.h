#pragma once
// Background art files: the program folder's "BG" folder, the pictures it
// offers (Windows bitmaps and metafiles, PNG and JPEG pictures), the shipped pictures copied into it
// on first use, the choice of the picture to pre-select, and printing a
// background file over a card's inch rectangle.

#include "design/model/TGPicture.h"

#include <QString>
#include <QStringList>

namespace cw::engine {
class TBaseReport;
}

namespace cw::model {

class TBackgroundArt
{
public:
    // "*.BMP", "*.WMF", "*.PNG", "*.JPG", "*.JPEG": the file list's
    // patterns (letter case is ignored).
    static QStringList NameFilters();
    // True for a name with one of those extensions, in any letter case.
    static bool IsBackgroundFile(const QString &name);
    // The line a card's sidecar stores for its background: "BG/<name>" for
    // a picture in the program folder's BG folder, so that the card finds
    // it on another installation; any other path as it is.
    static QString SidecarLine(const QString &backgroundFile);

    // The program folder's "BG/" folder (with a trailing '/').
    static QString Folder();
    // The shipped background pictures (shipped content + "BG/").
    static QString ShippedFolder();
    // Copies every shipped background that `folder` lacks (by name, letter
    // case ignored) into it, creating the folder when needed.  Files already
    // there are never replaced.  Returns the number of files copied; a file
    // that cannot be copied is skipped.
    static int InstallShipped(const QString &folder = Folder());

    // The background files of a folder, sorted by name without regard to case.
    static QStringList List(const QString &folder);

    // The file the background dialog selects first: `backgroundFile` when it
    // names an existing file; else the file of the same name (letter case
    // ignored) in `bgFolder`; else empty.
    static QString Preselection(const QString &backgroundFile, const QString &bgFolder);

    // The picture file a card's sidecar line names, or empty when there is
    // none.  An absolute path is that file when it exists (a path written on
    // Windows never does).  A relative path is taken from the program folder,
    // never from the current folder: "BG/Sky.bmp" is this installation's
    // BG picture, so shipped sample cards find their backgrounds wherever
    // the program is installed.  A "BG/" picture of a shipped name that the
    // BG folder lacks is installed there first (or, failing that, the
    // shipped file itself is taken).
    static QString Resolve(const QString &backgroundFile);

    // Prints the background file stretched over the inch rectangle
    // (x1, y1)-(x2, y2): a bitmap through the engine's bitmap stretch, a
    // metafile as vectors into the device rectangle.  False (and nothing
    // drawn) for a file TSheetBackground does not take, one that is missing
    // or does not decode.
    static bool Print(engine::TBaseReport &report, const QString &path, double x1, double y1, double x2,
                      double y2);
};

} // namespace cw::model

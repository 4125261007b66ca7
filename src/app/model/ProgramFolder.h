#pragma once
// The program folder holds CWR.INI, Saved/, BG/, bmbrush/ and the clipboard
// file.  It is the folder of the running program when that is writable (a
// build tree, a portable copy), otherwise the per-user data folder.  Paths
// always end in '/'.

#include <QString>
#include <QStringList>

namespace cw::model {

class ProgramFolder
{
public:
    // The program folder, with a trailing '/'.
    static QString path();
    // A file or folder name inside the program folder.
    static QString file(const QString &name) { return path() + name; }
    // Where the read-only shipped content lives (backgrounds, textures,
    // sample cards, help book): "share/cardwright" beside an installed
    // program, or the source tree's "content" folder for a build tree.
    static QString shippedContent();
    // Tests and the command-line program point the program at a folder of
    // their own; an empty path restores the default.
    static void setOverride(const QString &folder);

    // The per-user program folder, "Cardwright/" in the user's data folder
    // (~/.local/share/Cardwright/), created when missing.  Earlier versions
    // kept it one level deeper ("Cardwright/Cardwright/"); what is found there
    // is moved up first.
    static QString userFolder();
    // Moves every file and folder of `oldFolder` into `newFolder` where that
    // name is still free, then removes `oldFolder` when it is left empty.  A
    // name already taken in `newFolder` stays behind, so no file is lost.
    // Returns the names that stayed behind.
    static QStringList moveOldFolder(const QString &oldFolder, const QString &newFolder);
};

} // namespace cw::model

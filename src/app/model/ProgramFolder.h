#pragma once
// The program folder holds CWR.INI, Saved/, BG/, bmbrush/ and the clipboard
// file.  It is the folder of the running program when that is writable (a
// build tree, a portable copy), otherwise the per-user data folder.  Paths
// always end in '/'.

#include <QString>

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
};

} // namespace cw::model
